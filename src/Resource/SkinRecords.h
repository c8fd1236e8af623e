#pragma once
// Records shared by every object kind: the record head, sliced picture references, text styles and
// placement rules. Records are value types: copying one copies everything (a picture reference shares the
// decoded image it points at).

#include <array>
#include <memory>
#include <string>

#include "Resource/SystemEnvironment.h"
#include "Resource/Types.h"

class CEnBitmap;

// Byte sizes of the fixed text members the skinning engine reads (one byte is the terminator).
inline constexpr size_t kText255 = 255;
inline constexpr size_t kText256 = 256;
inline constexpr size_t kText260 = 260;

// Head of every object record.
struct SkinResStruct {
    int ID = 0;
    std::string ResID;    // 255 bytes
    std::string Caption;  // 255 bytes

    SkinResStruct() = default;
    SkinResStruct(const SkinResStruct&) = default;
    SkinResStruct& operator=(const SkinResStruct&) = default;
    virtual ~SkinResStruct() = default;
    friend bool operator==(const SkinResStruct&, const SkinResStruct&) = default;
};

// A rectangle of a picture drawn in nine parts. The source rectangle is left/top/right/bottom in the picture.
struct SkinImageBase {
    std::shared_ptr<const CEnBitmap> image;  // resolved by name when loading; not part of equality
    std::string name;                        // 260 bytes
    int left = 0;
    int top = 0;
    int right = 20;
    int bottom = 20;
    int topHeight = 0;
    int bottomHeight = 0;
    int leftWidth = 0;
    int rightWidth = 0;
    int leftMode = 0;    // 0 tile, non-zero stretch
    int rightMode = 0;
    int topMode = 0;
    int bottomMode = 0;
    int centerMode = 0;

    Rect Source() const { return {left, top, right, bottom}; }
    friend bool operator==(const SkinImageBase& a, const SkinImageBase& b) {
        return a.name == b.name && a.left == b.left && a.top == b.top && a.right == b.right &&
               a.bottom == b.bottom && a.topHeight == b.topHeight && a.bottomHeight == b.bottomHeight &&
               a.leftWidth == b.leftWidth && a.rightWidth == b.rightWidth && a.leftMode == b.leftMode &&
               a.rightMode == b.rightMode && a.topMode == b.topMode && a.bottomMode == b.bottomMode &&
               a.centerMode == b.centerMode;
    }
};

// Alignment, colours, shadow and insets of a text.
struct SkinTextStyle {
    int horzAlign = 1;  // 0 left, 1 centre, 2 right
    int vertAlign = 1;  // 0 top, 1 centre, 2 bottom
    Color textColor{0, 0, 0};
    int effect = 0;     // 0 normal, 1 shadow
    Color shadowColor{160, 160, 160};
    int shadowHSpace = 2;
    int shadowVSpace = 2;
    int leftOffset = 0;
    int rightOffset = 0;
    int topOffset = 0;
    int bottomOffset = 0;

    // A fresh style: black text, otherwise the loading defaults of this machine.
    static SkinTextStyle Fresh(const SystemEnvironment& env) {
        SkinTextStyle s;
        s.shadowColor = env.SysColor(COLOR_BTNSHADOW);
        return s;
    }
    friend bool operator==(const SkinTextStyle&, const SkinTextStyle&) = default;
};

// One axis of a placement rule.
struct SkinPositionBase {
    int alignType = 0;  // 0 near, 1 centre, 2 far
    int spaceType = 0;  // 0 near margin, 1 far margin, 2 percentage, 3 fixed
    int nearOffset = 0;
    int farOffset = 0;
    int sizeValue = 0;
    int ignore = 1;

    virtual ~SkinPositionBase() = default;
    SkinPositionBase() = default;
    SkinPositionBase(const SkinPositionBase&) = default;
    SkinPositionBase& operator=(const SkinPositionBase&) = default;
    friend bool operator==(const SkinPositionBase&, const SkinPositionBase&) = default;
};

// A placement: horizontal rule, then vertical rule.
struct SkinPlacement {
    SkinPositionBase horz;
    SkinPositionBase vert;
    friend bool operator==(const SkinPlacement&, const SkinPlacement&) = default;
};

// Resolves a placement inside a container. left/top/width/height are in/out: the modes that keep the size
// keep the caller's value.
void Place(const SkinPlacement& placement, const Rect& reference, const Rect& container, int& left, int& top,
           int& width, int& height);

// The five states of a state set, in file order.
inline constexpr std::array<const char*, 5> kStateNames = {"Normal", "Press", "Disabled", "Highlighted", "Default"};
