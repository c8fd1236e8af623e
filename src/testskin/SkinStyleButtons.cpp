#include "testskin/CheckMarkStylePart.h"
#include "testskin/GroupBoxStylePart.h"
#include "testskin/MdiAreaStylePart.h"
#include "testskin/MdiChildStylePart.h"
#include "testskin/PushButtonStylePart.h"
#include "testskin/SkinStylePart.h"
#include "testskin/StaticStylePart.h"

SkinStyleParts MakeButtonParts(const CSkinStyle& style) {
    SkinStyleParts parts;
    parts.push_back(std::make_unique<PushButtonStylePart>(style));
    parts.push_back(std::make_unique<CheckMarkStylePart>(style, CheckMarkStylePart::Kind::CheckBox));
    parts.push_back(std::make_unique<CheckMarkStylePart>(style, CheckMarkStylePart::Kind::Radio));
    parts.push_back(std::make_unique<GroupBoxStylePart>(style));
    parts.push_back(std::make_unique<StaticStylePart>(style));
    parts.push_back(std::make_unique<MdiAreaStylePart>(style));
    parts.push_back(std::make_unique<MdiChildStylePart>(style));
    return parts;
}
