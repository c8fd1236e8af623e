#pragma once
// Caption buttons: extra buttons on a frame's caption bar, with active and inactive state images, a glyph
// per state, a type and a placement relative to the owning frame.

#include <array>

#include "Resource/ResourceBase.h"

struct SkinSysButton : SkinResStruct {
    int previewWidth = 200;
    int previewHeight = 50;
    std::array<SkinImageBase, 7> images;  // ActiveNormal ... InactiveHighlighted
    std::array<SkinTextStyle, 7> styles;
    std::array<SkinImageBase, 7> glyphs;
    int type = 0;
    LogFont font;
    std::string tooltip;  // 256 bytes
    int drawText = 1;
    SkinPlacement placement;
    int ownerFrameId = 0;
    int ownerResId = 0;
    int visible = 1;
    friend bool operator==(const SkinSysButton&, const SkinSysButton&) = default;
};

inline constexpr std::array<const char*, 7> kSysButtonStateKeys = {
    "ActiveNormal", "ActivePress", "ActiveDisabled", "ActiveHighlighted",
    "InactiveNormal", "InactiveDisabled", "InactiveHighlighted"};
inline constexpr std::array<const char*, 7> kSysButtonGlyphKeys = {"ANGlyph", "APGlyph", "ADGlyph", "AHGlyph",
                                                                   "INGlyph", "IDGlyph", "IHGlyph"};
// Captions of the "Type" values as the designer shows them.
inline constexpr std::array<const char*, 10> kSysButtonTypeNames = {
    "Close", "Maximize", "Restore", "Minimize", "Help", "Roll", "Min-Close", "Min-Max", "Min-Restore", "Custom"};

class CResSysButton : public CResTyped<SkinSysButton> {
public:
    explicit CResSysButton(CSkinDocument& doc);
    static const RecordSchema<SkinSysButton>& Table();
};
