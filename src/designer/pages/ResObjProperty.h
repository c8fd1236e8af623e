#pragma once
// Base of the thirty property pages: one page per object kind fills the property grid for the selected object
// and draws its preview in the design view with grips the user drags to resize it. Pages never write the
// document themselves: their grid rows push undo commands on the session, and a grip drag changes only the
// preview rectangle.

#include <QCursor>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include "Resource/Types.h"

class DialogProvider;
class QPainter;
class SkinSession;
struct SkinResStruct;
namespace vd {
class PropertyGrid;
}

// Grip hit codes: the non-client hit-test numbers the design view has always used.
enum GripHit {
    kHitNone = 0,
    kHitCentre = 1,
    kHitLeft = 10,
    kHitRight = 11,
    kHitTop = 12,
    kHitTopLeft = 13,
    kHitTopRight = 14,
    kHitBottom = 15,
    kHitBottomLeft = 16,
    kHitBottomRight = 17,
    kHitNotAllowed = -2,
};

class CResObjProperty {
public:
    CResObjProperty(int typeBase, int idRange = 1000);
    virtual ~CResObjProperty();
    CResObjProperty(const CResObjProperty&) = delete;
    CResObjProperty& operator=(const CResObjProperty&) = delete;

    int TypeBase() const { return m_nTypeBase; }
    int IdRange() const { return m_nIdRange; }
    bool OwnsId(int id) const { return id >= m_nTypeBase && id < m_nTypeBase + m_nIdRange; }
    // The object the page previews: the one open in the design view while the page is shown there,
    // otherwise the one its grid shows.
    int CurrentId() const { return m_nCurrentId; }
    // The object open in the design view through this page; 0 while the view shows another page or none.
    int ShownId() const { return m_nShownId; }
    // For the design view: it shows object id through this page (0: it no longer shows this page). A grid
    // selection of another object of the same kind then leaves the preview on the shown one.
    void ShowInView(int id);
    int IconIndex() const { return m_nIconIndex; }
    void SetIconIndex(int index) { m_nIconIndex = index; }

    // Where the page's rows write to, what they show and what asks the user (the image and text-style
    // dialogs the rows open); set once by the main frame. `dialogs` may be null: such rows then do nothing.
    void Attach(SkinSession* session, vd::PropertyGrid* grid, DialogProvider* dialogs = nullptr);
    SkinSession* Session() const { return m_pSession; }
    DialogProvider* Dialogs() const { return m_pDialogs; }

    // Shows object id in the grid, rebuilt from scratch every time so no destroyed row is ever reused.
    // False when the document has no such object (the grid keeps its content then).
    bool SelectObject(int id);
    SkinResStruct* Object() const;

    // The object whose tree item should hold this one (the owning frame of a caption button), or 0.
    virtual int OwnerId(const SkinResStruct&) const { return 0; }

    // ---- design view ----
    virtual void DrawPreview(QPainter& painter, const QRect& rc);
    // A return value other than -1 is an object ID the view selects in the project tree.
    virtual int OnLButtonDown(QPoint pt);
    virtual int OnLButtonUp(QPoint pt);
    // Resizes the preview by the grip hit at the last cursor update while dragging. True when the preview
    // rectangle changed (the view then resizes its scroll range and repaints).
    virtual bool OnMouseMove(QPoint pt, bool dragging, QSize client);
    // Hit-tests and remembers the code; returns the cursor to show.
    Qt::CursorShape OnSetCursor(QPoint pt);
    static Qt::CursorShape CursorForHit(int hit);
    int HitTest(int x, int y) const;
    // Places the preview rectangle: centred when it fits, half a grip from the corner when it does not.
    void CenterRect(QSize client, QPoint scroll, int width, int height);
    // The whole view for this page: button face, checkerboard, preview and (with showGrips) red grips.
    virtual void DrawView(QPainter& painter, const QRect& client, QPoint scroll, bool showGrips);
    static void DrawCheckerboard(QPainter& painter, int left, int top, int right, int bottom);
    void DrawGrips(QPainter& painter, const QRect& rc, const QColor& color) const;

    bool HasPreviewRect() const { return m_hasPreviewRect; }
    const Rect& PreviewRect() const { return m_rcPreview; }
    void SetPreviewRect(const Rect& rc) { m_rcPreview = rc; m_hasPreviewRect = true; }
    void ClearPreviewRect() { m_hasPreviewRect = false; }
    int Zoom() const { return m_nZoom; }
    virtual void SetZoom(int zoom) { m_nZoom = zoom; }
    int HitCode() const { return m_nHitCode; }
    void SetHitCode(int code) { m_nHitCode = code; }
    void SetMousePoint(QPoint pt) { m_ptMouse = pt; }
    int GripSize() const { return m_nGripSize; }

    // The size the view opens this object with (its stored preview size for most kinds).
    virtual QSize PreviewSize() const { return {m_nPreviewWidth, m_nPreviewHeight}; }
    // The scroll range of the view while this page is open.
    virtual QSize ScrollSize() const;
    // Keeps a preview size dragged by the user in the page. A drag never writes the record: the stored
    // preview size changes through the grid only.
    virtual void StorePreviewSize(QSize size);
    // Whether grips are drawn and dragging resizes (the picture page shows the picture as it is).
    virtual bool IsResizable() const { return true; }

protected:
    virtual void BuildProperties(vd::PropertyGrid& grid) = 0;

    SkinSession* m_pSession = nullptr;
    vd::PropertyGrid* m_pGrid = nullptr;
    DialogProvider* m_pDialogs = nullptr;
    int m_nPreviewWidth = 0;
    int m_nPreviewHeight = 0;
    int m_nTypeBase;
    int m_nIdRange;
    int m_nCurrentId = 0;
    int m_nSelectedId = 0;  // the object the grid was last built for
    QSize m_selectedSize;   // the preview size the page gave that object
    int m_nShownId = 0;
    Rect m_rcPreview{0, 0, 20, 20};
    bool m_hasPreviewRect = false;
    int m_nGripSize = 4;
    int m_nIconIndex = -1;
    int m_nZoom = 100;
    int m_nOffsetX = 0;
    int m_nOffsetY = 0;
    QPoint m_ptMouse;
    int m_nHitCode = kHitNone;
};
