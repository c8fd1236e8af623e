#pragma once
// Drawing helpers for the designer's icons. Every icon is designed on a 16 x 16 grid and drawn with the
// painter scaled to the output size, so a one-unit outline lies exactly on pixel boundaries at 16, 32 and 48
// pixels (it is centred half a unit inside the shape's edge). Shapes are given by their outer edges in whole
// units.

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>

#include <initializer_list>

namespace icons {

// One flat palette: a dark outline, white paper and one accent (with a light tint) per family.
struct Palette {
    static const QColor kInk;
    static const QColor kInkSoft;
    static const QColor kPaper;
    static const QColor kPaperShade;
    static const QColor kAmber, kAmberLight;    // windows
    static const QColor kBlue, kBlueLight;      // documents and file commands
    static const QColor kGreen, kGreenLight;    // buttons and choices
    static const QColor kTeal, kTealLight;      // bars
    static const QColor kIndigo, kIndigoLight;  // text fields and lists
    static const QColor kPurple, kPurpleLight;  // containers and labels
    static const QColor kRose, kRoseLight;      // pictures and fonts
    static const QColor kRed;
    static const QColor kFolder, kFolderDark;
};

// A rectangle whose outer edges are x .. x + w and y .. y + h, filled and outlined one unit wide.
void Box(QPainter& p, double x, double y, double w, double h, const QColor& fill, const QColor& stroke = Palette::kInk,
         double radius = 0);
// Cells x .. x + w, y .. y + h filled, no outline.
void Fill(QPainter& p, double x, double y, double w, double h, const QColor& colour);
// A stroked polyline through unit coordinates (use .5 positions for crisp one-unit lines).
void Lines(QPainter& p, std::initializer_list<QPointF> points, const QColor& colour, double width = 1,
           bool closed = false);
// A filled polygon without outline.
void Shape(QPainter& p, std::initializer_list<QPointF> points, const QColor& colour);
// Unit cells given as rows of text ('#' set), the first row's first cell at (x, y): small glyphs stay crisp
// at every size this way.
void Pixels(QPainter& p, double x, double y, std::initializer_list<const char*> rows, const QColor& colour);
// A filled and outlined ellipse inside the outer edges x .. x + w, y .. y + h.
void Ellipse(QPainter& p, double x, double y, double w, double h, const QColor& fill,
             const QColor& stroke = Palette::kInk);

// Shared motifs.
// A window: outline, a caption band of `captionHeight` units in the accent, white client.
void Window(QPainter& p, double x, double y, double w, double h, const QColor& accent, double captionHeight = 3);
// A page with a folded top-right corner.
void Page(QPainter& p, double x, double y, double w, double h, const QColor& fill = Palette::kPaper);
// A folder (back tab, front flap).
void Folder(QPainter& p, const QColor& body = Palette::kFolder, const QColor& dark = Palette::kFolderDark);
// A small round badge with a plus, bottom right.
void PlusBadge(QPainter& p, const QColor& accent);
// A framed landscape: sky, sun, hill.
void Landscape(QPainter& p, double x, double y, double w, double h);

}  // namespace icons
