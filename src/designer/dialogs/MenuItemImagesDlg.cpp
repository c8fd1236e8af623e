#include "designer/dialogs/MenuItemImagesDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>
#include <set>

#include "Resource/SkinRecords.h"
#include "Resource/TextUtil.h"

namespace {

enum Column { kIdColumn, kCheckColumn, kUncheckColumn, kTwoRowColumn, kColumnCount };

// A check box centred in its cell.
QWidget* Centred(QWidget* parent, QWidget* inner) {
    auto* holder = new QWidget(parent);
    auto* layout = new QHBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(inner, 0, Qt::AlignCenter);
    return holder;
}

}  // namespace

CMenuItemImagesDlg::CMenuItemImagesDlg(const CheckImageMap& entries, const QStringList& pictureNames, QWidget* parent,
                                       CheckImagesOf what)
    : QDialog(parent), m_what(what), m_pictureNames(pictureNames) {
    const bool menus = what == CheckImagesOf::MenuItems;
    setWindowTitle(menus ? tr("MenuItem Images") : tr("Command Images"));
    m_table = new QTableWidget(0, kColumnCount, this);
    m_table->setObjectName(QStringLiteral("entries"));
    m_table->setHorizontalHeaderLabels(
        {menus ? tr("Item ID") : tr("Command ID"), tr("Check Image"), tr("Uncheck Image"), tr("Two Rows")});
    // Toolbars keep no two-row flag: the column is not shown and Entries() gives 0 for it.
    m_table->setColumnHidden(kTwoRowColumn, !menus);
    m_table->horizontalHeader()->setSectionResizeMode(kCheckColumn, QHeaderView::Stretch);
    m_table->horizontalHeader()->setSectionResizeMode(kUncheckColumn, QHeaderView::Stretch);
    m_table->verticalHeader()->setVisible(false);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);

    m_add = new QPushButton(tr("Add"), this);
    m_add->setObjectName(QStringLiteral("add"));
    m_remove = new QPushButton(tr("Remove"), this);
    m_remove->setObjectName(QStringLiteral("remove"));
    connect(m_add, &QPushButton::clicked, this, &CMenuItemImagesDlg::AddRow);
    connect(m_remove, &QPushButton::clicked, this, &CMenuItemImagesDlg::RemoveCurrentRow);

    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("problem"));
    m_problem->setStyleSheet(QStringLiteral("color: #b00000"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setObjectName(QStringLiteral("ok"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* side = new QVBoxLayout;
    side->addWidget(m_add);
    side->addWidget(m_remove);
    side->addStretch(1);
    auto* body = new QHBoxLayout;
    body->addWidget(m_table, 1);
    body->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addWidget(m_problem);
    layout->addWidget(buttons);
    resize(600, 320);

    for (const auto& [id, entry] : entries) InsertRow(entry);
    CheckIds();
}

QComboBox* CMenuItemImagesDlg::PictureCombo(const std::string& chosen) {
    auto* combo = new QComboBox(m_table);
    combo->addItem(NoPictureText(), QString());
    for (const QString& name : m_pictureNames) combo->addItem(name, name);
    const QString current = QString::fromStdString(chosen);
    if (current.isEmpty()) {
        combo->setCurrentIndex(0);
        return combo;
    }
    int index = combo->findData(current);
    if (index < 0) {
        // A name read from the file that no loaded picture has: kept as it is unless the author picks another.
        combo->addItem(current, current);
        index = combo->count() - 1;
        combo->setItemData(index, tr("No picture of this name is loaded."), Qt::ToolTipRole);
    }
    combo->setCurrentIndex(index);
    return combo;
}

void CMenuItemImagesDlg::InsertRow(const CheckImageEntry& entry) {
    const int r = m_table->rowCount();
    m_table->insertRow(r);
    Row row;
    row.id = new QSpinBox(m_table);
    // Any ID a file can hold is kept as it is.
    row.id->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    row.id->setValue(entry.id);
    row.id->setFrame(false);
    connect(row.id, &QSpinBox::valueChanged, this, &CMenuItemImagesDlg::CheckIds);
    row.check = PictureCombo(entry.checkImage);
    row.uncheck = PictureCombo(entry.uncheckImage);
    row.doubleRow = new QCheckBox(m_table);
    row.doubleRow->setChecked(entry.doubleRow != 0);
    if (entry.doubleRow != 0) row.doubleRowValue = entry.doubleRow;
    m_table->setCellWidget(r, kIdColumn, row.id);
    m_table->setCellWidget(r, kCheckColumn, row.check);
    m_table->setCellWidget(r, kUncheckColumn, row.uncheck);
    m_table->setCellWidget(r, kTwoRowColumn, Centred(m_table, row.doubleRow));
    m_rows.push_back(row);
}

void CMenuItemImagesDlg::AddRow() {
    int next = 1;
    if (!m_rows.empty()) {
        int largest = std::numeric_limits<int>::min();
        for (const Row& row : m_rows) largest = std::max(largest, row.id->value());
        next = largest < std::numeric_limits<int>::max() ? largest + 1 : largest;
    }
    CheckImageEntry entry;
    entry.id = next;
    InsertRow(entry);
    m_table->setCurrentCell(RowCount() - 1, kIdColumn);
    CheckIds();
}

void CMenuItemImagesDlg::RemoveCurrentRow() {
    const int r = m_table->currentRow();
    if (r < 0 || r >= RowCount()) return;
    m_table->removeRow(r);
    m_rows.erase(m_rows.begin() + r);
    CheckIds();
}

void CMenuItemImagesDlg::CheckIds() {
    std::set<int> seen;
    for (const Row& row : m_rows) {
        if (seen.insert(row.id->value()).second) continue;
        const QString text = m_what == CheckImagesOf::MenuItems ? tr("Item ID %1 is used twice.")
                                                                 : tr("Command ID %1 is used twice.");
        m_problem->setText(text.arg(row.id->value()));
        m_problem->show();
        m_ok->setEnabled(false);
        return;
    }
    m_problem->clear();
    m_problem->hide();
    m_ok->setEnabled(true);
}

QString CMenuItemImagesDlg::Summary(const CheckImageMap& entries) {
    if (entries.empty()) return NoPictureText();
    QStringList ids;
    for (const auto& [id, entry] : entries) ids << QString::number(id);
    return QStringLiteral("%1 %2: %3")
        .arg(entries.size())
        .arg(entries.size() == 1 ? QStringLiteral("item") : QStringLiteral("items"), ids.join(QStringLiteral(", ")));
}

CheckImageMap CMenuItemImagesDlg::Entries() const {
    CheckImageMap map;
    for (const Row& row : m_rows) {
        CheckImageEntry e;
        e.id = row.id->value();
        e.checkImage = vd::CutToCapacity(row.check->currentData().toString().toStdString(), kText255);
        e.uncheckImage = vd::CutToCapacity(row.uncheck->currentData().toString().toStdString(), kText255);
        e.doubleRow = m_what == CheckImagesOf::MenuItems && row.doubleRow->isChecked() ? row.doubleRowValue : 0;
        map[e.id] = std::move(e);
    }
    return map;
}
