#include "testskin/ToolBarStylePart.h"

#include <QFontMetrics>
#include <QPainter>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

#include "Helpers/SkinBase.h"
#include "Resource/ResObjects/ResToolBar.h"
#include "platform/ArrowGlyphs.h"
#include "platform/DrawText.h"
#include "platform/FrameEdges.h"
#include "platform/LogFontQt.h"
#include "platform/QtConvert.h"
#include "preview/PreviewCommon.h"
#include "preview/ToolBarPreview.h"
#include "testskin/MnemonicText.h"
#include "testskin/SkinStyle.h"

using namespace vd::preview;

namespace {

// The Selected button picture shows a checked button; the drop-down parts' last state is Floated: the part
// of a drop-down button that stays up while its other part is pressed.
constexpr int kSelected = 4;
constexpr int kFloated = 4;
// Air around a caption and between an icon and its caption.
constexpr int kGap = 4;
// However large a picture a skin names, a tool bar part asks for no more than this.
constexpr int kMaxPartSide = 256;
// Room left beside a separator or gripper picture.
constexpr int kPartAir = 2;
// A separator without a picture: the etched line and air on both sides.
constexpr int kEtchedExtent = 6;

const QToolBar* BarOf(const QWidget* widget) {
    if (!widget) return nullptr;
    if (const auto* bar = qobject_cast<const QToolBar*>(widget)) return bar;
    return qobject_cast<const QToolBar*>(widget->parentWidget());
}

// Buttons of the bar's own commands; the extension button that opens the overflow keeps the platform look.
bool IsBarButton(const QWidget* widget) {
    return qobject_cast<const QToolButton*>(widget) && qobject_cast<const QToolBar*>(widget->parentWidget()) &&
           widget->objectName() != QLatin1String("qt_toolbar_ext_button");
}

bool IsHorizontalBar(const QStyleOption* option, const QWidget* widget) {
    if (const QToolBar* bar = BarOf(widget)) return bar->orientation() == Qt::Horizontal;
    return option && (option->state & QStyle::State_Horizontal);
}

// A bar part's picture as it stands across the bar: a horizontal bar shows the upright pictures
// ("Separator", "Gripper"), a vertical bar the lying ones.
int OwnThickness(const SkinImageBase& image, bool horizontalBar) {
    if (!NamesPicture(image)) return 0;
    return std::clamp(horizontalBar ? SliceWidth(image) : SliceHeight(image), 0, kMaxPartSide);
}

// Draws a separator or gripper picture centred across rect at its own thickness, kToolBarPartInset in from
// the bar's edges along it; false when it names no picture.
bool DrawBarPart(QPainter& painter, const QRect& rect, const SkinImageBase& image, bool horizontalBar) {
    const int thickness = OwnThickness(image, horizontalBar);
    if (thickness <= 0) return false;
    const QRect part = horizontalBar ? QRect(rect.left() + (rect.width() - thickness) / 2, rect.top() + kToolBarPartInset,
                                             thickness, rect.height() - 2 * kToolBarPartInset)
                                     : QRect(rect.left() + kToolBarPartInset, rect.top() + (rect.height() - thickness) / 2,
                                             rect.width() - 2 * kToolBarPartInset, thickness);
    return DrawImageRef(painter, part, image);
}

bool ShowsText(const QStyleOptionToolButton& button) {
    return button.toolButtonStyle != Qt::ToolButtonIconOnly && !button.text.isEmpty();
}
bool ShowsIcon(const QStyleOptionToolButton& button) {
    return button.toolButtonStyle != Qt::ToolButtonTextOnly && !button.icon.isNull();
}

// A button with a menu but no separate menu part still shows its arrow, in a strip the button is made
// wider for.
bool HasArrowStrip(const QStyleOptionToolButton& button) {
    return button.features & (QStyleOptionToolButton::HasMenu | QStyleOptionToolButton::MenuButtonPopup);
}

char GlyphOf(Qt::ArrowType arrow) {
    switch (arrow) {
    case Qt::LeftArrow: return '3';
    case Qt::RightArrow: return '4';
    case Qt::UpArrow: return '5';
    default: return '6';
    }
}

}  // namespace

