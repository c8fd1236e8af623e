#pragma once
// Push-button looks: five state images with a text style each, a font, a tooltip and a placement on the
// owning frame.

#include <array>
#include <functional>

#include "Resource/ResourceBase.h"

struct SkinButtonStruct : SkinResStruct {
    int previewWidth = 200;
    int previewHeight = 50;
    std::array<SkinImageBase, 5> images;  // Normal, Pressed, Disabled, Highlighted, Default
    std::array<SkinTextStyle, 5> styles;
    int kind = 0;                         // "Tp", kept for the skinning engine
    LogFont font;
    std::string tooltip;                  // 255 bytes
    std::string customCursor;             // 255 bytes
    int cursor = 32512;
    int skinnable = 1;
    int drawText = 1;
    SkinPlacement placement;
    int ownerFrameId = 0;
    friend bool operator==(const SkinButtonStruct&, const SkinButtonStruct&) = default;
};

// The button's own state key parts, in state order.
inline constexpr std::array<const char*, 5> kButtonStateKeys = {"N", "P", "Dis", "H", "Def"};

class CResButton : public CResTyped<SkinButtonStruct> {
public:
    explicit CResButton(CSkinDocument& doc);
    static const RecordSchema<SkinButtonStruct>& Table();

    // Calls visit for every button whose owner frame is frameId, in collection order.
    void ForEachOwnedBy(int frameId, const std::function<void(int, SkinButtonStruct&)>& visit) const;
    // Where the live sample control for a button sits inside a parent of the given size: the placement
    // against the Normal image's source rectangle.
    static Rect SampleRect(const SkinButtonStruct& item, int parentWidth, int parentHeight);
};
