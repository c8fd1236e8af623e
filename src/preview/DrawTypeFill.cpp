#include "preview/DrawTypeFill.h"

#include <algorithm>

#include "Helpers/SkinBase.h"

namespace vd::preview {
namespace {
constexpr int kMaxStep = 255;
}

void FillByDrawType(QPainter& painter, const QRect& rect, Color start, Color end, int drawType, int step) {
    if (rect.isEmpty()) return;
    switch (drawType) {
    case kGradientVert: FillGradient(painter, rect, start, end, false); break;
    case kRecursive: FillStepped(painter, rect, start, false, false, std::clamp(step, -kMaxStep, kMaxStep)); break;
    default: FillGradient(painter, rect, start, end, true); break;
    }
}

}  // namespace vd::preview
