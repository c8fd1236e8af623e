#pragma once
// The grid shared by the IP-address, hot-key and edit pages, whose records hold only the field's frame in
// three states. The preview shows the state chosen with the "Action" row "State"; that choice belongs to
// the page, not to the object.

#include "designer/pages/TypedPage.h"
#include "preview/ControlPreview.h"

template <class Coll>
class CEdgeFieldPage : public CTypedPage<Coll> {
public:
    using R = typename Coll::Record;
    using CTypedPage<Coll>::CTypedPage;

protected:
    void BuildProperties(vd::PropertyGrid& grid) override {
        this->AddGeneral(grid);
        vd::GroupItem* look = grid.addCategory(QStringLiteral("Appearance"));
        vd::GroupItem* edges = vd::addGroup(look, QStringLiteral("EdgeImage"), true);
        // The three-state selector's values are the frames' own indices.
        for (const vd::preview::SelectorOption& state : vd::preview::ThreeStateSelector().options) {
            const size_t index = static_cast<size_t>(state.value);
            this->AddImageField(edges, QString::fromLatin1(state.label),
                                [index](R& r) -> SkinImageBase& { return r.edges[index]; });
        }
        look->setExpanded(true);
        this->AddActionCategory(grid);
    }
};
