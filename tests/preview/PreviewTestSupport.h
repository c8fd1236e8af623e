#pragma once
// Pictures, records, machines and pixel checks for the preview tests: pictures are encoded in memory (PNG
// or BMP), decoded by the designer's own decoders and added to a document, so every test knows each
// picture's pixels.

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QString>

#include <cstdlib>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

#include "Helpers/EnBitmap.h"
#include "Resource/ResObjects/ResPicture.h"
#include "Resource/SkinDocument.h"
#include "Resource/SkinRecords.h"
#include "Resource/SystemEnvironment.h"

namespace previewtest {

// Saves the image as <tag>.png in the folder VORNADESK_PREVIEW_PNG_DIR names, when it names one, so a
// person can look at what a test drew.
inline void SaveIfAsked(const QImage& image, const QString& tag) {
    const QString dir = qEnvironmentVariable("VORNADESK_PREVIEW_PNG_DIR");
    if (!dir.isEmpty()) image.save(QDir(dir).filePath(tag + QStringLiteral(".png")));
}

inline QColor Q(Color c) { return QColor(c.r, c.g, c.b); }

// A new record of the kind `base` numbers; throws rather than hand a test a null record.
template <class R>
R& New(CSkinDocument& doc, int base) {
    auto* r = dynamic_cast<R*>(doc.NewItemOfType(base));
    if (!r) throw std::runtime_error("no new object of kind " + std::to_string(base));
    return *r;
}

// A machine whose colours differ from every default, so each pixel tells which colour was used; the button
// text keeps the default colour unless one is given.
inline SystemEnvironment OtherMachine(std::optional<Color> buttonText = std::nullopt) {
    SystemEnvironment env = SystemEnvironment::Default();
    env.colors[COLOR_BTNFACE] = Color(50, 60, 70);
    env.colors[COLOR_BTNHIGHLIGHT] = Color(250, 240, 230);
    env.colors[COLOR_BTNSHADOW] = Color(90, 80, 70);
    env.colors[COLOR_3DLIGHT] = Color(210, 220, 200);
    env.colors[COLOR_3DDKSHADOW] = Color(30, 20, 40);
    env.colors[COLOR_WINDOW] = Color(11, 22, 33);
    if (buttonText) env.colors[COLOR_BTNTEXT] = *buttonText;
    return env;
}

// The image object decoded from `image` encoded as `format` ("PNG" or "BMP").
inline std::shared_ptr<const CEnBitmap> Decode(const QImage& image, const char* format = "PNG") {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    const std::string name = std::string("x.") + format;
    return std::shared_ptr<const CEnBitmap>(LoadImageMemory(
        name, reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size())));
}

inline QImage Solid(int w, int h, QColor colour) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Adds the picture to the document and returns a reference to all of it (no corners, centre tiled).
inline SkinImageBase AddPicture(CSkinDocument& doc, const std::string& name, const QImage& image,
                                const char* format = "PNG") {
    const Picture* p = doc.AddPicture("/nonexistent/" + name, name, Decode(image, format));
    SkinImageBase ref;
    ref.name = name;
    ref.image = p ? p->image : nullptr;
    ref.left = 0;
    ref.top = 0;
    ref.right = image.width();
    ref.bottom = image.height();
    return ref;
}

// The colour of the 8 x 8 checkerboard under every preview at (x, y).
inline QColor Checker(int x, int y) {
    return ((x / 8) % 2) == ((y / 8) % 2) ? QColor(192, 192, 192) : QColor(255, 255, 255);
}

inline QColor At(const QImage& image, int x, int y) { return image.pixelColor(x, y); }
inline QColor At(const QImage& image, QPoint p) { return image.pixelColor(p); }

// Bounding box of the pixels of exactly this colour (inside area when given).
inline QRect Ink(const QImage& image, QColor colour, QRect area = QRect()) {
    if (area.isNull()) area = image.rect();
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) == colour) box |= QRect(x, y, 1, 1);
    return box;
}

// Bounding box of the pixels inside area that differ from colour (what was drawn over a solid fill).
inline QRect InkOtherThan(const QImage& image, QColor colour, const QRect& area) {
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) != colour) box |= QRect(x, y, 1, 1);
    return box;
}

// Bounding box of the pixels inside `area` that are darker than `limit` (text ink on a light face).
inline QRect DarkInk(const QImage& image, const QRect& area, int limit = 80) {
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < limit) box |= QRect(x, y, 1, 1);
    return box;
}

// Number of pixels inside `area` with exactly this colour.
inline int Count(const QImage& image, const QRect& area, QColor colour) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) n += image.pixelColor(x, y) == colour;
    return n;
}

// Number of pixels inside `area` within `tolerance` of this colour on every channel (anti-aliased text).
inline int CountNear(const QImage& image, const QRect& area, QColor colour, int tolerance = 64) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            n += std::abs(c.red() - colour.red()) <= tolerance && std::abs(c.green() - colour.green()) <= tolerance &&
                 std::abs(c.blue() - colour.blue()) <= tolerance;
        }
    return n;
}

}  // namespace previewtest
