#include "designer/pages/ProgressProperty.h"

#include "designer/pages/DrawTypeEntries.h"

namespace {

struct Label {
    const char* caption;
    int value;
};

constexpr Label kForeDrawTypes[] = {{"GradientH", 0}, {"GradientV", 1}, {"Recursive", 2}};
constexpr Label kTypes[] = {{"ImageBlock", 0}, {"ImageSmooth", 1}, {"Color", 2}};

template <size_t N>
QList<vd::EnumEntry> Entries(const Label (&labels)[N]) {
    QList<vd::EnumEntry> entries;
    for (const Label& l : labels) entries.append({QString::fromLatin1(l.caption), l.value});
    return entries;
}

}  // namespace

void CProgressProperty::BuildProperties(vd::PropertyGrid& grid) {
    const auto& table = CResProgressBar::Table();
    AddGeneral(grid);

    vd::GroupItem* look = grid.addCategory(QStringLiteral("Appearance"));

    vd::GroupItem* images = vd::addGroup(look, QStringLiteral("ImageProgress"), true);
    AddImageField(images, QStringLiteral("Background"), "ImgBk");
    AddImageField(images, QStringLiteral("Foreground"), "ImgFg");
    AddImageField(images, QStringLiteral("SmoothForeImage"), "ImgFgS");

    vd::GroupItem* colours = vd::addGroup(look, QStringLiteral("ColorProgress"), true);
    auto colour = [&](const char* caption, const char* key) {
        AddColorField(colours, QString::fromLatin1(caption), table.Find(key));
    };
    auto drawType = [&](const char* caption, const char* key, const QList<vd::EnumEntry>& entries) {
        const QString text = QString::fromLatin1(caption);
        vd::addEnum(colours, text, entries, IntField(table.Find(key), text));
    };
    colour("BackStart Color", "cBS");
    colour("BackEnd Color", "cBE");
    drawType("BackDrawType", "BDT", BackgroundDrawTypeEntries(kRecursive + 1));
    colour("ForeStartColor", "cS");
    colour("ForeEndColor", "cE");
    drawType("ForeDrawType", "FDT", Entries(kForeDrawTypes));
    colour("3DHighlightColor", "c3DH");
    colour("3DShadowColor", "c3DS");

    vd::GroupItem* text = vd::addGroup(look, QStringLiteral("Text"), true);
    AddTextField(text, QStringLiteral("Text"), "Txt");
    AddColorField(text, QStringLiteral("NormalColor"), table.Find("cN"));
    AddColorField(text, QStringLiteral("HighlightColor"), table.Find("cH"));
    AddTextStyleField(text, QStringLiteral("BarTextStyle"), FindField("BTxtSt", FieldType::TextStyle));
    AddFontField(text, QStringLiteral("TextFont"), FindField("", FieldType::Font));
    const QString showText = QStringLiteral("Show Text");
    vd::addBool(text, showText, IntField(table.Find("STxt"), showText));

    const QString type = QStringLiteral("Type");
    vd::addEnum(look, type, Entries(kTypes), IntField(table.Find("DT"), type));
    look->setExpanded(true);

    AddActionCategory(grid);
}
