#include "platform/LogFontQt.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace vd {
namespace {

constexpr int kDefaultPixelSize = 12;
// Cell height / em of Arial and Liberation Sans (2288 / 2048 font units), for when no font database exists.
constexpr double kFallbackCellPerEm = 2288.0 / 2048.0;

// Windows faces and the installed faces that stand in for them.
struct FaceSubstitute {
    const char* windowsFace;
    const char* substitute;
};
constexpr FaceSubstitute kSubstitutes[] = {
    {"arial", "Liberation Sans"},          {"helvetica", "Liberation Sans"},
    {"ms sans serif", "Liberation Sans"},  {"microsoft sans serif", "Liberation Sans"},
    {"ms shell dlg", "Liberation Sans"},   {"ms shell dlg 2", "Liberation Sans"},
    {"segoe ui", "Liberation Sans"},       {"tahoma", "DejaVu Sans"},
    {"verdana", "DejaVu Sans"},            {"times new roman", "Liberation Serif"},
    {"times", "Liberation Serif"},         {"ms serif", "Liberation Serif"},
    {"courier new", "Liberation Mono"},    {"courier", "Liberation Mono"},
    {"lucida console", "Liberation Mono"}, {"consolas", "Liberation Mono"},
};

QFont::StyleHint StyleHintFor(uint8_t pitchAndFamily) {
    switch (pitchAndFamily & 0xF0) {
    case 0x10: return QFont::Serif;       // FF_ROMAN
    case 0x20: return QFont::SansSerif;   // FF_SWISS
    case 0x30: return QFont::Monospace;   // FF_MODERN
    case 0x40: return QFont::Cursive;     // FF_SCRIPT
    case 0x50: return QFont::Decorative;  // FF_DECORATIVE
    default: return QFont::AnyStyle;
    }
}

// Font metrics need a font database, which only exists with a QGuiApplication.
bool HaveFontDatabase() { return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr; }

// The em size whose ascent + descent is the requested cell height, measured at a large size so that
// hinting does not round the ratio.
int CellHeightToPixelSize(const QFont& font, int cellHeight) {
    double cellPerEm = kFallbackCellPerEm;
    if (HaveFontDatabase()) {
        QFont probe = font;
        probe.setPixelSize(1000);
        const QFontMetricsF fm(probe);
        if (fm.ascent() + fm.descent() > 0)
            cellPerEm = (fm.ascent() + fm.descent()) / 1000.0;
    }
    return std::max(1, static_cast<int>(std::lround(cellHeight / cellPerEm)));
}

}  // namespace

QStringList FaceFamilies(const std::string& faceName) {
    const QString face = QString::fromStdString(faceName).trimmed();
    QStringList families;
    if (!face.isEmpty())
        families << face;
    const QString lower = face.toLower();
    for (const auto& s : kSubstitutes) {
        if (lower == QLatin1String(s.windowsFace)) {
            families << QString::fromLatin1(s.substitute);
            break;
        }
    }
    return families;
}

QFont ToQFont(const LogFont& lf) {
    QFont font;
    font.setFamilies(FaceFamilies(lf.faceName));
    font.setStyleHint(StyleHintFor(lf.pitchAndFamily));
    if ((lf.pitchAndFamily & 0x03) == 1)  // FIXED_PITCH
        font.setFixedPitch(true);
    font.setWeight(static_cast<QFont::Weight>(std::clamp(lf.weight == 0 ? 400 : lf.weight, 1, 1000)));
    font.setItalic(lf.italic != 0);
    font.setUnderline(lf.underline != 0);
    font.setStrikeOut(lf.strikeOut != 0);
    font.setKerning(false);  // GDI does not kern DrawText output

    if (lf.height < 0)
        font.setPixelSize(static_cast<int>(std::min(-static_cast<long long>(lf.height), 100000LL)));
    else if (lf.height > 0)
        font.setPixelSize(CellHeightToPixelSize(font, std::min(lf.height, 100000)));
    else
        font.setPixelSize(kDefaultPixelSize);

    if (lf.width > 0 && HaveFontDatabase()) {
        const double average = QFontMetricsF(font).averageCharWidth();
        if (average > 0)
            font.setStretch(std::clamp(static_cast<int>(std::lround(100.0 * lf.width / average)), 1, 4000));
    }

    if (lf.quality == NONANTIALIASED_QUALITY)
        font.setStyleStrategy(QFont::NoAntialias);
    else if (lf.quality == ANTIALIASED_QUALITY || lf.quality == CLEARTYPE_QUALITY || lf.quality == 6)
        font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

}  // namespace vd
