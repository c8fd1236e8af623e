#pragma once
// The Skin Image Editor's canvas: a design view whose page is a picture page in selection mode. Besides
// what the design view does, the left button drags the selection or one of its margin guides, the arrow
// keys move the selection by one picture pixel (Shift: ten; Alt: resize it), and Ctrl + wheel zooms
// around the pixel under the cursor. The page reports every change to the editor; the canvas only asks
// the editor to zoom.

#include <optional>

#include "designer/ChildView.h"

class CPictureProperty;

class CImageCanvas : public CChildView {
    Q_OBJECT
public:
    explicit CImageCanvas(QWidget* parent = nullptr);

    // The page when it is a picture page in selection mode.
    CPictureProperty* PicturePage() const;
    // Sets the page's zoom and keeps the picture pixel under `anchor` (a viewport point; the centre by
    // default) where it was.
    void ApplyZoom(int zoom, std::optional<QPoint> anchor = std::nullopt);

signals:
    // Ctrl + wheel: one zoom level up (+1) or down (-1), around a viewport point.
    void zoomStepRequested(int step, QPoint anchor);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool m_bDragging = false;
};
