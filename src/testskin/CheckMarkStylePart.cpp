#include "testskin/CheckMarkStylePart.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QPainter>
#include <QRadioButton>

#include <algorithm>

#include "Helpers/SkinBase.h"
#include "Resource/ResObjects/ResCheckBox.h"
#include "platform/FrameControls.h"
#include "platform/LogFontQt.h"
#include "preview/CheckMarkPreview.h"
#include "preview/PreviewCommon.h"
#include "testskin/MnemonicText.h"
#include "testskin/SkinStyle.h"

namespace {

// However large a mark picture a skin names, the indicator grows no larger than this.
constexpr int kMaxIndicatorSide = 256;

bool Shows(const SkinImageBase& image) {
    return vd::preview::NamesPicture(image) && vd::preview::SliceWidth(image) > 0 && vd::preview::SliceHeight(image) > 0;
}

}  // namespace

std::optional<CheckMarkStylePart::Look> CheckMarkStylePart::LookFor(const QWidget* widget) const {
    const CSkinDocument& doc = *Style().Document();
    Look look;
    if (m_kind == Kind::CheckBox) {
        const SkinCheckBox* box = qobject_cast<const QCheckBox*>(widget) ? FirstRecordOf(doc.CheckBoxes()) : nullptr;
        if (!box) return std::nullopt;
        look.marks = {&box->unchecked, &box->checked, &box->halfChecked};
        look.showText = box->showText != 0;
        look.font = &box->font;
    } else {
        const SkinRadioBox* radio = qobject_cast<const QRadioButton*>(widget) ? FirstRecordOf(doc.RadioBoxes()) : nullptr;
        if (!radio) return std::nullopt;
        look.marks = {&radio->unchecked, &radio->checked, nullptr};
        look.showText = radio->showText != 0;
        look.font = &radio->font;
    }
    return look;
}

int CheckMarkStylePart::MarkOf(const QStyleOption& option, const Look& look) const {
    if ((option.state & QStyle::State_NoChange) && look.marks[vd::preview::kMarkHalfChecked])
        return vd::preview::kMarkHalfChecked;
    return (option.state & QStyle::State_On) ? vd::preview::kMarkChecked : vd::preview::kMarkUnchecked;
}

QSize CheckMarkStylePart::IndicatorSize(const Look& look) const {
    QSize size;
    for (const SkinStateImages<4>* set : look.marks)
        if (set)
            for (const SkinImageBase& image : set->images)
                if (Shows(image))
                    size = size.expandedTo(QSize(std::min(vd::preview::SliceWidth(image), kMaxIndicatorSide),
                                                 std::min(vd::preview::SliceHeight(image), kMaxIndicatorSide)));
    if (size.isEmpty()) return QSize(vd::preview::kCheckMarkSystemSize, vd::preview::kCheckMarkSystemSize);
    return size;
}

bool CheckMarkStylePart::DrawPrimitive(QStyle::PrimitiveElement element, const QStyleOption* option,
                                       QPainter* painter, const QWidget* widget) const {
    const auto mine = m_kind == Kind::CheckBox ? QStyle::PE_IndicatorCheckBox : QStyle::PE_IndicatorRadioButton;
    if (element != mine) return false;
    const std::optional<Look> look = LookFor(widget);
    if (!look) return false;
    const int mark = MarkOf(*option, *look);
    const auto state = static_cast<size_t>(StateIndexOf(*option));
    const SkinImageBase& image = look->marks[static_cast<size_t>(mark)]->images[state];
    // The picture at its own size, centred on the indicator (which is as large as the largest mark).
    const QRect& area = option->rect;
    if (Shows(image)) {
        const QSize own(std::min(vd::preview::SliceWidth(image), kMaxIndicatorSide),
                        std::min(vd::preview::SliceHeight(image), kMaxIndicatorSide));
        const QRect at(area.x() + (area.width() - own.width()) / 2, area.y() + (area.height() - own.height()) / 2,
                       own.width(), own.height());
        if (vd::preview::DrawImageRef(*painter, at, image)) return true;
    }
    const int side = vd::preview::kCheckMarkSystemSize;
    QRect box(area.x() + (area.width() - side) / 2, area.y() + (area.height() - side) / 2, side, side);
    const uint32_t control = m_kind == Kind::CheckBox ? vd::DFCS_BUTTONCHECK : vd::DFCS_BUTTONRADIO;
    vd::DrawFrameControl(*painter, box, vd::DFC_BUTTON, vd::preview::CheckMarkSystemLook(control, mark, state),
                         Style().Document()->Env());
    return true;
}

