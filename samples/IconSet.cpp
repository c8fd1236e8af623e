#include "IconSet.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QPolygonF>

#include "IconPainter.h"

namespace icons {
namespace {

using P = Palette;

QPointF Pt(double x, double y) { return {x, y}; }

// --- toolbar ------------------------------------------------------------------------------------------

void New(QPainter& p) {
    Page(p, 3, 1, 10, 14);
    PlusBadge(p, P::kBlue);
}

void Sparkle(QPainter& p, double cx, double cy, double r, const QColor& fill) {
    const double i = r * 0.36;
    p.setPen(QPen(P::kPaper, 1));
    p.setBrush(fill);
    p.drawPolygon(QPolygonF({Pt(cx, cy - r), Pt(cx + i, cy - i), Pt(cx + r, cy), Pt(cx + i, cy + i), Pt(cx, cy + r),
                             Pt(cx - i, cy + i), Pt(cx - r, cy), Pt(cx - i, cy - i)}));
}

void LoadSample(QPainter& p) {
    Page(p, 2, 1, 10, 14);
    Fill(p, 4, 5, 6, 2, P::kAmber);
    Fill(p, 4, 8, 4, 1, P::kInkSoft);
    Fill(p, 4, 10, 5, 1, P::kInkSoft);
    Sparkle(p, 12, 11.5, 4.5, P::kAmber);
}

void Open(QPainter& p) {
    p.setPen(QPen(P::kInk, 1));
    p.setBrush(P::kFolderDark);
    p.drawPolygon(QPolygonF({Pt(1.5, 3.5), Pt(6, 3.5), Pt(7.5, 5), Pt(12.5, 5), Pt(12.5, 7.5), Pt(1.5, 13.5)}));
    p.setBrush(P::kFolder);
    p.drawPolygon(QPolygonF({Pt(3.5, 7.5), Pt(15.5, 7.5), Pt(12.5, 13.5), Pt(1.5, 13.5)}));
}

void Save(QPainter& p) {
    Box(p, 1, 1, 14, 14, P::kBlue, P::kInk, 1.5);
    Box(p, 4, 1, 8, 5, P::kPaperShade);
    Fill(p, 9, 2, 2, 3, P::kInk);
    Box(p, 3, 8, 10, 7, P::kPaper);
    Fill(p, 5, 10, 6, 1, P::kBlueLight);
    Fill(p, 5, 12, 6, 1, P::kBlueLight);
}

void Copy(QPainter& p) {
    Box(p, 1, 1, 9, 11, P::kPaperShade);
    Box(p, 6, 4, 9, 11, P::kPaper);
    Fill(p, 8, 7, 5, 1, P::kBlue);
    Fill(p, 8, 9, 5, 1, P::kBlue);
    Fill(p, 8, 11, 3, 1, P::kBlue);
}

void Paste(QPainter& p) {
    Box(p, 1, 2, 11, 13, QColor(214, 170, 112), P::kInk, 1);
    Box(p, 4, 1, 5, 3, P::kPaperShade);
    Box(p, 6, 6, 9, 10, P::kPaper);
    Fill(p, 8, 9, 5, 1, P::kBlue);
    Fill(p, 8, 11, 5, 1, P::kBlue);
    Fill(p, 8, 13, 3, 1, P::kBlue);
}

void Cross(QPainter& p, double x0, double y0, double x1, double y1, const QColor& colour, double width) {
    QPen pen(colour, width);
    pen.setCapStyle(Qt::SquareCap);
    p.setPen(pen);
    p.drawLine(QPointF(x0, y0), QPointF(x1, y1));
    p.drawLine(QPointF(x1, y0), QPointF(x0, y1));
}

void Delete(QPainter& p) { Cross(p, 4, 4, 12, 12, P::kRed, 2.4); }

void LoadImage(QPainter& p) {
    Landscape(p, 1, 2, 13, 11);
    PlusBadge(p, P::kBlue);
}

void SelectionGrips(QPainter& p) {
    QPen dash(P::kInkSoft, 1);
    dash.setDashPattern({2, 2});
    p.setPen(dash);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(2.5, 2.5, 10, 10));
    for (double x : {1.0, 6.0, 11.0})
        for (double y : {1.0, 6.0, 11.0})
            if (x != 6.0 || y != 6.0) Box(p, x, y, 4, 4, P::kPaper, P::kBlue);
}

void Help(QPainter& p) {
    Ellipse(p, 1, 1, 14, 14, P::kBlue, QColor());
    Pixels(p, 5, 4, {" #### ", "##  ##", "    ##", "   ## ", "  ##  ", "  ##  ", "", "  ##  ", "  ##  "}, P::kPaper);
}

void CurvedArrow(QPainter& p, bool redo) {
    p.save();
    if (redo) {
        p.translate(16, 0);
        p.scale(-1, 1);
    }
    QPainterPath q;
    q.moveTo(12.5, 13);
    q.cubicTo(14.5, 7, 10, 4.5, 5, 6.5);
    QPen pen(P::kBlue, 2);
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawPath(q);
    Shape(p, {Pt(1.5, 7.5), Pt(7, 2.5), Pt(8, 10.5)}, P::kBlue);
    p.restore();
}

void Undo(QPainter& p) { CurvedArrow(p, false); }
void Redo(QPainter& p) { CurvedArrow(p, true); }

void TestSkin(QPainter& p) {
    Window(p, 1, 1, 12, 11, P::kAmber, 3);
    Ellipse(p, 8, 8, 8, 8, P::kGreen, P::kPaper);
    Shape(p, {Pt(10.8, 9.8), Pt(14, 12), Pt(10.8, 14.2)}, P::kPaper);
}

// --- tree nodes -----------------------------------------------------------------------------------------

// The application's own mark on the 16 grid: an amber tile holding a window with a sliced client.
void AppMark(QPainter& p) {
    QLinearGradient g(0, 1, 0, 15);
    g.setColorAt(0, QColor(255, 196, 88));
    g.setColorAt(1, QColor(226, 122, 18));
    p.setPen(QPen(QColor(168, 86, 8), 1));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0.5, 0.5, 15, 15), 3, 3);
    Box(p, 3, 3, 10, 10, P::kPaper, QColor(150, 74, 6));
    Fill(p, 4, 4, 8, 2, QColor(214, 110, 12));
    Fill(p, 6, 7, 1, 5, P::kAmberLight);
    Fill(p, 9, 7, 1, 5, P::kAmberLight);
    Fill(p, 4, 9, 8, 1, P::kAmberLight);
}

