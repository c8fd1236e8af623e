#include "testskin/SkinStylePart.h"

#include "testskin/StatusBarStylePart.h"
#include "testskin/TabStylePart.h"
#include "testskin/ToolBarStylePart.h"

SkinStyleParts MakeBarParts(const CSkinStyle& style) {
    SkinStyleParts parts;
    parts.push_back(std::make_unique<TabStylePart>(style));
    parts.push_back(std::make_unique<ToolBarStylePart>(style));
    parts.push_back(std::make_unique<StatusBarStylePart>(style));
    return parts;
}
