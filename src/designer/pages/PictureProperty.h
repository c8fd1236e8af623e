#pragma once
// The picture page: name and size in the grid; the view shows the picture itself at the page's zoom on the
// checkerboard, centred when it fits. No grips: a picture's size is its file's.
//
// In selection mode (used by the Skin Image Editor on its own canvas) the page also shows the part of the
// picture an image reference uses: a red rectangle with red guides at its slice margins. Dragging moves
// the rectangle (or a margin guide) by whole picture pixels. Every change the page makes itself is reported
// to the one registered listener; the editor registers while it is open and unregisters when it closes.

#include <algorithm>
#include <functional>

#include "Resource/ResObjects/ResPicture.h"
#include "Resource/SkinRecords.h"
#include "designer/pages/ResObjProperty.h"

class CSkinDocument;

class CPictureProperty : public CResObjProperty {
public:
    CPictureProperty() : CResObjProperty(1000) {}

    QSize PreviewSize() const override;
    QSize ScrollSize() const override;
    bool IsResizable() const override { return false; }
    void DrawView(QPainter& painter, const QRect& client, QPoint scroll, bool showGrips) override;
    void StorePreviewSize(QSize) override {}

    // ---- selection mode ----
    // What the user can grab on the canvas in selection mode.
    enum SelectionPart { kPartNone, kPartMove, kPartMarginLeft, kPartMarginTop, kPartMarginRight, kPartMarginBottom };
    // Rectangle and margins of the image reference being edited; the names and modes are not used here.
    using SelectionListener = std::function<void(const Rect& selection, const Rect& margins)>;

    // Shows picture `id` for selecting (any ID: one that names no picture gives a 20 x 20 empty preview).
    void EnterSelectionMode(int id);
    void LeaveSelectionMode();
    bool InSelectionMode() const { return m_bSelectionMode; }
    void SetSelectionListener(SelectionListener listener) { m_listener = std::move(listener); }
    void ClearSelectionListener() { m_listener = nullptr; }
    bool HasSelectionListener() const { return static_cast<bool>(m_listener); }

    const Rect& Selection() const { return m_rcSelection; }
    void SetSelection(const Rect& rc) { m_rcSelection = rc; }
    // left, top, right, bottom slice sizes
    const Rect& Margins() const { return m_margins; }
    void SetMargins(const Rect& margins) { m_margins = margins; }
    // The shown picture's size; empty without one.
    QSize PictureSize() const;
    // Whole magnification of the canvas, never below 1.
    int ZoomFactor() const { return std::max(1, m_nZoom / 100); }
    // Top-left of the picture in content coordinates of a view of `client` size (centred where it fits).
    QPoint PictureOrigin(QSize client) const;
    // The picture pixel under a content point (may lie outside the picture).
    QPoint PictureAt(QPoint content, QSize client) const;

    SelectionPart SelectionHitTest(QPoint content, QSize client) const;
    static Qt::CursorShape CursorForPart(SelectionPart part);
    // Starts a drag of `part` at a content point; kPartNone drags nothing.
    void BeginSelectionDrag(SelectionPart part, QPoint content);
    SelectionPart DraggedPart() const { return m_dragPart; }
    // Moves the dragged part by whole picture pixels (movement / zoom; the remainder carries over), keeping it
    // inside the picture. True when something moved (the listener has been told).
    bool DragSelectionTo(QPoint content);
    void EndSelectionDrag() { m_dragPart = kPartNone; }
    // Moves the rectangle by (dx, dy) picture pixels, or with `resize` moves its right and bottom edges;
    // kept inside the picture. True when something changed (the listener has been told).
    bool NudgeSelection(int dx, int dy, bool resize);

    int OnLButtonDown(QPoint pt) override;
    int OnLButtonUp(QPoint pt) override;
    bool OnMouseMove(QPoint pt, bool dragging, QSize client) override;

protected:
    void BuildProperties(vd::PropertyGrid& grid) override;

private:
    void NotifySelection() const;
    void DrawSelection(QPainter& painter, const QRect& client, QPoint scroll) const;

    bool m_bSelectionMode = false;
    Rect m_rcSelection{0, 0, 20, 20};
    Rect m_margins{0, 0, 0, 0};
    SelectionListener m_listener;
    SelectionPart m_dragPart = kPartNone;
};

// The picture preview for a view of `client` size scrolled to `scroll`; usable without any widget.
void DrawPicturePreview(QPainter& painter, const QRect& client, const Picture* picture, int zoom, QPoint scroll);
