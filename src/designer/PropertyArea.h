#pragma once
// The "Properties" pane: a small toolbar (sort by category, sort alphabetically, each checked while it is
// the grid's order) above the property grid the pages fill.

#include <QWidget>

class QAction;
class QToolBar;
namespace vd {
class PropertyGrid;
}

class CPropertyArea : public QWidget {
    Q_OBJECT
public:
    explicit CPropertyArea(QWidget* parent = nullptr);

    vd::PropertyGrid* Grid() const { return m_grid; }
    QAction* SortByCategoryAction() const { return m_byCategory; }
    QAction* SortAlphabeticallyAction() const { return m_alphabetical; }
    void Clear();

private:
    void UpdateChecks();

    QToolBar* m_toolBar;
    vd::PropertyGrid* m_grid;
    QAction* m_byCategory;
    QAction* m_alphabetical;
};
