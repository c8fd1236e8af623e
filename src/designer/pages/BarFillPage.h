#pragma once
// The grid shared by the control bar and rebar pages: the bar's fill colours, its draw type, the stepped
// fill's step, its background picture and its 3-D border colours. The rebar offers no "Fastness" and adds
// its gripper picture.

#include "designer/pages/DrawTypeEntries.h"
#include "designer/pages/TypedPage.h"

template <class Coll>
class CBarFillPage : public CTypedPage<Coll> {
public:
    using CTypedPage<Coll>::CTypedPage;

protected:
    void BuildBarGrid(vd::PropertyGrid& grid, int offered, bool withGripper) {
        const auto& table = Coll::Table();
        this->AddGeneral(grid);
        vd::GroupItem* look = grid.addCategory(QStringLiteral("Appearance"));
        auto colour = [&](const char* caption, const char* key) {
            this->AddColorField(look, QString::fromLatin1(caption), table.Find(key));
        };
        colour("BkStartColor", "clrBkStart");
        colour("BkEndColor", "clrBkEnd");
        const QString drawType = QStringLiteral("DrawType");
        vd::addEnum(look, drawType, BackgroundDrawTypeEntries(offered), this->IntField(table.Find("DrawType"), drawType));
        const QString step = QStringLiteral("RecurStep");
        vd::addNumber(look, step, this->IntField(table.Find("RecurStep"), step));
        this->AddImageField(look, QStringLiteral("BackImage"), "BkImg");
        colour("3DHighlightColor", "clrHighlight");
        colour("3DShadowColor", "clrShadow");
        if (withGripper) this->AddImageField(look, QStringLiteral("Gripper"), "Gripper");
        look->setExpanded(true);
    }
};
