#include "preview/ToolBarSampleIcons.h"

#include <QColor>

#include "platform/QtConvert.h"

namespace vd::preview {

namespace {

// One character a pixel; '.' is the list's mask colour.
using IconArt = const char* const[ToolBarSampleIcons::kSize];

constexpr IconArt kArt[ToolBarSampleIcons::Count] = {
    // New
    {
        "................",
        "..kkkkkkkk......",
        "..kwwwwwwkk.....",
        "..kwwwwwwkwk....",
        "..kwwwwwwkwwk...",
        "..kwwwwwwkkkkk..",
        "..kwwwwwwwwwwk..",
        "..kwwwwwwwwwwk..",
        "..kwwwwwwwwwwk..",
        "..kwwwwwwwwwwk..",
        "..kwwwwwwwwwwk..",
        "..kwwwwwwwwwwk..",
        "..kwwwwwwwwwwk..",
        "..kwwwwwwwwwwk..",
        "..kkkkkkkkkkkk..",
        "................",
    },
    // Open
    {
        "................",
        "................",
        "..........kkk...",
        ".........k...k.k",
        "..kkkk........kk",
        ".kyyyyk......kkk",
        "kyyyyyykkkkk....",
        "kyyyyyyyyyyk....",
        "kyyyyykkkkkkkkkk",
        "kyyyykoooooooook",
        "kyyykoooooooook.",
        "kyykoooooooook..",
        "kykoooooooook...",
        "kkoooooooook....",
        "kkkkkkkkkkk.....",
        "................",
    },
    // Save
    {
        "................",
        ".kkkkkkkkkkkkkk.",
        ".kbkwwwwwwwwkbk.",
        ".kbkwwwwwwwwkbk.",
        ".kbkwwwwwwwwkbk.",
        ".kbkwwwwwwwwkbk.",
        ".kbkwwwwwwwwkbk.",
        ".kbbkkkkkkkkbbk.",
        ".kbbbbbbbbbbbbk.",
        ".kbbkkkkkkkkbbk.",
        ".kbbkllllkwkbbk.",
        ".kbbkllllkwkbbk.",
        ".kbbkllllkwkbbk.",
        ".kbbkllllllkbbk.",
        "..kkkkkkkkkkkkk.",
        "................",
    },
    // Cut
    {
        "................",
        "....k.....k.....",
        "....k.....k.....",
        "....kk...kk.....",
        ".....k...k......",
        ".....kk.kk......",
        "......k.k.......",
        "......kgk.......",
        ".......k........",
        "......r.r.......",
        "..rrrr...rrrr...",
        ".r...r...r...r..",
        ".r...r...r...r..",
        ".r...r...r...r..",
        "..rrr.....rrr...",
        "................",
    },
    // Copy
    {
        "kkkkkkk.........",
        "kwwwwwkk........",
        "kwkkkwkwk.......",
        "kwwwwwkkkk......",
        "kwkkkkwwwk......",
        "kwwwwkkkkkkk....",
        "kwkkkkwwwwwkk...",
        "kwwwwkwkkkwkwk..",
        "kwkkkkwwwwwkkkk.",
        "kwwwwkwkkkkwwwk.",
        "kkkkkkwwwwwwwwk.",
        ".....kwkkkkkkwk.",
        ".....kwwwwwwwwk.",
        ".....kwkkkkkkwk.",
        ".....kwwwwwwwwk.",
        ".....kkkkkkkkkk.",
    },
    // Paste
    {
        "................",
        ".....kkkkk......",
        "..kkkkyyykkkk...",
        ".kookyyyyykook..",
        ".kookkkkkkkook..",
        ".kooooooooooook.",
        ".kooookkkkkkk...",
        ".kooookwwwwwkk..",
        ".kooookwkkkwkwk.",
        ".kooookwwwwwkkkk",
        ".kooookwkkkkwwwk",
        ".kooookwwwwwwwwk",
        ".kooookwkkkkkkwk",
        ".kooookwwwwwwwwk",
        "..kkkkkkkkkkkkkk",
        "................",
    },
    // Print
    {
        "................",
        "....kkkkkkkk....",
        "....kwwwwwwk....",
        "....kwkkkkwk....",
        "....kwwwwwwk....",
        "..kkkkkkkkkkkk..",
        ".klllllllllllGk.",
        ".kllllllllllllk.",
        ".kggggggggggggk.",
        ".kgkkkkkkkkkkgk.",
        ".kgkwwwwwwwwkgk.",
        "..kkwkkkkkkwkk..",
        "....kwwwwwwk....",
        "....kwkkkkwk....",
        "....kkkkkkkk....",
        "................",
    },
    // Help
    {
        "................",
        ".....kkkkkk.....",
        "...kkBBBBBBkk...",
        "..kBBBwwwwBBBk..",
        "..kBBwwBBwwBBk..",
        ".kBBBwwBBwwBBBk.",
        ".kBBBBBBBwwBBBk.",
        ".kBBBBBBwwBBBBk.",
        ".kBBBBBwwBBBBBk.",
        ".kBBBBBwwBBBBBk.",
        "..kBBBBBBBBBBk..",
        "..kBBBBwwBBBBk..",
        "...kkBBwwBBkk...",
        ".....kkkkkk.....",
        "................",
        "................",
    },
};

QColor Ink(char c) {
    switch (c) {
    case 'k': return QColor(0, 0, 0);
    case 'w': return QColor(255, 255, 255);
    case 'g': return QColor(128, 128, 128);
    case 'l': return QColor(224, 224, 224);
    case 'y': return QColor(255, 220, 90);    // folder
    case 'o': return QColor(176, 128, 0);     // folder front, clipboard
    case 'b': return QColor(0, 0, 128);       // disk
    case 'B': return QColor(70, 130, 230);    // help button
    case 'r': return QColor(200, 0, 0);       // scissor handles
    case 'G': return QColor(0, 160, 0);       // printer lamp
    default: return ToQColor(ToolBarSampleIcons::kMaskColor);
    }
}

}  // namespace

ToolBarSampleIcons::ToolBarSampleIcons()
    : m_list(Count * kSize, kSize, QImage::Format_RGB32) {
    m_list.fill(ToQColor(kMaskColor));
    {
        QPainter p(&m_list);
        for (int i = 0; i < Count; ++i)
            for (int y = 0; y < kSize; ++y) {
                // Runs of one colour as one rectangle each.
                const char* row = kArt[i][y];
                for (int x = 0; x < kSize;) {
                    int end = x + 1;
                    while (end < kSize && row[end] == row[x]) ++end;
                    if (row[x] != '.') p.fillRect(QRect(i * kSize + x, y, end - x, 1), Ink(row[x]));
                    x = end;
                }
            }
    }
    const QRgb mask = ToQRgb(kMaskColor);
    for (int i = 0; i < Count; ++i) {
        QImage icon = m_list.copy(i * kSize, 0, kSize, kSize).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        for (int y = 0; y < kSize; ++y) {
            auto* line = reinterpret_cast<QRgb*>(icon.scanLine(y));
            for (int x = 0; x < kSize; ++x)
                if (line[x] == mask) line[x] = 0;
        }
        m_masked[i] = icon;
    }
}

const ToolBarSampleIcons& ToolBarSampleIcons::Instance() {
    static const ToolBarSampleIcons icons;
    return icons;
}

QImage ToolBarSampleIcons::Icon(int index) const {
    return index >= 0 && index < Count ? m_masked[index] : QImage();
}

void ToolBarSampleIcons::Draw(QPainter& painter, int index, QPoint at) const {
    if (index >= 0 && index < Count) painter.drawImage(at, m_masked[index]);
}

}  // namespace vd::preview
