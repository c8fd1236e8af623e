#pragma once
// The tree control of the project area: a double click opens the item instead of expanding or collapsing
// it, the Delete key asks to delete, and image files dropped on it are handed on to be loaded.

#include <QTreeWidget>

class CMyTreeCtrl : public QTreeWidget {
    Q_OBJECT
public:
    explicit CMyTreeCtrl(QWidget* parent = nullptr);

signals:
    void itemOpenRequested(QTreeWidgetItem* item);
    void deleteRequested(QTreeWidgetItem* item);
    void imageFilesDropped(const QStringList& paths);

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
};
