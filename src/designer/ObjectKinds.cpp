#include "designer/ObjectKinds.h"

#include <QFile>
#include <QHash>
#include <QPainter>
#include <QPixmap>

const std::vector<ObjectMenuEntry>& ObjectMenuEntries() {
    static const std::vector<ObjectMenuEntry> entries = {
        {32843, "Application", 17000, false},     {32815, "SkinFrameWnd", 3000, false},
        {32853, "SkinShapeWnd", 26000, false},    {32849, "SkinDialog", 24000, false},
        {32783, "SkinButton", 2000, true},        {32785, "SkinRadio", 13000, true},
        {32786, "SkinCheck", 12000, true},        {32830, "SkinEdit", 29000, true},
        {32848, "SkinGroupBox", 22000, true},     {32784, "SkinStatic", 23000, true},
        {32831, "SkinToolBar", 4000, true},       {32832, "SkinStatusBar", 5000, true},
        {32834, "SkinProgressBar", 6000, true},   {32837, "SkinComboBox", 9000, true},
        {32835, "SkinScrollBar", 7000, true},     {32836, "SkinHeader", 8000, true},
        {32838, "SkinIPAddress", 10000, true},    {32839, "SkinHotKey", 11000, true},
        {32840, "SkinTrackbar", 14000, true},     {32841, "SkinSpin", 15000, true},
        {32842, "SkinTabCtrl", 16000, true},      {32845, "SkinMDIClient", 19000, true},
        {32844, "SkinMiniFrameWnd", 18000, true}, {32846, "SkinControlBar", 20000, true},
        {32847, "SkinReBar", 21000, true},        {32850, "SkinDatetime", 25000, true},
        {32855, "SkinListBox", 27000, true},
    };
    return entries;
}

namespace {

// A small glyph per kind: a rounded tile in the kind's family colour with a one- or two-letter mark.
struct Glyph {
    int typeBase;
    const char* mark;
    QColor colour;
};

const Glyph kGlyphs[] = {
    {0, "", QColor(214, 170, 70)},        {1000, "Im", QColor(76, 150, 90)},   {2000, "Bt", QColor(70, 110, 190)},
    {3000, "Fr", QColor(120, 80, 170)},   {3500, "Cb", QColor(70, 110, 190)},  {4000, "Tb", QColor(60, 140, 160)},
    {5000, "Sb", QColor(60, 140, 160)},   {6000, "Pg", QColor(60, 140, 160)},  {7000, "Sc", QColor(60, 140, 160)},
    {8000, "Hd", QColor(60, 140, 160)},   {9000, "Cm", QColor(60, 140, 160)},  {10000, "IP", QColor(60, 140, 160)},
    {11000, "Hk", QColor(60, 140, 160)},  {12000, "Ck", QColor(70, 110, 190)}, {13000, "Rd", QColor(70, 110, 190)},
    {14000, "Tr", QColor(60, 140, 160)},  {15000, "Sp", QColor(60, 140, 160)}, {16000, "Tc", QColor(60, 140, 160)},
    {17000, "Ap", QColor(200, 90, 60)},   {18000, "Mf", QColor(120, 80, 170)}, {19000, "Md", QColor(120, 80, 170)},
    {20000, "Cb", QColor(150, 110, 60)},  {21000, "Rb", QColor(150, 110, 60)}, {22000, "Gb", QColor(150, 110, 60)},
    {23000, "St", QColor(150, 110, 60)},  {24000, "Dl", QColor(120, 80, 170)}, {25000, "Dt", QColor(60, 140, 160)},
    {26000, "Sh", QColor(120, 80, 170)},  {27000, "Lb", QColor(60, 140, 160)}, {28000, "Ft", QColor(110, 110, 110)},
    {29000, "Ed", QColor(60, 140, 160)},
};

QIcon MakeGlyph(const Glyph& g) {
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    if (g.typeBase == 0) {
        // A folder for the fixed nodes.
        p.setPen(g.colour.darker(140));
        p.setBrush(g.colour);
        p.drawRoundedRect(QRectF(2, 6, 13, 6), 2, 2);
        p.drawRoundedRect(QRectF(2, 9, 28, 19), 3, 3);
    } else {
        p.setPen(g.colour.darker(130));
        p.setBrush(g.colour);
        p.drawRoundedRect(QRectF(2, 2, 28, 28), 6, 6);
        QFont f = p.font();
        f.setPixelSize(15);
        f.setBold(true);
        p.setFont(f);
        p.setPen(Qt::white);
        p.drawText(QRect(0, 0, 32, 32), Qt::AlignCenter, QString::fromLatin1(g.mark));
    }
    return QIcon(pm);
}

}  // namespace

QIcon IconForType(int typeBase) {
    static QHash<int, QIcon> cache;
    auto it = cache.find(typeBase);
    if (it != cache.end()) return *it;
    // Artwork from the resource set when it has this kind.
    const QString path = QStringLiteral(":/icons/type-%1.png").arg(typeBase);
    QIcon icon;
    if (QFile::exists(path)) icon = QIcon(path);
    if (icon.isNull()) {
        const Glyph* found = &kGlyphs[0];
        for (const Glyph& g : kGlyphs)
            if (g.typeBase == typeBase) found = &g;
        icon = MakeGlyph(*found);
    }
    cache.insert(typeBase, icon);
    return icon;
}