int ToolBarStylePart::ButtonStateOf(const QStyleOption& option) {
    if (!(option.state & QStyle::State_Enabled)) return kSkinDisabled;
    if (option.state & QStyle::State_Sunken) return kSkinPressed;
    if (option.state & QStyle::State_On) return kSelected;
    if (option.state & QStyle::State_MouseOver) return kSkinHighlighted;
    return kSkinNormal;
}

const SkinToolBar* ToolBarStylePart::Record() const { return FirstRecordOf(Style().Document()->ToolBars()); }

bool ToolBarStylePart::DrawControl(QStyle::ControlElement element, const QStyleOption* option, QPainter* painter,
                                   const QWidget* widget) const {
    if (element != QStyle::CE_ToolBar || !qobject_cast<const QToolBar*>(widget)) return false;
    const SkinToolBar* bar = Record();
    if (!bar) return false;
    // A transparent bar shows what lies behind it.
    if (!bar->transparentBk && !DrawImageRef(*painter, option->rect, bar->background))
        painter->fillRect(option->rect, vd::ToQColor(bar->backgroundColor));
    return true;
}

bool ToolBarStylePart::DrawPrimitive(QStyle::PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                     const QWidget* widget) const {
    if (element != QStyle::PE_IndicatorToolBarHandle && element != QStyle::PE_IndicatorToolBarSeparator) return false;
    if (!BarOf(widget)) return false;
    const SkinToolBar* bar = Record();
    if (!bar) return false;
    const bool horizontal = IsHorizontalBar(option, widget);
    if (element == QStyle::PE_IndicatorToolBarHandle) {
        // Without a gripper picture the platform's handle shows where the bar can be dragged.
        return DrawBarPart(*painter, option->rect, horizontal ? bar->gripper : bar->gripperHorz, horizontal);
    }
    if (!DrawBarPart(*painter, option->rect, horizontal ? bar->separator : bar->separatorHorz, horizontal)) {
        const QRect& r = option->rect;
        const SystemEnvironment& env = Style().Document()->Env();
        if (horizontal)
            vd::DrawEtchedLine(*painter, QPoint(r.left() + r.width() / 2 - 1, r.top() + kToolBarPartInset),
                               r.height() - 2 * kToolBarPartInset, Qt::Vertical, env);
        else
            vd::DrawEtchedLine(*painter, QPoint(r.left() + kToolBarPartInset, r.top() + r.height() / 2 - 1),
                               r.width() - 2 * kToolBarPartInset, Qt::Horizontal, env);
    }
    return true;
}

