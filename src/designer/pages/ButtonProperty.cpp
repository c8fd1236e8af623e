#include "designer/pages/ButtonProperty.h"

namespace {

// The preview's "State" selector, whose labels name the states everywhere on this page.
const vd::preview::SelectorInfo& StateSelector() {
    static const vd::preview::SelectorInfo* const selector =
        vd::preview::FindSelector(*vd::preview::FindPreviewKind(2000), "State");
    return *selector;
}

QString StateLabel(int state) {
    for (const vd::preview::SelectorOption& option : StateSelector().options)
        if (option.value == state) return QString::fromLatin1(option.label);
    return QString::number(state);
}

// The order the states are listed in the grid.
constexpr int kGridStates[] = {vd::preview::kStateNormal, vd::preview::kStatePressed, vd::preview::kStateHighlighted,
                               vd::preview::kStateDisabled, vd::preview::kStateDefault};

}  // namespace

CButtonProperty::CButtonProperty() : CTypedPage(2000) {
    m_nPreviewWidth = vd::preview::kButtonPreviewSize.width();
    m_nPreviewHeight = vd::preview::kButtonPreviewSize.height();
}

vd::preview::SelectorValues CButtonProperty::PreviewSelectors() const {
    return {{StateSelector().caption, m_pressed ? vd::preview::kStatePressed : m_previewState}};
}

bool CButtonProperty::InPreview(QPoint pt) const {
    if (!m_hasPreviewRect) return false;
    return pt.x() >= m_rcPreview.left && pt.x() < m_rcPreview.right && pt.y() >= m_rcPreview.top &&
           pt.y() < m_rcPreview.bottom;
}

int CButtonProperty::OnLButtonDown(QPoint pt) {
    m_ptMouse = pt;
    if (InPreview(pt)) m_pressed = true;
    return -1;
}

int CButtonProperty::OnLButtonUp(QPoint pt) {
    m_ptMouse = pt;
    m_pressed = false;
    m_previewState = vd::preview::kStateNormal;
    if (m_pGrid) m_pGrid->refreshValues();
    return -1;
}

void CButtonProperty::BuildProperties(vd::PropertyGrid& grid) {
    m_nPreviewWidth = vd::preview::kButtonPreviewSize.width();
    m_nPreviewHeight = vd::preview::kButtonPreviewSize.height();

    AddGeneral(grid);

    vd::GroupItem* look = grid.addCategory(QStringLiteral("Appearance"));
    AddPositionField(look);
    for (int state : kGridStates) {
        const char* key = kButtonStateKeys[static_cast<size_t>(state)];
        vd::GroupItem* group = vd::addGroup(look, StateLabel(state), true);
        const Field* image = FindField(key, FieldType::Image);
        if (image)
            AddImageField(group, QStringLiteral("Image"),
                          [image](Record& r) -> SkinImageBase& { return image->Ref<SkinImageBase>(r); });
        AddTextStyleField(group, QStringLiteral("TextStyle"), FindField(key, FieldType::TextStyle));
    }
    AddFontField(look, QStringLiteral("Font"), FindField("", FieldType::Font));
    AddTextField(look, QStringLiteral("ToolTip"), "Tt");
    vd::addBool(look, QStringLiteral("Skinable"), IntField(CResButton::Table().Find("Skin"), QStringLiteral("Skinable")));
    vd::addBool(look, QStringLiteral("DrawText"), IntField(CResButton::Table().Find("DT"), QStringLiteral("DrawText")));
    look->setExpanded(true);

    vd::GroupItem* action = grid.addCategory(QStringLiteral("Action"));
    QList<vd::EnumEntry> states;
    for (const vd::preview::SelectorOption& option : StateSelector().options)
        states.append({QString::fromLatin1(option.label), option.value});
    vd::IntBinding state{[this] { return m_previewState; }, [this](const int& v) { m_previewState = v; },
                         StateSelector().initial};
    vd::addEnum(action, QString::fromLatin1(StateSelector().caption), states, state);
    action->setExpanded(true);
}
