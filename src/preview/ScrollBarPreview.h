#pragma once
// The scroll-bar preview: a horizontal bar along the bottom and a vertical bar along the right edge of a
// framed area, in the state the page's "State" selector chooses, with the thumb placed by the page's
// "Max", "PageSize" and "Pos" as a scrolled window would place it, and the dead corner where they meet.

#include <vector>

#include "preview/PreviewKind.h"

namespace vd::preview {

inline constexpr QSize kScrollBarPreviewSize{300, 200};

// The page's scroll range, page size and position the thumb is drawn for: captions and first values.
inline constexpr const char* kScrollMaxCaption = "Max";
inline constexpr const char* kScrollPageCaption = "PageSize";
inline constexpr const char* kScrollPosCaption = "Pos";
inline constexpr int kScrollMaxInitial = 140;
inline constexpr int kScrollPageInitial = 40;
inline constexpr int kScrollPosInitial = 10;
// Max and PageSize are typed in; a million is more than any list a skin author previews.
inline constexpr int kScrollRangeLimit = 1000000;

// "State", "Max", "PageSize" and "Pos", in the order the page lists them.
std::vector<SelectorInfo> ScrollBarSelectors();

void DrawScrollBarPreview(QPainter& painter, const PreviewContext& ctx);

}  // namespace vd::preview
