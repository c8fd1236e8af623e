#include "IconPainter.h"

#include <QPen>
#include <QPolygonF>

namespace icons {

const QColor Palette::kInk(58, 64, 74);
const QColor Palette::kInkSoft(120, 128, 140);
const QColor Palette::kPaper(255, 255, 255);
const QColor Palette::kPaperShade(232, 236, 242);
const QColor Palette::kAmber(230, 138, 30);
const QColor Palette::kAmberLight(255, 214, 140);
const QColor Palette::kBlue(40, 108, 200);
const QColor Palette::kBlueLight(196, 220, 248);
const QColor Palette::kGreen(36, 150, 84);
const QColor Palette::kGreenLight(194, 234, 208);
const QColor Palette::kTeal(16, 146, 156);
const QColor Palette::kTealLight(186, 230, 234);
const QColor Palette::kIndigo(88, 92, 204);
const QColor Palette::kIndigoLight(210, 212, 248);
const QColor Palette::kPurple(148, 74, 196);
const QColor Palette::kPurpleLight(230, 208, 244);
const QColor Palette::kRose(206, 62, 118);
const QColor Palette::kRoseLight(248, 204, 222);
const QColor Palette::kRed(212, 48, 44);
const QColor Palette::kFolder(244, 190, 64);
const QColor Palette::kFolderDark(204, 146, 28);

namespace {
QPen UnitPen(const QColor& colour, double width) {
    QPen pen(colour, width);
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}
}  // namespace

void Box(QPainter& p, double x, double y, double w, double h, const QColor& fill, const QColor& stroke, double radius) {
    const QRectF r(x + 0.5, y + 0.5, w - 1, h - 1);
    p.setPen(stroke.isValid() ? UnitPen(stroke, 1) : QPen(Qt::NoPen));
    p.setBrush(fill.isValid() ? QBrush(fill) : QBrush(Qt::NoBrush));
    if (radius > 0) p.drawRoundedRect(r, radius, radius);
    else p.drawRect(r);
}

void Fill(QPainter& p, double x, double y, double w, double h, const QColor& colour) {
    p.fillRect(QRectF(x, y, w, h), colour);
}

void Lines(QPainter& p, std::initializer_list<QPointF> points, const QColor& colour, double width, bool closed) {
    p.setPen(UnitPen(colour, width));
    p.setBrush(Qt::NoBrush);
    QPolygonF polygon(points);
    if (closed) p.drawPolygon(polygon);
    else p.drawPolyline(polygon);
}

void Shape(QPainter& p, std::initializer_list<QPointF> points, const QColor& colour) {
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(QPolygonF(points));
}

void Pixels(QPainter& p, double x, double y, std::initializer_list<const char*> rows, const QColor& colour) {
    double row = y;
    for (const char* cells : rows) {
        for (int i = 0; cells[i]; ++i)
            if (cells[i] == '#') p.fillRect(QRectF(x + i, row, 1, 1), colour);
        row += 1;
    }
}

void Ellipse(QPainter& p, double x, double y, double w, double h, const QColor& fill, const QColor& stroke) {
    p.setPen(stroke.isValid() ? UnitPen(stroke, 1) : QPen(Qt::NoPen));
    p.setBrush(fill.isValid() ? QBrush(fill) : QBrush(Qt::NoBrush));
    p.drawEllipse(QRectF(x + 0.5, y + 0.5, w - 1, h - 1));
}

void Window(QPainter& p, double x, double y, double w, double h, const QColor& accent, double captionHeight) {
    Box(p, x, y, w, h, Palette::kPaper);
    Fill(p, x + 1, y + 1, w - 2, captionHeight - 1, accent);
    Fill(p, x + 1, y + captionHeight, w - 2, 1, Palette::kInk);
}

void Page(QPainter& p, double x, double y, double w, double h, const QColor& fill) {
    const double r = x + w - 0.5, b = y + h - 0.5, l = x + 0.5, t = y + 0.5;
    p.setPen(UnitPen(Palette::kInk, 1));
    p.setBrush(fill);
    p.drawPolygon(QPolygonF({QPointF(l, t), QPointF(r - 3, t), QPointF(r, t + 3), QPointF(r, b), QPointF(l, b)}));
    Lines(p, {QPointF(r - 3, t), QPointF(r - 3, t + 3), QPointF(r, t + 3)}, Palette::kInk);
}

void Folder(QPainter& p, const QColor& body, const QColor& dark) {
    // Back with its tab, then the front flap one unit lower.
    p.setPen(UnitPen(Palette::kInk, 1));
    p.setBrush(dark);
    p.drawPolygon(QPolygonF({QPointF(1.5, 3.5), QPointF(6, 3.5), QPointF(7.5, 5), QPointF(14.5, 5),
                             QPointF(14.5, 13.5), QPointF(1.5, 13.5)}));
    p.setBrush(body);
    p.drawRect(QRectF(1.5, 6.5, 13, 7));
}

void PlusBadge(QPainter& p, const QColor& accent) {
    Ellipse(p, 9, 9, 7, 7, accent, Palette::kPaper);
    Fill(p, 12, 10, 1, 5, Palette::kPaper);
    Fill(p, 10, 12, 5, 1, Palette::kPaper);
}

void Landscape(QPainter& p, double x, double y, double w, double h) {
    Box(p, x, y, w, h, QColor(214, 234, 252));
    p.save();
    p.setClipRect(QRectF(x + 1, y + 1, w - 2, h - 2));
    Ellipse(p, x + w - 6, y + 2, 3, 3, QColor(255, 196, 40), QColor());
    Shape(p, {QPointF(x + 1, y + h - 1), QPointF(x + 1, y + h - 4), QPointF(x + w * 0.38, y + h * 0.42),
              QPointF(x + w * 0.62, y + h - 4), QPointF(x + w * 0.74, y + h - 5.5), QPointF(x + w - 1, y + h - 3),
              QPointF(x + w - 1, y + h - 1)},
          QColor(60, 170, 96));
    p.restore();
}

}  // namespace icons
