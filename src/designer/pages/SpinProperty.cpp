#include "designer/pages/SpinProperty.h"

#include <array>

#include "preview/ControlPreview.h"
#include "preview/SpinPreview.h"

namespace {

using Set = SkinStateImageSet<4>;

struct SetRows {
    const char* caption;
    Set SkinSpin::*member;
};

constexpr std::array<SetRows, 8> kSets = {{{"LeftImage", &SkinSpin::leftBtn},
                                           {"LeftArrow", &SkinSpin::leftArrow},
                                           {"RightImage", &SkinSpin::rightBtn},
                                           {"RightArrow", &SkinSpin::rightArrow},
                                           {"UpImage", &SkinSpin::upBtn},
                                           {"UpArrow", &SkinSpin::upArrow},
                                           {"DownImage", &SkinSpin::downBtn},
                                           {"DownArrow", &SkinSpin::downArrow}}};

// The rows in grid order; the record index of each is FourStateIndex of its position.
constexpr std::array<const char*, 4> kStateRows = {"ImageNormal", "ImagePressed", "ImageHighlighted", "ImageDisabled"};

}  // namespace

void CSpinProperty::BuildProperties(vd::PropertyGrid& grid) {
    m_nPreviewWidth = vd::preview::kSpinPreviewSize.width();
    m_nPreviewHeight = vd::preview::kSpinPreviewSize.height();
    AddGeneral(grid);

    vd::GroupItem* look = grid.addCategory(QStringLiteral("Appearance"));
    for (const SetRows& set : kSets) {
        vd::GroupItem* group = vd::addGroup(look, QString::fromLatin1(set.caption), true);
        Set SkinSpin::*member = set.member;
        for (size_t row = 0; row < kStateRows.size(); ++row) {
            const size_t index = static_cast<size_t>(vd::preview::FourStateIndex(static_cast<int>(row)));
            AddImageField(group, QString::fromLatin1(kStateRows[row]),
                          [member, index](Record& r) -> SkinImageBase& { return (r.*member).images[index]; });
        }
    }
    look->setExpanded(true);

    AddActionCategory(grid);
}
