#pragma once
// The pieces of a skinned main window that the frame, MDI-client and dialog previews share: the layout the
// frame's pictures give, the borders with the caption, the menu bar with its sample menus, and the
// minimised MDI child window. Each draws in the window's own coordinates, its top-left corner at (0, 0).

#include <QPainter>
#include <QRect>
#include <QSize>
#include <QString>

class CSkinDocument;
struct SkinFrame;
struct SystemEnvironment;

namespace vd::preview {

// Where the MDI-client and dialog previews put their sample window: the preview inset on every side, so
// the common ground shows around it.
inline constexpr int kSampleWindowMargin = 10;
inline QRect SampleWindowRect(QSize preview) {
    return QRect(QPoint(0, 0), preview).adjusted(kSampleWindowMargin, kSampleWindowMargin, -kSampleWindowMargin,
                                                 -kSampleWindowMargin);
}

// The window's borders, the caption and the areas inside them for one window size. Without a menu bar the
// client area begins right below the caption.
struct FrameLayout {
    QRect left, right, caption, bottom, menuBar, client;
    FrameLayout(const SkinFrame& f, int w, int h, bool withMenuBar = true);
};

// The frame's border and caption pictures around a window of the given size, the caption text and, when
// asked, the application icon. Until every border has a picture a plain raised window stands in for the
// missing ones; until the caption has one, a blue band.
void DrawFrameWindow(QPainter& painter, const SystemEnvironment& env, const SkinFrame& f, const FrameLayout& layout,
                     QSize size, const QString& caption, bool icon);

// The menu bar's background, optionally the MDI buttons of a maximised child at its right end, and the
// sample menus "File", "Edit", "View", "Window"; returns the rectangle an open popup menu hangs from.
QRect DrawFrameMenuBar(QPainter& painter, const SkinFrame& f, const QRect& menuBar, bool mdiButtons);

// A minimised MDI child window: this wide, and as high as the minimised caption picture but at least
// kMinimisedChildMinHeight.
inline constexpr int kMinimisedChildWidth = 160;
inline constexpr int kMinimisedChildMinHeight = 27;
int MinimisedChildHeight(const SkinFrame& f);

// The minimised caption filling child: the (active) minimised caption picture, the child-window icon and the
// title in the minimised caption font and style; FrameAsShown gives the inactive look. No caption buttons.
void DrawMinimisedCaption(QPainter& painter, const SkinFrame& f, const QRect& child, const QString& title);

// The minimised MDI child "Corvalet1" in the bottom-left corner of client, with its caption buttons.
void DrawMinimisedChild(QPainter& painter, const CSkinDocument& doc, const SkinFrame& f, const QRect& client);

// The frame as an active or inactive window shows it, drawn through its active members: while inactive the
// inactive pictures that are set replace the active ones (one never set would lose the window a border)
// and the inactive caption styles replace the active ones.
SkinFrame FrameAsShown(const SkinFrame& f, bool active);

// The caption buttons a main window shows (those of the minimised caption excluded).
bool IsMainCaptionButton(int type);

// The skin's first frame object, the one sample windows of other kinds are drawn with; null without one.
const SkinFrame* FirstFrame(const CSkinDocument& doc);

}  // namespace vd::preview
