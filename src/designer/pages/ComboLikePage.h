#pragma once
// The grid shared by the combo-box and date-time pages, whose records carry the same fields: the control's
// two frame pictures, then the drop-down button's face and arrow in the four states. The preview shows the
// state chosen with the "Action" row "State"; that choice belongs to the page, not to the object.

#include "designer/pages/TypedPage.h"
#include "preview/ControlPreview.h"

template <class Coll>
class CComboLikePage : public CTypedPage<Coll> {
public:
    using R = typename Coll::Record;

    // buttonGroup and arrowGroup name the sub-categories of the button faces and arrows.
    CComboLikePage(int typeBase, const char* buttonGroup, const char* arrowGroup)
        : CTypedPage<Coll>(typeBase), m_buttonGroup(buttonGroup), m_arrowGroup(arrowGroup) {}

protected:
    void BuildProperties(vd::PropertyGrid& grid) override {
        this->AddGeneral(grid);
        vd::GroupItem* look = grid.addCategory(QStringLiteral("Appearance"));
        // Two frames: index 0 serves every state but the disabled one.
        vd::GroupItem* edges = vd::addGroup(look, QStringLiteral("EdgeImage"), true);
        this->AddImageField(edges, QStringLiteral("Normal"), [](R& r) -> SkinImageBase& { return r.edges[0]; });
        this->AddImageField(edges, QStringLiteral("Disabled"), [](R& r) -> SkinImageBase& { return r.edges[1]; });
        AddStateImages(look, m_buttonGroup, [](R& r) -> auto& { return r.buttons; });
        AddStateImages(look, m_arrowGroup, [](R& r) -> auto& { return r.arrows; });
        look->setExpanded(true);
        this->AddActionCategory(grid);
    }

private:
    // A sub-category with one image row per state, labelled and ordered as the "State" row lists them, each
    // bound to the state's entry of the array (stored normal, pressed, disabled, highlighted).
    template <class Array>
    void AddStateImages(vd::PropertyItem* parent, const char* caption, Array array) {
        vd::GroupItem* group = vd::addGroup(parent, QString::fromLatin1(caption), true);
        for (const vd::preview::SelectorOption& state : vd::preview::FourStateSelector().options) {
            const size_t index = static_cast<size_t>(vd::preview::FourStateIndex(state.value));
            this->AddImageField(group, QString::fromLatin1(state.label),
                                [array, index](R& r) -> SkinImageBase& { return array(r)[index]; });
        }
    }

    const char* m_buttonGroup;
    const char* m_arrowGroup;
};
