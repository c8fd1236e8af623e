#include "Resource/SkinRecords.h"

namespace {

// One axis: pos/size in and out; refPos/refSize the reference, lo/hi the container's edges. Worked out in
// 64 bits and saturated to int, so offsets and sizes from a hostile file cannot overflow.
void PlaceAxis(const SkinPositionBase& rule, int refPos, int refSize, int lo, int hi, int& pos, int& size) {
    if (rule.ignore != 0) {
        pos = refPos;
        size = refSize;
        return;
    }
    using Wide = long long;
    const Wide extent = Wide(hi) - lo;
    Wide p = pos, sz = size;
    const Wide percentage = extent * rule.sizeValue / 100;
    switch (rule.alignType) {
    case 0:
        p = Wide(lo) + rule.nearOffset;
        switch (rule.spaceType) {
        case 0: break;
        case 1: sz = extent - p - rule.sizeValue; break;
        case 2: sz = percentage; break;
        default: sz = rule.sizeValue; break;
        }
        break;
    case 1:
        switch (rule.spaceType) {
        case 0:
        case 1: break;
        case 2: sz = percentage; break;
        default: sz = rule.sizeValue; break;
        }
        p = lo + (extent - sz) / 2;
        break;
    case 2:
        switch (rule.spaceType) {
        case 0: sz = extent - rule.farOffset - rule.sizeValue; break;
        case 1: break;
        case 2: sz = percentage; break;
        default: sz = rule.sizeValue; break;
        }
        p = Wide(hi) - rule.farOffset - sz;
        break;
    default: break;
    }
    pos = Rect::Saturate(p);
    size = Rect::Saturate(sz);
}

}  // namespace

void Place(const SkinPlacement& placement, const Rect& reference, const Rect& container, int& left, int& top,
           int& width, int& height) {
    PlaceAxis(placement.horz, reference.left, reference.Width(), container.left, container.right, left, width);
    PlaceAxis(placement.vert, reference.top, reference.Height(), container.top, container.bottom, top, height);
}