void NodeSkin(QPainter& p) { AppMark(p); }

void NodeObjects(QPainter& p) {
    Folder(p);
    Fill(p, 4, 9, 2, 2, P::kAmber);
    Fill(p, 7, 9, 2, 2, P::kGreen);
    Fill(p, 10, 9, 2, 2, P::kTeal);
}

void NodeImages(QPainter& p) {
    Folder(p);
    Landscape(p, 7, 7, 9, 8);
}

// --- object kinds: windows (amber) ---------------------------------------------------------------------

void KindApplication(QPainter& p) {
    QPainterPath palette;
    palette.addEllipse(QRectF(1.5, 2.5, 13, 11));
    QPainterPath hole;
    hole.addEllipse(QRectF(8.5, 8.5, 3, 3));
    p.setPen(QPen(P::kInk, 1));
    p.setBrush(P::kAmberLight);
    p.drawPath(palette.subtracted(hole));
    Fill(p, 4, 6, 2, 2, P::kRed);
    Fill(p, 7, 4, 2, 2, P::kBlue);
    Fill(p, 10, 5, 2, 2, P::kGreen);
    Fill(p, 4, 9, 2, 2, P::kAmber);
}

void KindFreeFrame(QPainter& p) {
    // A shaped window: a rounded body with a tail, its caption following the shape.
    QPainterPath shape;
    shape.addRoundedRect(QRectF(1.5, 1.5, 13, 10), 4, 4);
    QPainterPath tail;
    tail.moveTo(4, 11);
    tail.lineTo(3.5, 14.5);
    tail.lineTo(8.5, 11);
    tail.closeSubpath();
    shape = shape.united(tail).simplified();
    p.setPen(Qt::NoPen);
    p.setBrush(P::kPaper);
    p.drawPath(shape);
    p.save();
    p.setClipRect(QRectF(0, 0, 16, 5));
    p.setBrush(P::kAmber);
    p.drawPath(shape);
    p.restore();
    Fill(p, 2, 5, 12, 1, P::kInk);
    p.setPen(QPen(P::kInk, 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shape);
    Fill(p, 4, 7, 7, 1, P::kInkSoft);
}

void KindFrame(QPainter& p) {
    Window(p, 1, 2, 14, 12, P::kAmber, 3);
    Fill(p, 2, 6, 12, 2, P::kAmberLight);
    Fill(p, 3, 6, 2, 1, P::kInkSoft);
    Fill(p, 6, 6, 2, 1, P::kInkSoft);
    Fill(p, 2, 8, 12, 1, QColor(236, 200, 150));
}

void KindToolWindow(QPainter& p) {
    Window(p, 3, 1, 10, 14, P::kAmber, 2);
    Fill(p, 10, 2, 1, 1, P::kPaper);
    Fill(p, 5, 5, 6, 1, P::kInkSoft);
    Fill(p, 5, 7, 6, 1, P::kInkSoft);
    Fill(p, 5, 9, 4, 1, P::kInkSoft);
}

void KindMdiClient(QPainter& p) {
    Box(p, 1, 1, 14, 14, P::kPaperShade);
    Window(p, 3, 3, 8, 6, P::kAmberLight, 2);
    Window(p, 6, 8, 8, 6, P::kAmber, 2);
}

void KindDialog(QPainter& p) {
    Window(p, 1, 2, 14, 12, P::kAmber, 3);
    Fill(p, 3, 7, 6, 1, P::kInkSoft);
    Box(p, 4, 9, 5, 4, P::kGreenLight, P::kGreen);
    Box(p, 9, 9, 5, 4, P::kPaperShade, P::kInkSoft);
}

// --- buttons and choices (green) -------------------------------------------------------------------------

void KindButton(QPainter& p) {
    Box(p, 1, 4, 14, 9, P::kGreen, QColor(20, 110, 58), 2);
    Fill(p, 3, 5, 10, 1, QColor(110, 196, 142));
    Fill(p, 5, 8, 6, 1, P::kPaper);
}

void KindCaptionButton(QPainter& p) {
    Box(p, 0, 3, 16, 10, P::kAmber, P::kInk);
    Box(p, 7, 4, 8, 8, P::kGreen, QColor(20, 110, 58), 1.5);
    Cross(p, 9.5, 6.5, 12.5, 9.5, P::kPaper, 1.2);
    Fill(p, 2, 7, 3, 2, P::kPaper);
}

void KindCheckBox(QPainter& p) {
    Box(p, 2, 2, 12, 12, P::kPaper, P::kInk, 1.5);
    Pixels(p, 4, 5, {"      ##", "     ##", "##  ##", " ####", "  ##"}, P::kGreen);
}

void KindRadioBox(QPainter& p) {
    Ellipse(p, 2, 2, 12, 12, P::kPaper);
    Ellipse(p, 5, 5, 6, 6, P::kGreen, QColor());
}

// --- bars (teal) ----------------------------------------------------------------------------------------

void KindToolBar(QPainter& p) {
    Box(p, 1, 4, 14, 9, P::kTealLight);
    Fill(p, 3, 6, 1, 5, P::kInkSoft);
    Box(p, 5, 6, 4, 5, P::kPaper, P::kTeal);
    Box(p, 10, 6, 4, 5, P::kPaper, P::kTeal);
}

void KindStatusBar(QPainter& p) {
    Box(p, 1, 2, 14, 12, P::kPaper);
    Fill(p, 2, 9, 12, 1, P::kInk);
    Fill(p, 2, 10, 12, 3, P::kTealLight);
    Fill(p, 9, 10, 1, 3, P::kTeal);
    Fill(p, 3, 11, 4, 1, P::kTeal);
}

void KindProgressBar(QPainter& p) {
    Box(p, 1, 5, 14, 7, P::kPaper);
    for (double x : {2.0, 5.0, 8.0}) Fill(p, x, 6, 2, 5, P::kTeal);
}

void KindScrollBar(QPainter& p) {
    Box(p, 4, 1, 8, 14, P::kPaperShade);
    Fill(p, 5, 4, 6, 1, P::kInk);
    Fill(p, 5, 11, 6, 1, P::kInk);
    Pixels(p, 6, 2, {" ## ", "####"}, P::kInk);
    Pixels(p, 6, 12, {"####", " ## "}, P::kInk);
    Fill(p, 6, 5, 4, 4, P::kTeal);
}

void KindHeader(QPainter& p) {
    Box(p, 1, 2, 14, 12, P::kPaper);
    Fill(p, 2, 3, 12, 3, P::kTealLight);
    Fill(p, 2, 6, 12, 1, P::kInk);
    Fill(p, 7, 3, 1, 3, P::kTeal);
    Fill(p, 7, 7, 1, 6, P::kPaperShade);
    Fill(p, 2, 9, 12, 1, P::kPaperShade);
    Fill(p, 2, 11, 12, 1, P::kPaperShade);
}

void KindTrackbar(QPainter& p) {
    Box(p, 1, 6, 14, 3, P::kPaperShade);
    p.setPen(QPen(P::kInk, 1));
    p.setBrush(P::kTeal);
    p.drawPolygon(QPolygonF({Pt(5.5, 2.5), Pt(10.5, 2.5), Pt(10.5, 9.5), Pt(8, 12), Pt(5.5, 9.5)}));
    for (double x : {2.0, 5.0, 8.0, 11.0, 14.0}) Fill(p, x - 0.0, 13, 1, 2, P::kInkSoft);
}

void KindSpin(QPainter& p) {
    Box(p, 4, 2, 8, 13, P::kPaper);
    Fill(p, 5, 8, 6, 1, P::kInk);
    Pixels(p, 5, 4, {"  ##  ", " #### ", "######"}, P::kTeal);
    Pixels(p, 5, 10, {"######", " #### ", "  ##  "}, P::kTeal);
}

void KindControlBar(QPainter& p) {
    Box(p, 1, 2, 14, 12, P::kPaper);
    Fill(p, 2, 3, 5, 10, P::kTealLight);
    Fill(p, 7, 3, 1, 10, P::kInk);
    Fill(p, 3, 4, 3, 1, P::kTeal);
    Fill(p, 3, 6, 3, 1, P::kTeal);
    Fill(p, 9, 5, 4, 1, P::kPaperShade);
    Fill(p, 9, 7, 4, 1, P::kPaperShade);
}

void KindReBar(QPainter& p) {
    Box(p, 1, 2, 14, 12, P::kTealLight);
    Fill(p, 2, 7, 12, 1, P::kInk);
    Fill(p, 9, 3, 1, 4, P::kInk);
    Fill(p, 6, 8, 1, 5, P::kInk);
    for (double y : {3.0, 5.0}) Fill(p, 3, y + 0.0, 1, 1, P::kTeal);
    for (double y : {9.0, 11.0}) Fill(p, 3, y, 1, 1, P::kTeal);
    Fill(p, 11, 4, 2, 2, P::kTeal);
    Fill(p, 8, 9, 2, 2, P::kTeal);
    Fill(p, 11, 9, 2, 2, P::kTeal);
}

// --- text fields and lists (indigo) ---------------------------------------------------------------------

void Field(QPainter& p) { Box(p, 1, 4, 14, 9, P::kPaper); }

void KindComboBox(QPainter& p) {
    Field(p);
    Fill(p, 10, 5, 4, 7, P::kIndigoLight);
    Fill(p, 9, 5, 1, 7, P::kInk);
    Pixels(p, 10, 8, {"####", " ## "}, P::kIndigo);
    Fill(p, 3, 8, 5, 1, P::kInkSoft);
}

void KindIPAddress(QPainter& p) {
    Field(p);
    // "1.1.1": digits with their decimal points.
    for (double x : {3.0, 7.0, 11.0}) Fill(p, x, 6, 1, 5, P::kIndigo);
    for (double x : {5.0, 9.0}) Fill(p, x, 10, 1, 1, P::kInk);
    Pixels(p, 2, 6, {"", "#"}, P::kIndigo);
    Pixels(p, 6, 6, {"", "#"}, P::kIndigo);
    Pixels(p, 10, 6, {"", "#"}, P::kIndigo);
}

void KindHotKey(QPainter& p) {
    Box(p, 2, 2, 12, 13, P::kPaperShade, P::kInk, 2);
    Box(p, 3, 3, 10, 9, P::kPaper, P::kInkSoft, 1.5);
    Pixels(p, 6, 5, {"#  #", "# # ", "##  ", "# # ", "#  #"}, P::kIndigo);
}

void KindEdit(QPainter& p) {
    Field(p);
    Fill(p, 3, 8, 5, 1, P::kInkSoft);
    Fill(p, 10, 6, 1, 5, P::kIndigo);
    Fill(p, 9, 6, 3, 1, P::kIndigo);
    Fill(p, 9, 10, 3, 1, P::kIndigo);
}

void KindDatetime(QPainter& p) {
    Box(p, 1, 2, 14, 13, P::kPaper);
    Fill(p, 2, 3, 12, 3, P::kIndigo);
    Fill(p, 4, 1, 1, 3, P::kInk);
    Fill(p, 11, 1, 1, 3, P::kInk);
    for (double x : {3.0, 7.0, 11.0})
        for (double y : {8.0, 11.0}) Fill(p, x, y, 2, 2, x == 7.0 && y == 11.0 ? P::kIndigo : P::kIndigoLight);
}

void KindListBox(QPainter& p) {
    Box(p, 1, 1, 14, 14, P::kPaper);
    Fill(p, 2, 4, 9, 3, P::kIndigo);
    Fill(p, 3, 5, 5, 1, P::kPaper);
    Fill(p, 3, 9, 6, 1, P::kInkSoft);
    Fill(p, 3, 12, 5, 1, P::kInkSoft);
    Fill(p, 11, 2, 1, 12, P::kInk);
    Fill(p, 12, 2, 2, 12, P::kPaperShade);
    Fill(p, 12, 3, 2, 4, P::kInkSoft);
}

// --- containers and labels (purple) ---------------------------------------------------------------------

void KindGroupBox(QPainter& p) {
    Lines(p, {Pt(4.5, 3.5), Pt(1.5, 3.5), Pt(1.5, 14.5), Pt(14.5, 14.5), Pt(14.5, 3.5), Pt(11.5, 3.5)}, P::kPurple);
    Fill(p, 6, 3, 4, 1, P::kInk);
    Fill(p, 4, 7, 6, 1, P::kPurpleLight);
    Fill(p, 4, 10, 8, 1, P::kPurpleLight);
}

void KindStatic(QPainter& p) {
    Pixels(p, 3, 3,
           {"    ##", "   ####", "   ####", "  ##  ##", "  ##  ##", " ##    ##", " ########", " ########",
            "##      ##", "##      ##"},
           P::kPurple);
}

void KindTabCtrl(QPainter& p) {
    Box(p, 7, 3, 6, 4, P::kPaperShade);
    Box(p, 1, 5, 14, 10, P::kPaper);
    Box(p, 1, 2, 7, 4, P::kPaper);
    Fill(p, 2, 3, 5, 1, P::kPurple);
    Fill(p, 2, 5, 5, 1, P::kPaper);
    Fill(p, 3, 8, 9, 1, P::kPurpleLight);
    Fill(p, 3, 11, 6, 1, P::kPurpleLight);
}

// --- pictures and fonts (rose) --------------------------------------------------------------------------

void KindPicture(QPainter& p) { Landscape(p, 1, 2, 14, 12); }

void KindFontFile(QPainter& p) {
    Page(p, 2, 1, 12, 14);
    Pixels(p, 4, 6, {"   ##", "   ##", "  #  #", "  #  #", " ######", " #    #", "#      #", "#      #"}, P::kRose);
}

// --- frame page draw modes (20 x 14) ------------------------------------------------------------------

void DrawModeHorzFit(QPainter& p) {
    Box(p, 1, 1, 18, 12, P::kPaper);
    Fill(p, 2, 2, 16, 3, P::kAmber);
    Fill(p, 2, 10, 16, 2, P::kAmber);
    Fill(p, 2, 5, 2, 5, P::kAmberLight);
    Fill(p, 16, 5, 2, 5, P::kAmberLight);
}

void DrawModeVertFit(QPainter& p) {
    Box(p, 1, 1, 18, 12, P::kPaper);
    Fill(p, 2, 2, 2, 10, P::kAmber);
    Fill(p, 16, 2, 2, 10, P::kAmber);
    Fill(p, 4, 2, 12, 3, P::kAmberLight);
    Fill(p, 4, 10, 12, 2, P::kAmberLight);
}

// --- text styles in the property grid ------------------------------------------------------------------

// An "A" on a paper tile; the custom style's is tinted, shadowed and marked with a corner.
const std::initializer_list<const char*> kLetterA = {"   ##", "  ####", "  #  #", " ##  ##", " ######", "##    ##",
                                                     "##    ##"};

void TextStyleDefault(QPainter& p) {
    Box(p, 1, 1, 14, 14, P::kPaper, P::kInkSoft, 1.5);
    Pixels(p, 4, 5, kLetterA, P::kInk);
}

void TextStyleCustom(QPainter& p) {
    Box(p, 1, 1, 14, 14, P::kPaper, P::kInkSoft, 1.5);
    Pixels(p, 4, 5, kLetterA, P::kPaperShade.darker(125));
    Pixels(p, 3, 4, kLetterA, P::kPurple);
    Shape(p, {Pt(10, 1), Pt(15, 1), Pt(15, 6)}, P::kAmber);
}

// The Skin Image Editor's "<>" buttons: an edge stretched between two stops (pressed: stretch, else tile).
void StretchToggle(QPainter& p) {
    Fill(p, 1, 3, 1.5, 10, P::kInk);
    Fill(p, 13.5, 3, 1.5, 10, P::kInk);
    Fill(p, 5, 7.25, 6, 1.5, P::kBlue);
    Shape(p, {Pt(2.5, 8), Pt(6, 4.5), Pt(6, 11.5)}, P::kBlue);
    Shape(p, {Pt(13.5, 8), Pt(10, 4.5), Pt(10, 11.5)}, P::kBlue);
}

// --- the application icon ----------------------------------------------------------------------------

// Large sizes are drawn on a 256 grid: a glossy amber tile, a window whose client shows the nine-slice
// guides a skin author works with.
void AppIconLarge(QPainter& p, int size) {
    p.scale(size / 256.0, size / 256.0);
    QLinearGradient tile(0, 16, 0, 240);
    tile.setColorAt(0, QColor(255, 200, 96));
    tile.setColorAt(1, QColor(222, 116, 14));
    p.setPen(QPen(QColor(170, 84, 6), 4));
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(14, 14, 228, 228), 50, 50);
    // A soft shadow under the window.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 56, 0, 70));
    p.drawRoundedRect(QRectF(54, 70, 156, 140), 16, 16);
    // The window.
    p.setBrush(QColor(255, 252, 246));
    p.setPen(QPen(QColor(150, 72, 4), 6));
    p.drawRoundedRect(QRectF(46, 58, 156, 140), 16, 16);
    QPainterPath caption;
    caption.addRoundedRect(QRectF(46, 58, 156, 44), 16, 16);
    caption.addRect(QRectF(46, 80, 156, 22));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(204, 98, 8));
    p.drawPath(caption.simplified());
    p.setPen(QPen(QColor(150, 72, 4), 6));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(46, 58, 156, 140), 16, 16);
    p.drawLine(QPointF(46, 102), QPointF(202, 102));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 232, 186));
    for (double x : {150.0, 172.0}) p.drawEllipse(QPointF(x, 80), 8, 8);
    if (size >= 96) {
        QPen guide(QColor(232, 150, 50), 5);
        guide.setDashPattern({2.2, 1.6});
        p.setPen(guide);
        for (double x : {86.0, 162.0}) p.drawLine(QPointF(x, 110), QPointF(x, 190));
        for (double y : {128.0, 172.0}) p.drawLine(QPointF(54, y), QPointF(194, y));
    } else {
        p.setPen(QPen(QColor(240, 176, 90), 8));
        for (double x : {92.0, 156.0}) p.drawLine(QPointF(x, 110), QPointF(x, 190));
        p.drawLine(QPointF(54, 150), QPointF(194, 150));
    }
}

}  // namespace

