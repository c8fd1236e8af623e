#include "designer/pages/TrackbarProperty.h"

#include <array>
#include <utility>

#include "preview/TrackbarPreview.h"

namespace {

// The channel sub-categories: "Normal" is element 0, "Disabled" element 1.
struct ChannelRows {
    const char* caption;
    std::array<SkinImageBase, 2> SkinTrackbar::*member;
};
constexpr std::array<ChannelRows, 2> kChannels = {{{"HorzChannel", &SkinTrackbar::horzChannel},
                                                   {"VertChannel", &SkinTrackbar::vertChannel}}};
constexpr std::array<const char*, 2> kChannelCaptions = {"Normal", "Disabled"};

struct ThumbRows {
    const char* caption;
    SkinStateImageSet<5> SkinTrackbar::*member;
};
constexpr std::array<ThumbRows, 6> kThumbs = {{{"ThumbHorzImage", &SkinTrackbar::thumbHorz},
                                               {"ThumbVertImage", &SkinTrackbar::thumbVert},
                                               {"ThumbUpImage", &SkinTrackbar::thumbUp},
                                               {"ThumbDownImage", &SkinTrackbar::thumbDown},
                                               {"ThumbLeftImage", &SkinTrackbar::thumbLeft},
                                               {"ThumbRightImage", &SkinTrackbar::thumbRight}}};

// The thumb rows in the order the page lists them, with the state index each edits (the sets are stored
// Normal, Press, Disabled, Highlighted, Default). This page alone spells "ImageHighLighted" so.
constexpr std::array<std::pair<const char*, size_t>, 5> kThumbStates = {
    {{"ImageNormal", 0}, {"ImagePressed", 1}, {"ImageHighLighted", 3}, {"ImageDisabled", 2}, {"ImageDefault", 4}}};

}  // namespace

void CTrackbarProperty::BuildProperties(vd::PropertyGrid& grid) {
    m_nPreviewWidth = vd::preview::kTrackbarPreviewSize.width();
    m_nPreviewHeight = vd::preview::kTrackbarPreviewSize.height();
    AddGeneral(grid);

    vd::GroupItem* look = grid.addCategory(QStringLiteral("Appearance"));
    for (const ChannelRows& channel : kChannels) {
        vd::GroupItem* group = vd::addGroup(look, QString::fromLatin1(channel.caption), true);
        for (size_t i = 0; i < kChannelCaptions.size(); ++i) {
            auto member = channel.member;
            AddImageField(group, QString::fromLatin1(kChannelCaptions[i]),
                          [member, i](Record& r) -> SkinImageBase& { return (r.*member)[i]; });
        }
    }
    for (const ThumbRows& thumb : kThumbs) {
        vd::GroupItem* group = vd::addGroup(look, QString::fromLatin1(thumb.caption), true);
        // Thirty rows in all: the thumbs start closed so the rest of the page stays in sight.
        group->setExpanded(false);
        for (const auto& [caption, index] : kThumbStates) {
            auto member = thumb.member;
            const size_t s = index;
            AddImageField(group, QString::fromLatin1(caption),
                          [member, s](Record& r) -> SkinImageBase& { return (r.*member).images[s]; });
        }
    }
    const QString showFocus = QStringLiteral("ShowFocus");
    vd::addBool(look, showFocus, IntField(CResTrackBar::Table().Find("ShowFocus"), showFocus));
    look->setExpanded(true);

    AddActionCategory(grid);
}