bool ToolBarStylePart::DrawComplexControl(QStyle::ComplexControl control, const QStyleOptionComplex* option,
                                          QPainter* painter, const QWidget* widget) const {
    if (control != QStyle::CC_ToolButton || !IsBarButton(widget)) return false;
    const auto* button = qstyleoption_cast<const QStyleOptionToolButton*>(option);
    const SkinToolBar* bar = button ? Record() : nullptr;
    if (!bar) return false;

    const int state = ButtonStateOf(*button);
    if (!HasArrowStrip(*button)) {
        DrawImageRef(*painter, button->rect, bar->buttonImages[static_cast<size_t>(state)]);
        DrawButtonFace(*bar, *button, button->rect, state, painter);
        return true;
    }

    // The command part and the arrow strip right of it; with a separate menu part each is pressed on its
    // own, and the other part floats meanwhile.
    const bool split = button->features & QStyleOptionToolButton::MenuButtonPopup;
    const QRect strip = split ? Style().subControlRect(QStyle::CC_ToolButton, button, QStyle::SC_ToolButtonMenu, widget)
                              : QRect(button->rect.right() + 1 - kToolBarDropStripWidth, button->rect.top(),
                                      kToolBarDropStripWidth, button->rect.height());
    const QRect face(button->rect.topLeft(), QPoint(strip.left() - 1, button->rect.bottom()));
    const bool menuDown = split && (button->state & QStyle::State_Sunken) &&
                          (button->activeSubControls & QStyle::SC_ToolButtonMenu);
    const bool faceDown = (button->state & QStyle::State_Sunken) && !menuDown;
    // The drop-down parts have no Selected picture: a checked drop-down button looks pressed.
    const int idle = state == kSelected ? int(kSkinPressed) : state;
    const int faceState = state == kSkinDisabled ? int(kSkinDisabled)
                        : faceDown             ? int(kSkinPressed)
                        : menuDown             ? kFloated
                                               : idle;
    const int stripState = state == kSkinDisabled ? int(kSkinDisabled)
                         : !split               ? faceState
                         : menuDown             ? int(kSkinPressed)
                         : faceDown             ? kFloated
                                                : idle;
    // The command's icon and caption keep their up look while only the menu part is down.
    const int faceLook = menuDown ? int(kSkinNormal) : state;
    if (!DrawImageRef(*painter, face, bar->dropLeft[static_cast<size_t>(faceState)]))
        DrawImageRef(*painter, face, bar->buttonImages[static_cast<size_t>(faceLook)]);
    DrawImageRef(*painter, strip, bar->dropRight[static_cast<size_t>(stripState)]);
    DrawButtonFace(*bar, *button, face, faceLook, painter);
    DrawDropArrow(*bar, strip, stripState, painter);
    return true;
}

void ToolBarStylePart::DrawButtonFace(const SkinToolBar& bar, const QStyleOptionToolButton& button,
                                      const QRect& face, int state, QPainter* painter) const {
    const SystemEnvironment& env = Style().Document()->Env();
    const bool text = ShowsText(button);
    const bool under = button.toolButtonStyle == Qt::ToolButtonTextUnderIcon;
    QRect caption = face;
    if (button.arrowType != Qt::NoArrow && button.toolButtonStyle != Qt::ToolButtonTextOnly) {
        const int em = vd::PointTenthsToPixels(kArrowGlyphPointTenths, kPreviewScreenDpi);
        vd::DrawMarlettArrow(*painter, text ? QRect(face.topLeft(), QSize(button.iconSize.width() + 2 * kGap, face.height())) : face,
                             GlyphOf(button.arrowType), em, vd::ToQColor(bar.buttonStyles[static_cast<size_t>(state)].textColor),
                             vd::DT_CENTER | vd::DT_VCENTER | vd::DT_SINGLELINE);
        caption.setLeft(face.left() + button.iconSize.width() + 2 * kGap);
    } else if (ShowsIcon(button)) {
        const QPixmap pixmap = button.icon.pixmap(button.iconSize, QIcon::Normal,
                                                  (button.state & QStyle::State_On) ? QIcon::On : QIcon::Off);
        const QSize size = pixmap.deviceIndependentSize().toSize().boundedTo(button.iconSize);
        QPoint at(face.left() + (face.width() - size.width()) / 2, face.top() + (face.height() - size.height()) / 2);
        if (text && under) {
            at.setY(face.top() + kGap);
            caption.setTop(at.y() + size.height());
        } else if (text) {
            at.setX(face.left() + kGap);
            caption.setLeft(at.x() + size.width());
        }
        const QRect icon(at, size);
        const QImage image = pixmap.toImage();
        if (state == kSkinHighlighted)
            vd::DrawRaisedIcon(*painter, image, icon, env);
        else if (state == kSkinDisabled)
            vd::DrawDisabledIcon(*painter, image, icon, env);
        else
            painter->drawImage(icon, image);
    }
    if (text)
        vd::DrawStyledText(*painter, WithoutMnemonics(button.text), caption, bar.font,
                           bar.buttonStyles[static_cast<size_t>(state)]);
}