QImage Render(const Icon& icon, int scale) {
    QImage image(icon.gridWidth * scale, icon.gridHeight * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    icon.draw(p);
    return image;
}

QImage RenderApp(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (size <= 32) {
        p.scale(size / 16.0, size / 16.0);
        AppMark(p);
    } else {
        AppIconLarge(p, size);
    }
    return image;
}

std::vector<Icon> AllIcons() {
    return {
        // toolbar, in toolbar order, then the commands the designer offers besides
        {"new", New}, {"load-sample", LoadSample}, {"open", Open}, {"save", Save}, {"copy", Copy},
        {"paste", Paste}, {"delete", Delete}, {"load-image", LoadImage}, {"selection-grips", SelectionGrips},
        {"help", Help}, {"undo", Undo}, {"redo", Redo}, {"test-skin", TestSkin},
        // the tree's fixed nodes
        {"node-skin", NodeSkin}, {"node-objects", NodeObjects}, {"node-images", NodeImages},
        // object kinds, by their base IDs
        {"kind-picture", KindPicture, 1000}, {"kind-application", KindApplication, 17000},
        {"kind-free-frame", KindFreeFrame, 26000}, {"kind-button", KindButton, 2000},
        {"kind-frame", KindFrame, 3000}, {"kind-tool-window", KindToolWindow, 18000},
        {"kind-caption-button", KindCaptionButton, 3500}, {"kind-toolbar", KindToolBar, 4000},
        {"kind-status-bar", KindStatusBar, 5000}, {"kind-progress-bar", KindProgressBar, 6000},
        {"kind-scroll-bar", KindScrollBar, 7000}, {"kind-header", KindHeader, 8000},
        {"kind-combo-box", KindComboBox, 9000}, {"kind-ip-address", KindIPAddress, 10000},
        {"kind-hot-key", KindHotKey, 11000}, {"kind-edit", KindEdit, 29000},
        {"kind-check-box", KindCheckBox, 12000}, {"kind-radio-box", KindRadioBox, 13000},
        {"kind-trackbar", KindTrackbar, 14000}, {"kind-spin", KindSpin, 15000},
        {"kind-tab-control", KindTabCtrl, 16000}, {"kind-mdi-client", KindMdiClient, 19000},
        {"kind-control-bar", KindControlBar, 20000}, {"kind-rebar", KindReBar, 21000},
        {"kind-group-box", KindGroupBox, 22000}, {"kind-static", KindStatic, 23000},
        {"kind-dialog", KindDialog, 24000}, {"kind-date-time", KindDatetime, 25000},
        {"kind-list-box", KindListBox, 27000}, {"kind-font-file", KindFontFile, 28000},
        // the frame page's draw-mode pictures
        {"drawmode-horzfit", DrawModeHorzFit, -1, 20, 14}, {"drawmode-vertfit", DrawModeVertFit, -1, 20, 14},
        // the Skin Image Editor's edge-mode buttons
        {"stretch-toggle", StretchToggle},
        // the text-style row: the default style, a changed one
        {"text-style-default", TextStyleDefault}, {"text-style-custom", TextStyleCustom},
    };
}

}  // namespace icons
