#include "designer/ProblemsPane.h"

#include <QAction>
#include <QHeaderView>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>
#include <string_view>

#include "Resource/ResObjects/ResPicture.h"
#include "Resource/SkinDocument.h"
#include "designer/DisplayText.h"
#include "designer/ProjectArea.h"
#include "designer/SkinSession.h"
#include "designer/propertygrid/PropertyGrid.h"
#include "designer/propertygrid/PropertyItem.h"
#include "designer/undo/RemovePicturesCommand.h"

namespace {

constexpr int kFindingRole = Qt::UserRole;  // the finding's index in Findings()
// The codes of the findings the pane acts on.
constexpr std::string_view kUnusedPictureCode = "unused-picture";
constexpr std::string_view kMissingFontCode = "missing-font";

bool IsUnusedPicture(const CheckFinding& f) { return f.code == kUnusedPictureCode; }

enum Column { kObjectColumn, kRowColumn, kMessageColumn };

QIcon SeverityIcon(const QStyle* style, CheckSeverity severity) {
    switch (severity) {
    case CheckSeverity::Error: return style->standardIcon(QStyle::SP_MessageBoxCritical);
    case CheckSeverity::Warning: return style->standardIcon(QStyle::SP_MessageBoxWarning);
    case CheckSeverity::Note: return style->standardIcon(QStyle::SP_MessageBoxInformation);
    }
    return {};
}

QList<vd::PropertyItem*> FontRowsWithoutKey(vd::PropertyItem* item) {
    QList<vd::PropertyItem*> found;
    if (item->kind() == vd::PropertyItem::FontKind && item->key().isEmpty()) found << item;
    for (int i = 0; i < item->childCount(); ++i) found << FontRowsWithoutKey(item->child(i));
    return found;
}

QString ObjectText(const CheckFinding& f) {
    if (f.section.empty()) return {};
    return EscapedForDisplay(f.section + "/" + (f.name.empty() ? std::to_string(f.id) : f.name));
}

}  // namespace

ProblemsPane::ProblemsPane(SkinSession& session, CProjectArea& tree, vd::PropertyGrid& grid, QWidget* parent)
    : QWidget(parent), m_session(session), m_tree(tree), m_grid(grid), m_list(new QTreeWidget(this)),
      m_removeUnused(new QAction(tr("Remove Unused Pictures"), this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_list);
    m_list->setObjectName(QStringLiteral("ProblemsList"));
    m_list->setColumnCount(3);
    m_list->setHeaderLabels({tr("Object"), tr("Row"), tr("Message")});
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAlternatingRowColors(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->header()->setStretchLastSection(true);
    connect(m_list, &QTreeWidget::itemActivated, this, [this](QTreeWidgetItem* item) {
        m_list->setCurrentItem(item);
        if (const int index = CurrentIndex(); index >= 0) GoTo(m_findings[static_cast<size_t>(index)]);
    });
    m_removeUnused->setObjectName(QStringLiteral("RemoveUnusedPictures"));
    connect(m_removeUnused, &QAction::triggered, this, &ProblemsPane::RemoveUnusedPictures);

    m_pending.setSingleShot(true);
    m_pending.setInterval(0);
    connect(&m_pending, &QTimer::timeout, this, &ProblemsPane::Check);
    connect(&m_session, &SkinSession::changed, this, &ProblemsPane::Schedule);
    UpdateRemoveAction(m_findings);
    Schedule();
}

void ProblemsPane::CheckNow() {
    m_pending.stop();
    Check();
}

void ProblemsPane::Check() {
    m_pending.stop();
    CheckOptions options;
    options.fontAvailable = [this](const std::string& face) { return m_faces.Has(face); };
    std::vector<CheckFinding> findings = CheckSkin(m_session.Document(), options);
    // Whether the skin has pictures at all can change while the findings stay the same.
    UpdateRemoveAction(findings);
    // Most edits change no finding: the list then stays as it is, with its selection and scroll position.
    if (findings == m_findings) return;
    // The finding the user is on stays selected when it is still there.
    std::optional<CheckFinding> current;
    if (const int index = CurrentIndex(); index >= 0) current = m_findings[static_cast<size_t>(index)];
    m_findings = std::move(findings);
    Fill(current ? &*current : nullptr);
    emit findingsChanged();
}

int ProblemsPane::CurrentIndex() const {
    const QTreeWidgetItem* item = m_list->currentItem();
    const int index = item ? item->data(kObjectColumn, kFindingRole).toInt() : -1;
    return index >= 0 && index < static_cast<int>(m_findings.size()) ? index : -1;
}

void ProblemsPane::Fill(const CheckFinding* current) {
    m_list->setUpdatesEnabled(false);
    m_list->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(m_findings.size()));
    QTreeWidgetItem* again = nullptr;
    const QStyle* style = m_list->style();
    for (size_t i = 0; i < m_findings.size(); ++i) {
        const CheckFinding& f = m_findings[i];
        auto* item = new QTreeWidgetItem({ObjectText(f), EscapedForDisplay(f.key), EscapedForDisplay(f.message)});
        item->setIcon(kObjectColumn, SeverityIcon(style, f.severity));
        item->setData(kObjectColumn, kFindingRole, static_cast<int>(i));
        const QString line = EscapedForDisplay(FormatFinding(f));
        for (int c = kObjectColumn; c <= kMessageColumn; ++c) item->setToolTip(c, line);
        if (current && !again && f == *current) again = item;
        items << item;
    }
    m_list->addTopLevelItems(items);
    // The object and row columns fit what they show; the message takes the rest.
    m_list->resizeColumnToContents(kObjectColumn);
    m_list->resizeColumnToContents(kRowColumn);
    if (again) m_list->setCurrentItem(again);
    m_list->setUpdatesEnabled(true);
}

