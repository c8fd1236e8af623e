#pragma once
// One-line builders pages use to add rows bound to record fields. Each creates the item, binds it, gives it
// the field's default when the binding has one, adds it under `parent` and returns it.
//
//     auto* general = grid.addCategory("General");
//     addText(general, "Name", {[r] { return QString::fromStdString(r->name); },
//                               [r](const QString& s) { r->name = s.toStdString(); }}, 63);
//     addNumber(general, "Width", {[r] { return r->width; }, [r](int v) { r->width = v; }, 0});

#include <QStringList>

#include "designer/propertygrid/BoolItem.h"
#include "designer/propertygrid/ColorItem.h"
#include "designer/propertygrid/EnumItem.h"
#include "designer/propertygrid/FontItem.h"
#include "designer/propertygrid/GroupItem.h"
#include "designer/propertygrid/ImageBuilder.h"
#include "designer/propertygrid/MarginItem.h"
#include "designer/propertygrid/NumberItem.h"
#include "designer/propertygrid/PropertyBinding.h"
#include "designer/propertygrid/SizeItem.h"
#include "designer/propertygrid/TextItem.h"

namespace vd {

// A child category (isCategory) or a plain row with an empty value that groups its children.
GroupItem* addGroup(PropertyItem* parent, const QString& caption, bool isCategory);
// The descriptions of the members one row edits together (a size's width and height), in order, each once.
QString JoinDescriptions(const QStringList& parts);
TextItem* addText(PropertyItem* parent, const QString& caption, const Binding<QString>& field, int maxBytes = -1);
NumberItem* addNumber(PropertyItem* parent, const QString& caption, const IntBinding& field);
NumberItem* addNumber(PropertyItem* parent, const QString& caption, const IntBinding& field, int minimum, int maximum);
BoolItem* addBool(PropertyItem* parent, const QString& caption, const Binding<bool>& field);
// A record's int flag as a check box: non-zero reads as checked; writing stores 1 or 0.
BoolItem* addBool(PropertyItem* parent, const QString& caption, const IntBinding& field);
EnumItem* addEnum(PropertyItem* parent, const QString& caption, const QList<EnumEntry>& entries, const IntBinding& field);
ColorItem* addColor(PropertyItem* parent, const QString& caption, const Binding<Color>& field);
FontItem* addFont(PropertyItem* parent, const QString& caption, const Binding<LogFont>& field);
SizeItem* addSize(PropertyItem* parent, const QString& caption, const Binding<QSize>& size);
SizeItem* addSize(PropertyItem* parent, const QString& caption, const IntBinding& width, const IntBinding& height);
MarginItem* addMargin(PropertyItem* parent, const QString& caption, const Binding<QMargins>& margins);
MarginItem* addMargin(PropertyItem* parent, const QString& caption, const IntBinding& left, const IntBinding& top,
                      const IntBinding& right, const IntBinding& bottom);

}  // namespace vd
