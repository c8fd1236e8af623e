#pragma once
// List views (a list widget) drawn from the skin's first list-box record: the background picture over the
// whole list, behind the items (the view's own background is switched off while the record is shown),
// items the record's height high, a selected item on the selected-background picture or the selection
// colour, item texts in the record's font and the normal or selected text style, and an item's icon at
// the record's image size left of, above or right of its text (after the style's check indicator when the
// item is checkable). A combo box's drop-down list is not drawn
// here.

#include "testskin/SkinStylePart.h"

struct SkinListBox;

class ListBoxStylePart : public SkinStylePart {
public:
    using SkinStylePart::SkinStylePart;

    void Polish(QWidget* widget) const override;
    void Unpolish(QWidget* widget) const override;
    bool DrawControl(QStyle::ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
    std::optional<QSize> SizeFromContents(QStyle::ContentsType type, const QStyleOption* option, const QSize& size,
                                          const QWidget* widget) const override;

private:
    const SkinListBox* RecordFor(const QWidget* widget) const;
    void DrawBackground(const SkinListBox& record, const QStyleOption& option, QPainter* painter,
                        const QWidget* widget) const;
    void DrawItem(const SkinListBox& record, const QStyleOptionViewItem& option, QPainter* painter,
                  const QWidget* widget) const;
};
