#include "testskin/SkinStylePart.h"

#include "testskin/ProgressBarStylePart.h"
#include "testskin/ScrollBarStylePart.h"
#include "testskin/SliderStylePart.h"
#include "testskin/SpinBoxStylePart.h"

SkinStyleParts MakeRangeParts(const CSkinStyle& style) {
    SkinStyleParts parts;
    parts.push_back(std::make_unique<ScrollBarStylePart>(style));
    parts.push_back(std::make_unique<SliderStylePart>(style));
    parts.push_back(std::make_unique<SpinBoxStylePart>(style));
    parts.push_back(std::make_unique<ProgressBarStylePart>(style));
    return parts;
}
