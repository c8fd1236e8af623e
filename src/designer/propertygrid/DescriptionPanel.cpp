#include "designer/propertygrid/DescriptionPanel.h"

#include <QLabel>
#include <QVBoxLayout>

namespace vd {

DescriptionPanel::DescriptionPanel(QWidget* parent)
    : QFrame(parent), m_caption(new QLabel(this)), m_description(new QLabel(this)) {
    setObjectName(QStringLiteral("descriptionPanel"));
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Window);
    setMinimumHeight(40);
    QFont bold = m_caption->font();
    bold.setBold(true);
    m_caption->setFont(bold);
    m_caption->setTextFormat(Qt::PlainText);
    m_description->setTextFormat(Qt::PlainText);
    m_description->setWordWrap(true);
    m_description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_description->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 6, 8, 6);
    layout->setSpacing(3);
    layout->addWidget(m_caption);
    layout->addWidget(m_description, 1);
}

void DescriptionPanel::showText(const QString& caption, const QString& description) {
    m_caption->setText(caption);
    m_description->setText(description);
}

QString DescriptionPanel::caption() const { return m_caption->text(); }

QString DescriptionPanel::description() const { return m_description->text(); }

}  // namespace vd
