#pragma once
// Paints the cells of the property grid (captions, values through their items, the current row, the column
// line) and hands the view the editor the grid builds for a row. Values never pass through the item model:
// the grid commits them itself.

#include <QStyledItemDelegate>

namespace vd {

class ActiveEditor;
class PropertyGrid;
class PropertyTreeView;

class PropertyDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    PropertyDelegate(PropertyGrid* grid, PropertyTreeView* view, ActiveEditor* editor);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    void destroyEditor(QWidget* editor, const QModelIndex& index) const override;

protected:
    // Keys and focus are the ResetWrapper's business; the stock delegate handling would close editors.
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    PropertyGrid* m_grid;
    PropertyTreeView* m_view;
    ActiveEditor* m_editor;
};

}  // namespace vd
