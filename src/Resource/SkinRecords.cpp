#include "Resource/SkinRecords.h"

namespace {

// One axis: pos/size in and out; refPos/refSize the reference, lo/hi the container's edges.
void PlaceAxis(const SkinPositionBase& rule, int refPos, int refSize, int lo, int hi, int& pos, int& size) {
    if (rule.ignore != 0) {
        pos = refPos;
        size = refSize;
        return;
    }
    const int extent = hi - lo;
    auto percentage = [&] { return static_cast<int>(static_cast<long long>(extent) * rule.sizeValue / 100); };
    switch (rule.alignType) {
    case 0:
        pos = lo + rule.nearOffset;
        switch (rule.spaceType) {
        case 0: break;
        case 1: size = extent - pos - rule.sizeValue; break;
        case 2: size = percentage(); break;
        default: size = rule.sizeValue; break;
        }
        break;
    case 1:
        switch (rule.spaceType) {
        case 0:
        case 1: break;
        case 2: size = percentage(); break;
        default: size = rule.sizeValue; break;
        }
        pos = lo + (extent - size) / 2;
        break;
    case 2:
        switch (rule.spaceType) {
        case 0: size = extent - rule.farOffset - rule.sizeValue; break;
        case 1: break;
        case 2: size = percentage(); break;
        default: size = rule.sizeValue; break;
        }
        pos = hi - rule.farOffset - size;
        break;
    default: break;
    }
}

}  // namespace

void Place(const SkinPlacement& placement, const Rect& reference, const Rect& container, int& left, int& top,
           int& width, int& height) {
    PlaceAxis(placement.horz, reference.left, reference.Width(), container.left, container.right, left, width);
    PlaceAxis(placement.vert, reference.top, reference.Height(), container.top, container.bottom, top, height);
}
