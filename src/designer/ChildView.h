#pragma once
// The design view in the main window's centre: shows the open object's preview through its page, painted
// into an off-screen image and copied in one go, with scroll bars for previews larger than the view. While
// the left button is down the view keeps the mouse and the page resizes the preview by its grips; the new
// size is stored on the session's undo stack, one merged step per drag.

#include <QAbstractScrollArea>

class CResObjProperty;

class CChildView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit CChildView(QWidget* parent = nullptr);

    CResObjProperty* Page() const { return m_pPage; }
    // Opens a page (null closes): the preview is centred for the page's preview size and the scroll range
    // follows it; without a page the range is 500 x 500.
    void SetPage(CResObjProperty* page);
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
};
