#include "testskin/SkinStylePart.h"

#include "testskin/ComboBoxStylePart.h"
#include "testskin/DateTimeStylePart.h"
#include "testskin/HeaderStylePart.h"
#include "testskin/LineEditStylePart.h"
#include "testskin/ListBoxStylePart.h"

SkinStyleParts MakeFieldParts(const CSkinStyle& style) {
    SkinStyleParts parts;
    parts.push_back(std::make_unique<DateTimeStylePart>(style));
    parts.push_back(std::make_unique<ComboBoxStylePart>(style));
    parts.push_back(std::make_unique<LineEditStylePart>(style));
    parts.push_back(std::make_unique<ListBoxStylePart>(style));
    parts.push_back(std::make_unique<HeaderStylePart>(style));
    return parts;
}
