#pragma once
// The design view in the main window's centre: shows the open object's preview through its page, painted
// into an off-screen image and copied in one go, with scroll bars for previews larger than the view. While
// the left button is down the view keeps the mouse and the page resizes the preview by its grips; the size
// belongs to the view and the page only, so a drag never writes a record or marks the skin modified.

#include <QAbstractScrollArea>

class CResObjProperty;

class CChildView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit CChildView(QWidget* parent = nullptr);

    CResObjProperty* Page() const { return m_pPage; }
    // Opens a page on object id (0: the page's current object; a null page closes): the preview is centred
    // for the page's preview size and the scroll range follows it; without a page the range is 500 x 500.
    void SetPage(CResObjProperty* page, int id = 0);
    // The preview size the open object was opened with (or kept after a drag): a different PreviewSize()
    // later means the stored size changed and the object should be opened again.
    QSize OpenedSize() const { return m_openedSize; }
    QSize ScrollSize() const { return m_scrollSize; }
    void SetScrollSize(QSize size);
    QPoint ScrollPosition() const;
    bool ShowGrips() const { return m_bShowGrips; }
    void SetShowGrips(bool show);
    bool IsDragging() const { return m_bDragging; }
    // Renders what the view shows into an image of the viewport's size.
    QImage Render() const;

signals:
    // A page asked for an object to be selected in the tree.
    void selectObjectRequested(int id);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void UpdateScrollBars();
    QPoint ContentPoint(QPoint viewportPoint) const;

    CResObjProperty* m_pPage = nullptr;
    bool m_bDragging = false;
    bool m_bShowGrips = true;
    QPoint m_ptButtonDown;
    QSize m_scrollSize{500, 500};
    QSize m_openedSize;
};