void ToolBarStylePart::DrawDropArrow(const SkinToolBar& bar, const QRect& strip, int state, QPainter* painter) const {
    const SkinImageBase& arrow = bar.dropArrow[static_cast<size_t>(state)];
    const int w = std::clamp(SliceWidth(arrow), 0, kMaxPartSide), h = std::clamp(SliceHeight(arrow), 0, kMaxPartSide);
    const QRect at(strip.left() + (strip.width() - w) / 2, strip.top() + (strip.height() - h) / 2, w, h);
    if (!DrawImageRef(*painter, at, arrow))
        vd::DrawMarlettArrow(*painter, strip, '6', vd::PointTenthsToPixels(kArrowGlyphPointTenths, kPreviewScreenDpi),
                             vd::ToQColor(bar.arrowColors[static_cast<size_t>(state)]),
                             vd::DT_CENTER | vd::DT_VCENTER | vd::DT_SINGLELINE);
}

std::optional<int> ToolBarStylePart::PixelMetric(QStyle::PixelMetric metric, const QStyleOption* option,
                                                 const QWidget* widget) const {
    if (metric == QStyle::PM_MenuButtonIndicator) {
        if (!IsBarButton(widget) || !Record()) return std::nullopt;
        return kToolBarDropStripWidth;
    }
    if (metric != QStyle::PM_ToolBarSeparatorExtent && metric != QStyle::PM_ToolBarHandleExtent) return std::nullopt;
    if (!BarOf(widget)) return std::nullopt;
    const SkinToolBar* bar = Record();
    if (!bar) return std::nullopt;
    const bool horizontal = IsHorizontalBar(option, widget);
    if (metric == QStyle::PM_ToolBarHandleExtent) {
        const int thickness = OwnThickness(horizontal ? bar->gripper : bar->gripperHorz, horizontal);
        if (thickness <= 0) return std::nullopt;
        return thickness + 2 * kPartAir;
    }
    const int thickness = OwnThickness(horizontal ? bar->separator : bar->separatorHorz, horizontal);
    return thickness > 0 ? std::max(kEtchedExtent, thickness + 2 * kPartAir) : kEtchedExtent;
}

std::optional<QSize> ToolBarStylePart::SizeFromContents(QStyle::ContentsType type, const QStyleOption* option,
                                                        const QSize& size, const QWidget* widget) const {
    if (type != QStyle::CT_ToolButton || !IsBarButton(widget)) return std::nullopt;
    const auto* button = qstyleoption_cast<const QStyleOptionToolButton*>(option);
    const SkinToolBar* bar = button ? Record() : nullptr;
    if (!bar) return std::nullopt;
    // The contents were measured in the widget's font; the caption is drawn in the record's.
    QSize contents = size;
    if (ShowsText(*button)) {
        const QString text = WithoutMnemonics(button->text);
        const QSize own = QFontMetrics(vd::ToQFont(bar->font)).size(Qt::TextSingleLine, text);
        const QSize widgets = button->fontMetrics.size(Qt::TextSingleLine, text);
        if (button->toolButtonStyle == Qt::ToolButtonTextUnderIcon)
            contents = QSize(std::max(contents.width(), own.width()), contents.height() + own.height() - widgets.height());
        else
            contents = QSize(contents.width() + own.width() - widgets.width(), std::max(contents.height(), own.height()));
    }
    QSize result = Style().baseStyle()->sizeFromContents(type, option, contents.expandedTo(QSize(0, 0)), widget);
    if (ShowsText(*button)) result.rwidth() += kGap;
    // A button with a menu but no menu part still gets its arrow strip.
    if ((button->features & QStyleOptionToolButton::HasMenu) &&
        !(button->features & QStyleOptionToolButton::MenuButtonPopup))
        result.rwidth() += kToolBarDropStripWidth;
    // A button is at least as large as its normal picture.
    const SkinImageBase& normal = bar->buttonImages[kSkinNormal];
    if (NamesPicture(normal))
        result = result.expandedTo(QSize(std::clamp(SliceWidth(normal), 0, kMaxPartSide),
                                         std::clamp(SliceHeight(normal), 0, kMaxPartSide)));
    return result;
}
