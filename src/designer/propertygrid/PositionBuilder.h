#pragma once
// The "Position" group every placed object shows: ignore flags, alignment and space rules of both axes, the
// margin (near and far offsets of both axes) and the size (size values of both axes). Generic over the six
// int fields of each axis, so any record can be bound; positionAxis() binds one SkinPositionBase.

#include "designer/propertygrid/PropertyBinding.h"

#include <QMargins>
#include <QSize>

#include <functional>

struct SkinPlacement;
struct SkinPositionBase;

namespace vd {

class PropertyItem;

struct PositionAxisBinding {
    IntBinding ignore;
    IntBinding alignType;
    IntBinding spaceType;
    IntBinding nearOffset;  // left or top
    IntBinding farOffset;   // right or bottom
    IntBinding sizeValue;   // width or height
};

// The axis that `axis()` returns at the time of each read or write; defaults from `defaults` when given.
PositionAxisBinding positionAxis(std::function<SkinPositionBase*()> axis, const SkinPositionBase* defaults = nullptr);

// Adds the plain row "Position" with its eight children under parent and returns it.
PropertyItem* addPosition(PropertyItem* parent, const PositionAxisBinding& horz, const PositionAxisBinding& vert);
// The same with "Margin" and "Size" each written through one binding (the axes' offset and size bindings
// are not used), so that a page can make a change of several offsets one undoable step.
PropertyItem* addPosition(PropertyItem* parent, const PositionAxisBinding& horz, const PositionAxisBinding& vert,
                          const Binding<QMargins>& margin, const Binding<QSize>& size);
// The same over a placement; `placement()` is asked again on every access.
PropertyItem* addPosition(PropertyItem* parent, std::function<SkinPlacement*()> placement,
                          const SkinPlacement* defaults = nullptr);

}  // namespace vd
