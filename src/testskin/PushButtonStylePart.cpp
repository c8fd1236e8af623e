#include "testskin/PushButtonStylePart.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

#include "Helpers/SkinBase.h"
#include "Resource/ResObjects/ResButton.h"
#include "platform/FrameControls.h"
#include "platform/LogFontQt.h"
#include "preview/PreviewCommon.h"
#include "testskin/MnemonicText.h"
#include "testskin/SkinStyle.h"

namespace {

// Room around the text of a button sized by its contents, and between an icon and the text.
constexpr int kTextPaddingX = 10;
constexpr int kTextPaddingY = 4;
constexpr int kIconGap = 4;
// However large a picture a skin names, a button asks for no more than this as its natural size.
constexpr int kMaxNaturalSide = 512;

// How the standard push button shows a state that has no picture.
uint32_t StandardLook(int state) {
    switch (state) {
    case kSkinPressed: return vd::DFCS_PUSHED;
    case kSkinDisabled: return vd::DFCS_INACTIVE;
    case kSkinHighlighted: return vd::DFCS_HOT;
    default: return 0;
    }
}

}  // namespace

int PushButtonStylePart::ButtonStateOf(const QStyleOptionButton& option) {
    if (!(option.state & QStyle::State_Enabled)) return kSkinDisabled;
    if (option.state & (QStyle::State_Sunken | QStyle::State_On)) return kSkinPressed;
    if (option.state & QStyle::State_MouseOver) return kSkinHighlighted;
    if (option.features & QStyleOptionButton::DefaultButton) return kSkinDefault;
    return kSkinNormal;
}

const SkinButtonStruct* PushButtonStylePart::RecordFor(const QStyleOption* option, const QWidget* widget) const {
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    if (!button || !qobject_cast<const QPushButton*>(widget) || (button->features & QStyleOptionButton::Flat))
        return nullptr;
    return FirstRecordOf(Style().Document()->Buttons());
}

bool PushButtonStylePart::DrawControl(QStyle::ControlElement element, const QStyleOption* option, QPainter* painter,
                                      const QWidget* widget) const {
    if (element != QStyle::CE_PushButtonBevel && element != QStyle::CE_PushButtonLabel) return false;
    const SkinButtonStruct* record = RecordFor(option, widget);
    if (!record) return false;
    const auto& button = *qstyleoption_cast<const QStyleOptionButton*>(option);
    const int state = ButtonStateOf(button);
    const auto i = static_cast<size_t>(state);
    if (element == QStyle::CE_PushButtonBevel) {
        if (!vd::preview::DrawImageRef(*painter, button.rect, record->images[i])) {
            QRect face = button.rect;
            vd::DrawFrameControl(*painter, face, vd::DFC_BUTTON, vd::DFCS_BUTTONPUSH | StandardLook(state),
                                 Style().Document()->Env());
        }
        return true;
    }
    QRect textRect = button.rect;
    if (!button.icon.isNull() && !button.iconSize.isEmpty()) {
        const QIcon::Mode mode = state == kSkinDisabled ? QIcon::Disabled : QIcon::Normal;
        const QPixmap pixmap = button.icon.pixmap(button.iconSize, painter->device()->devicePixelRatio(), mode);
        const QSize shown = button.iconSize;
        const int textWidth = button.text.isEmpty() || !record->drawText
                                  ? 0
                                  : QFontMetrics(vd::ToQFont(record->font)).horizontalAdvance(WithoutMnemonics(button.text));
        const int whole = shown.width() + (textWidth ? kIconGap + textWidth : 0);
        const int x = button.rect.x() + std::max(0, (button.rect.width() - whole) / 2);
        painter->drawPixmap(QRect(QPoint(x, button.rect.y() + (button.rect.height() - shown.height()) / 2), shown), pixmap);
        if (textWidth) textRect = QRect(x + shown.width() + kIconGap, button.rect.y(), textWidth, button.rect.height());
    }
    if (record->drawText && !button.text.isEmpty())
        vd::DrawStyledText(*painter, WithoutMnemonics(button.text), textRect, record->font, record->styles[i]);
    return true;
}

std::optional<QRect> PushButtonStylePart::SubElementRect(QStyle::SubElement element, const QStyleOption* option,
                                                        const QWidget* widget) const {
    // The text style's alignment and insets count from the button's edges, as the skin author set them.
    if (element != QStyle::SE_PushButtonContents || !RecordFor(option, widget)) return std::nullopt;
    return option->rect;
}

std::optional<QSize> PushButtonStylePart::SizeFromContents(QStyle::ContentsType type, const QStyleOption* option,
                                                          const QSize&, const QWidget* widget) const {
    if (type != QStyle::CT_PushButton) return std::nullopt;
    const SkinButtonStruct* record = RecordFor(option, widget);
    if (!record) return std::nullopt;
    const auto& button = *qstyleoption_cast<const QStyleOptionButton*>(option);
    const SkinTextStyle& style = record->styles[kSkinNormal];
    QSize text(0, 0);
    if (record->drawText && !button.text.isEmpty())
        text = QFontMetrics(vd::ToQFont(record->font)).size(Qt::TextSingleLine, WithoutMnemonics(button.text));
    int w = text.width(), h = text.height();
    if (!button.icon.isNull() && !button.iconSize.isEmpty()) {
        w += button.iconSize.width() + (w ? kIconGap : 0);
        h = std::max(h, button.iconSize.height());
    }
    const auto inset = [](int a, int b) { return std::clamp(vd::preview::Bounded(static_cast<long long>(a) + b), 0, kMaxNaturalSide); };
    w += 2 * kTextPaddingX + inset(style.leftOffset, style.rightOffset);
    h += 2 * kTextPaddingY + inset(style.topOffset, style.bottomOffset);
    // The picture is drawn to fill the button: at its own size it looks as its author drew it, and its
    // corners must fit whatever the text needs.
    const SkinImageBase& picture = record->images[kSkinNormal];
    if (vd::preview::NamesPicture(picture)) {
        w = std::max({w, std::clamp(vd::preview::SliceWidth(picture), 0, kMaxNaturalSide),
                      inset(picture.leftWidth, picture.rightWidth)});
        h = std::max({h, std::clamp(vd::preview::SliceHeight(picture), 0, kMaxNaturalSide),
                      inset(picture.topHeight, picture.bottomHeight)});
    }
    return QSize(w, h);
}
