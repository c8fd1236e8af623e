#include "designer/propertygrid/PositionBuilder.h"

#include "designer/propertygrid/GroupItem.h"
#include "designer/propertygrid/PropertyBuilders.h"

#include "Resource/SkinRecords.h"

namespace vd {

namespace {

IntBinding fieldOf(const std::function<SkinPositionBase*()>& axis, int SkinPositionBase::*member,
                   const SkinPositionBase* defaults) {
    IntBinding b{[axis, member] { return axis()->*member; }, [axis, member](const int& v) { axis()->*member = v; }};
    if (defaults)
        b.defaultValue = defaults->*member;
    return b;
}

// The "Position" row with the six rows of both axes' rules; the caller adds "Margin" and "Size".
PropertyItem* addRuleRows(PropertyItem* parent, const PositionAxisBinding& horz, const PositionAxisBinding& vert) {
    PropertyItem* position = addGroup(parent, QStringLiteral("Position"), false);
    addBool(position, QStringLiteral("Horz Ignore"), horz.ignore);
    addEnum(position, QStringLiteral("HorzAlign"),
            {{QStringLiteral("Anchor to Left"), 0}, {QStringLiteral("Anchor to Center"), 1},
             {QStringLiteral("Anchor to Right"), 2}},
            horz.alignType);
    addEnum(position, QStringLiteral("Horz Space"),
            {{QStringLiteral("Left Width"), 0}, {QStringLiteral("Right Width"), 1}, {QStringLiteral("Percent"), 2},
             {QStringLiteral("Fixed"), 3}},
            horz.spaceType);
    addBool(position, QStringLiteral("Vert Ignore"), vert.ignore);
    addEnum(position, QStringLiteral("VertAlign"),
            {{QStringLiteral("Anchor to Top"), 0}, {QStringLiteral("Anchor to VCenter"), 1},
             {QStringLiteral("Anchor to Bottom"), 2}},
            vert.alignType);
    addEnum(position, QStringLiteral("Vert Space"),
            {{QStringLiteral("Top Height"), 0}, {QStringLiteral("Bottom Height"), 1}, {QStringLiteral("Percent"), 2},
             {QStringLiteral("Fixed"), 3}},
            vert.spaceType);
    return position;
}

constexpr char kMarginCaption[] = "Margin";
constexpr char kSizeCaption[] = "Size";

}  // namespace

PositionAxisBinding positionAxis(std::function<SkinPositionBase*()> axis, const SkinPositionBase* defaults) {
    return {fieldOf(axis, &SkinPositionBase::ignore, defaults),     fieldOf(axis, &SkinPositionBase::alignType, defaults),
            fieldOf(axis, &SkinPositionBase::spaceType, defaults),  fieldOf(axis, &SkinPositionBase::nearOffset, defaults),
            fieldOf(axis, &SkinPositionBase::farOffset, defaults),  fieldOf(axis, &SkinPositionBase::sizeValue, defaults)};
}

PropertyItem* addPosition(PropertyItem* parent, const PositionAxisBinding& horz, const PositionAxisBinding& vert) {
    PropertyItem* position = addRuleRows(parent, horz, vert);
    addMargin(position, QString::fromLatin1(kMarginCaption), horz.nearOffset, vert.nearOffset, horz.farOffset, vert.farOffset);
    addSize(position, QString::fromLatin1(kSizeCaption), horz.sizeValue, vert.sizeValue);
    return position;
}

PropertyItem* addPosition(PropertyItem* parent, const PositionAxisBinding& horz, const PositionAxisBinding& vert,
                          const Binding<QMargins>& margin, const Binding<QSize>& size) {
    PropertyItem* position = addRuleRows(parent, horz, vert);
    addMargin(position, QString::fromLatin1(kMarginCaption), margin);
    addSize(position, QString::fromLatin1(kSizeCaption), size);
    return position;
}

PropertyItem* addPosition(PropertyItem* parent, std::function<SkinPlacement*()> placement, const SkinPlacement* defaults) {
    return addPosition(parent, positionAxis([placement] { return &placement()->horz; }, defaults ? &defaults->horz : nullptr),
                       positionAxis([placement] { return &placement()->vert; }, defaults ? &defaults->vert : nullptr));
}

}  // namespace vd
