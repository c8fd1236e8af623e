#pragma once
// One piece of the test program's style: the look of one kind of control drawn from the skin's record of
// that kind. The style asks its parts in turn; a part answers only for the elements of its own widgets and
// only while the skin holds a record of its kind, so a kind the skin lacks keeps the platform look.

#include <QStyle>
#include <QStyleOption>

#include <memory>
#include <optional>
#include <vector>

#include "Resource/SkinDocument.h"

class CSkinStyle;
class QPainter;
class QWidget;

class SkinStylePart {
public:
    explicit SkinStylePart(const CSkinStyle& style) : m_style(style) {}
    virtual ~SkinStylePart() = default;
    SkinStylePart(const SkinStylePart&) = delete;
    SkinStylePart& operator=(const SkinStylePart&) = delete;

    // Widget set-up when the style is applied and taken away (fonts, palettes, attributes). Called for
    // every widget; a part touches only its own.
    virtual void Polish(QWidget*) const {}
    virtual void Unpolish(QWidget*) const {}

    // Each returns false or nullopt for what the part does not draw or measure; the next part, and at last
    // the platform style, answers then.
    virtual bool DrawPrimitive(QStyle::PrimitiveElement, const QStyleOption*, QPainter*, const QWidget*) const {
        return false;
    }
    virtual bool DrawControl(QStyle::ControlElement, const QStyleOption*, QPainter*, const QWidget*) const {
        return false;
    }
    virtual bool DrawComplexControl(QStyle::ComplexControl, const QStyleOptionComplex*, QPainter*,
                                    const QWidget*) const {
        return false;
    }
    virtual std::optional<QRect> SubControlRect(QStyle::ComplexControl, const QStyleOptionComplex*,
                                                QStyle::SubControl, const QWidget*) const {
        return std::nullopt;
    }
    virtual std::optional<QRect> SubElementRect(QStyle::SubElement, const QStyleOption*, const QWidget*) const {
        return std::nullopt;
    }
    virtual std::optional<int> PixelMetric(QStyle::PixelMetric, const QStyleOption*, const QWidget*) const {
        return std::nullopt;
    }
    virtual std::optional<QSize> SizeFromContents(QStyle::ContentsType, const QStyleOption*, const QSize&,
                                                  const QWidget*) const {
        return std::nullopt;
    }
    virtual std::optional<int> StyleHint(QStyle::StyleHint, const QStyleOption*, const QWidget*,
                                         QStyleHintReturn*) const {
        return std::nullopt;
    }

protected:
    const CSkinStyle& Style() const { return m_style; }

private:
    const CSkinStyle& m_style;
};

using SkinStyleParts = std::vector<std::unique_ptr<SkinStylePart>>;

// The record a control of a kind is drawn from: the first of its collection, or null when there is none.
template <class Collection>
auto FirstRecordOf(const Collection& collection) -> decltype(collection.At(0)) {
    return collection.Count() ? collection.At(0) : nullptr;
}

// The state index of records that store Normal, Pressed, Disabled, Highlighted (and Default) in that order,
// as a control in option's state shows: disabled before pressed before hovered.
enum SkinStateIndex { kSkinNormal = 0, kSkinPressed = 1, kSkinDisabled = 2, kSkinHighlighted = 3, kSkinDefault = 4 };
SkinStateIndex StateIndexOf(const QStyleOption& option);

// The parts of each group of controls, in the order the style asks them.
SkinStyleParts MakeButtonParts(const CSkinStyle& style);  // push, check and radio buttons, group boxes, labels, MDI
SkinStyleParts MakeRangeParts(const CSkinStyle& style);   // scroll bars, sliders, spin boxes, progress bars
SkinStyleParts MakeFieldParts(const CSkinStyle& style);   // combo boxes, line edits, date-time edits, lists, headers
SkinStyleParts MakeBarParts(const CSkinStyle& style);     // tab widgets, tool bars, status bars
SkinStyleParts MakeMenuParts(const CSkinStyle& style);    // popup menus