QString ProblemsPane::CountText(const std::vector<CheckFinding>& findings) {
    int counts[3] = {0, 0, 0};
    for (const CheckFinding& f : findings) ++counts[static_cast<int>(f.severity)];
    QStringList parts;
    if (counts[0]) parts << (counts[0] == 1 ? tr("1 error") : tr("%1 errors").arg(counts[0]));
    if (counts[1]) parts << (counts[1] == 1 ? tr("1 warning") : tr("%1 warnings").arg(counts[1]));
    if (counts[2]) parts << (counts[2] == 1 ? tr("1 note") : tr("%1 notes").arg(counts[2]));
    return parts.join(QStringLiteral(", "));
}

vd::PropertyItem* ProblemsPane::RowFor(const vd::PropertyGrid& grid, const CheckFinding& finding) {
    const bool aboutFont = finding.code == kMissingFontCode;
    auto isFont = [](const vd::PropertyItem* item) { return item->kind() == vd::PropertyItem::FontKind; };
    const QList<vd::PropertyItem*> rows = grid.findItemsByKey(QString::fromStdString(finding.key));
    // One key may be stored by a name, a font and a text style ("Caption"): a font finding is about the font.
    for (vd::PropertyItem* row : rows)
        if (isFont(row) == aboutFont) return row;
    if (!aboutFont || !rows.isEmpty()) return nullptr;
    // A font stored under the object's own prefix has no key of its own in the table, and the check names
    // it by its face's key: it is the page's one font row without a key.
    vd::PropertyItem* unkeyed = nullptr;
    for (int i = 0; i < grid.topLevelItemCount(); ++i)
        for (vd::PropertyItem* row : FontRowsWithoutKey(grid.topLevelItem(i))) {
            if (unkeyed) return nullptr;
            unkeyed = row;
        }
    return unkeyed;
}

bool ProblemsPane::GoTo(const CheckFinding& finding) {
    if (!finding.id || !m_session.Document().FindItem(finding.id)) return false;
    m_tree.FinishFilling();
    m_tree.SelectItemByData(finding.id);
    m_tree.OpenObject(finding.id);
    emit findingOpened(finding.id);
    if (vd::PropertyItem* row = RowFor(m_grid, finding)) m_grid.setCurrentItem(row);
    return true;
}

int ProblemsPane::RemoveUnusedPictures() {
    // What the grid still holds belongs to the skin first: it may name one of these pictures.
    m_grid.commitPendingEdit();
    CheckNow();
    std::vector<RemovePicturesCommand::Target> unused;
    for (const CheckFinding& f : m_findings)
        if (IsUnusedPicture(f)) unused.push_back({f.id, f.name});
    const int removed = RemovePicturesCommand::Push(m_session, unused, tr("Remove Unused Pictures"));
    emit statusMessage(removed == 0   ? tr("There are no unused pictures to remove.")
                       : removed == 1 ? tr("Removed 1 unused picture.")
                                      : tr("Removed %1 unused pictures.").arg(removed));
    CheckNow();
    return removed;
}

void ProblemsPane::UpdateRemoveAction(const std::vector<CheckFinding>& findings) {
    const auto unused = static_cast<int>(std::count_if(findings.begin(), findings.end(), IsUnusedPicture));
    m_removeUnused->setEnabled(unused > 0);
    // A disabled command says why it is.
    QString tip;
    if (unused == 1) tip = tr("Remove the picture no object uses; Undo brings it back.");
    else if (unused > 1) tip = tr("Remove the %1 pictures no object uses, in one step; Undo brings them back.").arg(unused);
    else if (m_session.Document().Pictures().Count()) tip = tr("Every picture of the skin is used by an object.");
    else tip = tr("The skin has no pictures.");
    m_removeUnused->setStatusTip(tip);
    m_removeUnused->setToolTip(tip);
}