bool CheckMarkStylePart::DrawControl(QStyle::ControlElement element, const QStyleOption* option, QPainter* painter,
                                     const QWidget* widget) const {
    const auto mine = m_kind == Kind::CheckBox ? QStyle::CE_CheckBoxLabel : QStyle::CE_RadioButtonLabel;
    if (element != mine) return false;
    const std::optional<Look> look = LookFor(widget);
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    if (!look || !button) return false;
    QRect textRect = button->rect;
    if (!button->icon.isNull() && !button->iconSize.isEmpty()) {
        const QIcon::Mode mode = (button->state & QStyle::State_Enabled) ? QIcon::Normal : QIcon::Disabled;
        const QSize icon = button->iconSize;
        painter->drawPixmap(QRect(QPoint(textRect.x(), textRect.y() + (textRect.height() - icon.height()) / 2), icon),
                            button->icon.pixmap(icon, painter->device()->devicePixelRatio(), mode));
        textRect.setLeft(textRect.left() + icon.width() + 4);
    }
    if (look->showText && !button->text.isEmpty()) {
        const int mark = MarkOf(*option, *look);
        const auto state = static_cast<size_t>(StateIndexOf(*option));
        vd::DrawStyledText(*painter, WithoutMnemonics(button->text), textRect, *look->font,
                           look->marks[static_cast<size_t>(mark)]->styles[state]);
    }
    return true;
}

std::optional<int> CheckMarkStylePart::PixelMetric(QStyle::PixelMetric metric, const QStyleOption*,
                                                   const QWidget* widget) const {
    const bool check = m_kind == Kind::CheckBox;
    const bool width = metric == (check ? QStyle::PM_IndicatorWidth : QStyle::PM_ExclusiveIndicatorWidth);
    const bool height = metric == (check ? QStyle::PM_IndicatorHeight : QStyle::PM_ExclusiveIndicatorHeight);
    if (!width && !height) return std::nullopt;
    const std::optional<Look> look = LookFor(widget);
    if (!look) return std::nullopt;
    const QSize size = IndicatorSize(*look);
    return width ? size.width() : size.height();
}

std::optional<QSize> CheckMarkStylePart::SizeFromContents(QStyle::ContentsType type, const QStyleOption* option,
                                                         const QSize&, const QWidget* widget) const {
    if (type != (m_kind == Kind::CheckBox ? QStyle::CT_CheckBox : QStyle::CT_RadioButton)) return std::nullopt;
    const std::optional<Look> look = LookFor(widget);
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    if (!look || !button) return std::nullopt;
    const QSize indicator = IndicatorSize(*look);
    // The label is measured in the font it is drawn in, with the text style's insets around it.
    QSize label(0, 0);
    if (look->showText && !button->text.isEmpty()) {
        const SkinTextStyle& style = look->marks[vd::preview::kMarkUnchecked]->styles[kSkinNormal];
        label = QFontMetrics(vd::ToQFont(*look->font)).size(Qt::TextSingleLine, WithoutMnemonics(button->text));
        label += QSize(std::clamp(vd::preview::Bounded(static_cast<long long>(style.leftOffset) + style.rightOffset), 0,
                                  kMaxIndicatorSide),
                       std::clamp(vd::preview::Bounded(static_cast<long long>(style.topOffset) + style.bottomOffset), 0,
                                  kMaxIndicatorSide));
    }
    if (!button->icon.isNull() && !button->iconSize.isEmpty())
        label = QSize(label.width() + button->iconSize.width() + 4, std::max(label.height(), button->iconSize.height()));
    if (label.isEmpty()) return indicator;
    const int spacing = Style().pixelMetric(
        m_kind == Kind::CheckBox ? QStyle::PM_CheckBoxLabelSpacing : QStyle::PM_RadioButtonLabelSpacing, option, widget);
    return QSize(indicator.width() + spacing + label.width(), std::max(indicator.height(), label.height()));
}
