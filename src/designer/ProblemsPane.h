#pragma once
// The "Problems" pane: what the skin check finds in the skin being edited, one line per finding (severity
// icon, object, row, message). It checks again after every change of the document, once per turn of the
// event loop however many changes that turn brought, so it always shows the skin as it is. Double-clicking
// a finding opens its object and selects the grid row the finding is about. The pane also holds File >
// "Remove Unused Pictures", enabled while the check notes pictures no object uses. The main window owns the
// dock around it and the count in the status bar.

#include <QTimer>
#include <QWidget>

#include <vector>

#include "Resource/SkinCheck.h"
#include "platform/InstalledFaces.h"

class CProjectArea;
class QAction;
class QTreeWidget;
class SkinSession;
namespace vd {
class PropertyGrid;
class PropertyItem;
}  // namespace vd

class ProblemsPane : public QWidget {
    Q_OBJECT
public:
    ProblemsPane(SkinSession& session, CProjectArea& tree, vd::PropertyGrid& grid, QWidget* parent = nullptr);

    const std::vector<CheckFinding>& Findings() const { return m_findings; }
    QTreeWidget* List() const { return m_list; }
    QAction* RemoveUnusedAction() const { return m_removeUnused; }
    // Whether a change is waiting for its check (it runs on the next turn of the event loop).
    bool IsCheckPending() const { return m_pending.isActive(); }
    // Checks now instead of on the next turn.
    void CheckNow();

    // "2 errors, 1 warning"; empty when there is nothing to report.
    static QString CountText(const std::vector<CheckFinding>& findings);
    QString CountText() const { return CountText(m_findings); }

    // Opens the finding's object (tree, grid and view, as a double click in the tree does) and selects the
    // grid row it is about, or the object alone when its grid has no such row. False when the finding names
    // no object of the skin.
    bool GoTo(const CheckFinding& finding);
    // The row of `grid` a finding is about; null when it has none.
    static vd::PropertyItem* RowFor(const vd::PropertyGrid& grid, const CheckFinding& finding);

    // Removes every picture the check notes as unused, in one undo step, and says how many on the status
    // line (statusMessage). Returns how many it removed.
    int RemoveUnusedPictures();

signals:
    // After a check whose findings differ from the last one's.
    void findingsChanged();
    // GoTo opened a finding's object: its grid should be in view.
    void findingOpened(int id);
    // What a command of the pane did, for the status line.
    void statusMessage(const QString& text);

private:
    void Schedule() { m_pending.start(); }
    void Check();
    // Lists the findings anew, with `current` (an equal finding) selected again.
    void Fill(const CheckFinding* current);
    // The index in m_findings of the finding the list is on; -1 for none.
    int CurrentIndex() const;
    void UpdateRemoveAction(const std::vector<CheckFinding>& findings);

    SkinSession& m_session;
    CProjectArea& m_tree;
    vd::PropertyGrid& m_grid;
    QTreeWidget* m_list;
    QAction* m_removeUnused;
    QTimer m_pending;  // zero-interval single shot: many changes in one turn make one check
    vd::InstalledFaces m_faces;  // the machine's fonts, read once
    std::vector<CheckFinding> m_findings;
};
