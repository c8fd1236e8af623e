#pragma once
// The Skin Image Editor's live preview: the chosen part of the picture drawn by the skin's own nine-part
// drawing at a size the author picks, by dragging the grip at its lower right corner or by typing, with
// faint lines where the corners end. Shows what a window edge or button built from the reference will
// look like while the rectangle, corners and modes change.

#include <QSize>
#include <QWidget>

#include "Resource/SkinRecords.h"

class CSlicePreview : public QWidget {
    Q_OBJECT
public:
    explicit CSlicePreview(QWidget* parent = nullptr);

    // The reference to draw, its picture resolved (a null picture draws only the frame).
    void SetImage(const SkinImageBase& image);
    const SkinImageBase& Image() const { return m_image; }
    QSize TargetSize() const { return m_target; }
    // Cut to 1 .. 4000 on each axis.
    void SetTargetSize(QSize size);
    // Where the drawn image sits in the widget (centred; the grip is at its lower right corner).
    QRect TargetRect() const;
    // The preview as the widget shows it, for tests and screenshots.
    QImage Render() const;

    QSize sizeHint() const override { return {240, 200}; }
    QSize minimumSizeHint() const override { return {120, 100}; }

signals:
    // The size changed (the grip was dragged, or SetTargetSize).
    void targetSizeChanged(QSize size);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QRect GripRect() const;
    void Draw(QPainter& painter) const;

    SkinImageBase m_image;
    QSize m_target{96, 64};
    bool m_bDragging = false;
    QPoint m_dragStart;
    QSize m_dragStartSize;
};
