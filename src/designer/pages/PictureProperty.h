#pragma once
// The picture page: name and size in the grid; the view shows the picture itself at the page's zoom on the
// checkerboard, centred when it fits. No grips: a picture's size is its file's.

#include "Resource/ResObjects/ResPicture.h"
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

protected:
    void BuildProperties(vd::PropertyGrid& grid) override;
};

// The picture preview for a view of `client` size scrolled to `scroll`; usable without any widget.
void DrawPicturePreview(QPainter& painter, const QRect& client, const Picture* picture, int zoom, QPoint scroll);
