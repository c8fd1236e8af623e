#include "designer/pages/ScrollBarProperty.h"

#include <array>

#include "preview/ControlPreview.h"
#include "preview/ScrollBarPreview.h"

namespace {

using States = SkinScrollBar::States;

// A run of four rows "<prefix>Normal", "<prefix>Press", "<prefix>Hot", "<prefix>Disabled" over one of the
// record's four-state arrays.
struct StateRows {
    const char* prefix;
    States SkinScrollBar::*member;
};

// The suffixes in the order the rows list the states: the four-state selector's order, so the record index
// of each row is FourStateIndex of its position.
constexpr std::array<const char*, 4> kSuffixes = {"Normal", "Press", "Hot", "Disabled"};

constexpr std::array<StateRows, 7> kHorzRows = {{{"BackImg", &SkinScrollBar::hBk},
                                                 {"BarImg", &SkinScrollBar::hBar},
                                                 {"Thumb", &SkinScrollBar::hThumb},
                                                 {"leftBtn", &SkinScrollBar::leftBtn},
                                                 {"leftArrow", &SkinScrollBar::leftArrow},
                                                 {"rightBtn", &SkinScrollBar::rightBtn},
                                                 {"rightArrow", &SkinScrollBar::rightArrow}}};
constexpr std::array<StateRows, 7> kVertRows = {{{"BackImg", &SkinScrollBar::vBk},
                                                 {"BarImg", &SkinScrollBar::vBar},
                                                 {"Thumb", &SkinScrollBar::vThumb},
                                                 {"upBtn", &SkinScrollBar::upBtn},
                                                 {"upArrow", &SkinScrollBar::upArrow},
                                                 {"downBtn", &SkinScrollBar::downBtn},
                                                 {"downArrow", &SkinScrollBar::downArrow}}};

// A number row's caption and the key of the field it edits.
struct NumberRow {
    const char* caption;
    const char* key;
};
constexpr std::array<NumberRow, 4> kNumberRows = {{{"HorzHeight", "HH"},
                                                   {"HorzArrowWidth", "HorzBtnWidth"},
                                                   {"VertWidth", "VW"},
                                                   {"VertArrowHeight", "VertBtnHeight"}}};

}  // namespace

void CScrollBarProperty::AddBar(vd::PropertyItem* parent, const QString& caption, bool horizontal) {
    vd::GroupItem* group = vd::addGroup(parent, caption, true);
    // Twenty-eight rows each: the bars start closed so the rest of the page stays in sight.
    group->setExpanded(false);
    for (const StateRows& rows : horizontal ? kHorzRows : kVertRows)
        for (size_t i = 0; i < kSuffixes.size(); ++i) {
            const size_t index = static_cast<size_t>(vd::preview::FourStateIndex(static_cast<int>(i)));
            States SkinScrollBar::*member = rows.member;
            AddImageField(group, QString::fromLatin1(rows.prefix) + QString::fromLatin1(kSuffixes[i]),
                          [member, index](Record& r) -> SkinImageBase& { return (r.*member)[index]; });
        }
}

void CScrollBarProperty::BuildProperties(vd::PropertyGrid& grid) {
    m_nPreviewWidth = vd::preview::kScrollBarPreviewSize.width();
    m_nPreviewHeight = vd::preview::kScrollBarPreviewSize.height();
    AddGeneral(grid);

    vd::GroupItem* look = grid.addCategory(QStringLiteral("Appearance"));
    AddBar(look, QStringLiteral("HorzScrollBar"), true);
    AddBar(look, QStringLiteral("VertScrollBar"), false);
    AddImageField(look, QStringLiteral("DeadNormal"), "DN");
    AddImageField(look, QStringLiteral("DeadDisabled"), "DDis");
    AddImageField(look, QStringLiteral("BorderImg"), "BI");
    for (const NumberRow& row : kNumberRows) {
        const QString caption = QString::fromLatin1(row.caption);
        vd::addNumber(look, caption, IntField(CResScrollBar::Table().Find(row.key), caption));
    }
    look->setExpanded(true);

    AddActionCategory(grid);
}
