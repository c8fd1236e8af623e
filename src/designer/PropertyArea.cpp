#include "designer/PropertyArea.h"

#include <QAction>
#include <QActionGroup>
#include <QPainter>
#include <QToolBar>
#include <QVBoxLayout>

#include "designer/propertygrid/PropertyGrid.h"

namespace {

// Toolbar artwork: stacked bars for "by category", A-Z lines for "alphabetically".
QIcon SortIcon(bool alphabetical) {
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    if (!alphabetical) {
        p.fillRect(QRect(4, 5, 24, 5), QColor(70, 110, 190));
        p.fillRect(QRect(10, 13, 18, 3), QColor(90, 90, 90));
        p.fillRect(QRect(4, 19, 24, 5), QColor(70, 110, 190));
        p.fillRect(QRect(10, 27, 18, 3), QColor(90, 90, 90));
    } else {
        QFont f = p.font();
        f.setPixelSize(12);
        f.setBold(true);
        p.setFont(f);
        p.setPen(QColor(70, 110, 190));
        p.drawText(QRect(0, 1, 16, 15), Qt::AlignCenter, QStringLiteral("A"));
        p.drawText(QRect(0, 16, 16, 15), Qt::AlignCenter, QStringLiteral("Z"));
        p.setPen(QPen(QColor(90, 90, 90), 2));
        p.drawLine(23, 4, 23, 27);
        p.drawLine(19, 22, 23, 27);
        p.drawLine(27, 22, 23, 27);
    }
    return QIcon(pm);
}

}  // namespace

CPropertyArea::CPropertyArea(QWidget* parent)
    : QWidget(parent), m_toolBar(new QToolBar(this)), m_grid(new vd::PropertyGrid(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_toolBar->setIconSize(QSize(16, 16));
    m_byCategory = m_toolBar->addAction(SortIcon(false), tr("Categorized"));
    m_alphabetical = m_toolBar->addAction(SortIcon(true), tr("Alphabetical"));
    // One of the two is always pressed: pressing the pressed one again keeps it so.
    auto* order = new QActionGroup(this);
    order->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    for (QAction* a : {m_byCategory, m_alphabetical}) {
        a->setCheckable(true);
        order->addAction(a);
    }
    connect(m_byCategory, &QAction::triggered, m_grid, &vd::PropertyGrid::sortByCategory);
    connect(m_alphabetical, &QAction::triggered, m_grid, &vd::PropertyGrid::sortAlphabetically);
    connect(m_grid, &vd::PropertyGrid::sortModeChanged, this, &CPropertyArea::UpdateChecks);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_grid, 1);
    UpdateChecks();
}

void CPropertyArea::UpdateChecks() {
    const bool categorized = m_grid->sortMode() == vd::PropertyGrid::SortMode::Categorized;
    m_byCategory->setChecked(categorized);
    m_alphabetical->setChecked(!categorized);
}

void CPropertyArea::Clear() { m_grid->clear(); }
