#include "testskin/MdiChildStylePart.h"

#include <QMdiSubWindow>
#include <QPainter>

#include <algorithm>

#include "Helpers/SkinBase.h"
#include "Resource/ResObjects/ResFrame.h"
#include "Resource/ResObjects/ResSysButton.h"
#include "platform/FrameControls.h"
#include "platform/QtConvert.h"
#include "preview/FrameParts.h"
#include "preview/PreviewCommon.h"
#include "testskin/SkinStyle.h"

namespace {

using vd::preview::Bounded;
using vd::preview::kSmallIconSize;
using vd::preview::NamesPicture;

// Indexes of the MDI button pictures.
enum MdiState { kMdiNormal = 0, kMdiPressed = 1, kMdiDisabled = 2, kMdiHighlighted = 3, kMdiInactive = 4 };
// Caption button types of the minimised caption, and the title bar button each one is.
enum MinimisedType { kMinClose = 6, kMinMax = 7, kMinRestore = 8 };

// Borders and caption heights from a skin file are bounded to what a child window can use.
constexpr int kMaxBorder = 64;
constexpr int kMaxTitleBar = 256;
// Between the close button and the others, between the icon and the title, and around buttons without pictures.
constexpr int kCloseGap = 2;
constexpr int kTitleGap = 4;
constexpr int kButtonMargin = 2;

bool IsMinimised(const QStyleOptionTitleBar& option) { return option.titleBarState & Qt::WindowMinimized; }

QStyle::SubControl SubControlOf(int minimisedType) {
    switch (minimisedType) {
    case kMinClose: return QStyle::SC_TitleBarCloseButton;
    case kMinMax: return QStyle::SC_TitleBarMaxButton;
    default: return QStyle::SC_TitleBarNormalButton;
    }
}

QStyle::StandardPixmap GlyphOf(QStyle::SubControl sub) {
    switch (sub) {
    case QStyle::SC_TitleBarCloseButton: return QStyle::SP_TitleBarCloseButton;
    case QStyle::SC_TitleBarMinButton: return QStyle::SP_TitleBarMinButton;
    case QStyle::SC_TitleBarMaxButton: return QStyle::SP_TitleBarMaxButton;
    default: return QStyle::SP_TitleBarNormalButton;
    }
}

// The frame's caption buttons of the minimised caption.
std::vector<const SkinSysButton*> MinimisedButtons(const CSkinDocument& doc, const SkinFrame& f) {
    std::vector<const SkinSysButton*> out;
    const CResSysButton& buttons = doc.SysButtons();
    for (size_t i = 0; i < buttons.Count(); ++i) {
        const SkinSysButton* b = buttons.At(i);
        if (b->ownerFrameId == f.ID && vd::preview::IsMinimisedCaptionButton(b->type)) out.push_back(b);
    }
    return out;
}

int LeftInset(const SkinFrame& f, const QRect& title) { return std::clamp(Bounded(f.leftMargin), 0, title.width() / 4); }
int RightInset(const SkinFrame& f, const QRect& title) { return std::clamp(Bounded(f.rightMargin), 0, title.width() / 4); }

QRect IconRect(const SkinFrame& f, const QStyleOptionTitleBar& option) {
    if (!f.drawIcon || !(option.titleBarFlags & Qt::WindowSystemMenuHint)) return QRect();
    const QRect& r = option.rect;
    const int x = r.x() + LeftInset(f, r) + std::clamp(Bounded(f.iconLeftOffset), 0, r.width() / 2);
    return QRect(x, r.y() + (r.height() - kSmallIconSize) / 2, kSmallIconSize, kSmallIconSize);
}

}  // namespace

const SkinFrame* MdiChildStylePart::FrameFor(const QWidget* widget) const {
    const auto* child = qobject_cast<const QMdiSubWindow*>(widget);
    if (!child || !child->parentWidget() || (child->windowFlags() & Qt::FramelessWindowHint)) return nullptr;
    return Style().Frame();
}

int MdiChildStylePart::MdiButtonState(const QStyleOptionTitleBar& option, QStyle::SubControl button) {
    if (!(option.state & QStyle::State_Enabled)) return kMdiDisabled;
    if (!(option.state & QStyle::State_Active)) return kMdiInactive;
    if (option.activeSubControls & button) {
        if (option.state & QStyle::State_Sunken) return kMdiPressed;
        if (option.state & QStyle::State_MouseOver) return kMdiHighlighted;
    }
    return kMdiNormal;
}

std::vector<MdiChildStylePart::TitleButton> MdiChildStylePart::TitleButtons(const SkinFrame& f,
                                                                           const QStyleOptionTitleBar& option) const {
    std::vector<TitleButton> out;
    const QRect& r = option.rect;
    const bool minimised = IsMinimised(option);
    if (minimised) {
        for (const SkinSysButton* b : MinimisedButtons(*Style().Document(), f))
            out.push_back({SubControlOf(b->type), vd::preview::CaptionButtonRect(*b, r), nullptr, b});
        if (!out.empty()) return out;
    }
    const Qt::WindowFlags flags = option.titleBarFlags;
    const bool maximised = option.titleBarState & Qt::WindowMaximized;
    // From the right: close, a small gap, restore, minimise, as on a maximised child's menu bar.
    int right = r.x() + r.width() - (minimised ? kButtonMargin : RightInset(f, r));
    const auto place = [&](QStyle::SubControl sub, const std::array<SkinImageBase, 5>& pictures, int gapAfter) {
        const SkinImageBase& normal = pictures[kMdiNormal];
        int w = r.height() - 2 * kButtonMargin, h = w;
        if (NamesPicture(normal)) {
            w = std::clamp(vd::preview::SliceWidth(normal), 0, r.width() / 3);
            h = std::clamp(vd::preview::SliceHeight(normal), 0, r.height());
        }
        w = std::max(w, 0);
        h = std::max(h, 0);
        out.push_back({sub, QRect(right - w, r.y() + (r.height() - h) / 2, w, h), &pictures, nullptr});
        right -= w + gapAfter;
    };
    if (flags & Qt::WindowSystemMenuHint) place(QStyle::SC_TitleBarCloseButton, f.mdiClose, kCloseGap);
    if ((minimised && (flags & Qt::WindowMinimizeButtonHint)) || (maximised && (flags & Qt::WindowMaximizeButtonHint)))
        place(QStyle::SC_TitleBarNormalButton, f.mdiRestore, 0);
    if (!minimised && (flags & Qt::WindowMinimizeButtonHint)) place(QStyle::SC_TitleBarMinButton, f.mdiMin, 0);
    return out;
}

void MdiChildStylePart::DrawTitleButton(QPainter& painter, const TitleButton& button,
                                        const QStyleOptionTitleBar& option) const {
    if (!button.pictures || button.rect.isEmpty()) return;
    const auto& pictures = *button.pictures;
    const int state = MdiButtonState(option, button.sub);
    // A state without a picture shows the normal one.
    const SkinImageBase& picture = NamesPicture(pictures[static_cast<size_t>(state)])
                                       ? pictures[static_cast<size_t>(state)]
                                       : pictures[kMdiNormal];
    if (vd::preview::DrawImageRef(painter, button.rect, picture)) return;
    // No picture at all: a standard button with the platform's glyph, so the button can still be found.
    QRect face = button.rect;
    vd::DrawFrameControl(painter, face, vd::DFC_BUTTON,
                         vd::DFCS_BUTTONPUSH | (state == kMdiPressed ? vd::DFCS_PUSHED : 0u) |
                             (state == kMdiDisabled ? vd::DFCS_INACTIVE : 0u),
                         Style().Document()->Env());
    const QIcon glyph = Style().baseStyle()->standardIcon(GlyphOf(button.sub), &option);
    const int side = std::max(0, std::min(face.width(), face.height()));
    glyph.paint(&painter, QRect(face.x() + (face.width() - side) / 2, face.y() + (face.height() - side) / 2, side, side));
}

bool MdiChildStylePart::DrawComplexControl(QStyle::ComplexControl control, const QStyleOptionComplex* option,
                                           QPainter* painter, const QWidget* widget) const {
    if (control != QStyle::CC_TitleBar) return false;
    const SkinFrame* f = FrameFor(widget);
    const auto* title = qstyleoption_cast<const QStyleOptionTitleBar*>(option);
    if (!f || !title) return false;
    const bool active = title->state & QStyle::State_Active;
    const SkinFrame shown = vd::preview::FrameAsShown(*f, active);
    const CSkinDocument& doc = *Style().Document();
    painter->save();
    painter->setClipRect(title->rect, Qt::IntersectClip);
    const std::vector<TitleButton> buttons = TitleButtons(*f, *title);
    if (IsMinimised(*title)) {
        vd::preview::DrawMinimisedCaption(*painter, shown, title->rect, title->text);
        if (!buttons.empty() && buttons.front().caption)
            vd::preview::DrawCaptionButtons(*painter, doc, f->ID, title->rect, vd::preview::IsMinimisedCaptionButton);
    } else {
        // The caption is the top of the whole window's frame: the side borders may run up beside it.
        const QSize whole = widget->size();
        const vd::preview::FrameLayout layout(shown, whole.width(), whole.height(), false);
        vd::preview::DrawFrameWindow(*painter, doc.Env(), shown, layout, whole, QString(), false);
        const QRect icon = IconRect(shown, *title);
        if (!icon.isEmpty()) vd::preview::DrawChildWindowIcon(*painter, icon.x(), icon.y());
        const QRect label =
            SubControlRect(QStyle::CC_TitleBar, title, QStyle::SC_TitleBarLabel, widget).value_or(title->rect);
        vd::DrawStyledText(*painter, title->text, label, shown.captionFont, shown.captionActive);
    }
    for (const TitleButton& button : buttons) DrawTitleButton(*painter, button, *title);
    painter->restore();
    return true;
}

bool MdiChildStylePart::DrawPrimitive(QStyle::PrimitiveElement element, const QStyleOption* option,
                                      QPainter* painter, const QWidget* widget) const {
    if (element != QStyle::PE_FrameWindow) return false;
    const SkinFrame* f = FrameFor(widget);
    if (!f) return false;
    const SkinFrame shown = vd::preview::FrameAsShown(*f, option->state & QStyle::State_Active);
    const QSize whole = option->rect.size();
    const vd::preview::FrameLayout layout(shown, whole.width(), whole.height(), false);
    painter->save();
    painter->translate(option->rect.topLeft());
    // The window's own background shows wherever the child's contents leave it uncovered.
    painter->fillRect(layout.client, vd::ToQColor(shown.background));
    vd::preview::DrawFrameWindow(*painter, Style().Document()->Env(), shown, layout, whole, QString(), false);
    painter->restore();
    return true;
}

std::optional<QRect> MdiChildStylePart::SubControlRect(QStyle::ComplexControl control,
                                                      const QStyleOptionComplex* option, QStyle::SubControl sub,
                                                      const QWidget* widget) const {
    if (control != QStyle::CC_TitleBar) return std::nullopt;
    const SkinFrame* f = FrameFor(widget);
    const auto* title = qstyleoption_cast<const QStyleOptionTitleBar*>(option);
    if (!f || !title) return std::nullopt;
    const QRect& r = title->rect;
    const std::vector<TitleButton> buttons = TitleButtons(*f, *title);
    switch (sub) {
    case QStyle::SC_TitleBarSysMenu: return IsMinimised(*title) ? QRect() : IconRect(*f, *title);
    case QStyle::SC_TitleBarLabel: {
        const QRect icon = IconRect(*f, *title);
        int left = icon.isEmpty() ? r.x() + LeftInset(*f, r) : icon.x() + icon.width();
        left += kTitleGap;
        int right = r.x() + r.width() - RightInset(*f, r);
        for (const TitleButton& b : buttons)
            if (!b.rect.isEmpty()) right = std::min(right, b.rect.x() - kTitleGap);
        return QRect(left, r.y(), std::max(0, right - left), r.height());
    }
    case QStyle::SC_TitleBarMinButton:
    case QStyle::SC_TitleBarMaxButton:
    case QStyle::SC_TitleBarNormalButton:
    case QStyle::SC_TitleBarCloseButton:
        for (const TitleButton& b : buttons)
            if (b.sub == sub) return b.rect;
        return QRect();
    default: return QRect();
    }
}

std::optional<int> MdiChildStylePart::PixelMetric(QStyle::PixelMetric metric, const QStyleOption*,
                                                  const QWidget* widget) const {
    if (metric != QStyle::PM_TitleBarHeight && metric != QStyle::PM_MdiSubWindowFrameWidth &&
        metric != QStyle::PM_MdiSubWindowMinimizedWidth)
        return std::nullopt;
    const SkinFrame* f = FrameFor(widget);
    if (!f) return std::nullopt;
    switch (metric) {
    case QStyle::PM_TitleBarHeight:
        if (widget->isMinimized()) return std::clamp(vd::preview::MinimisedChildHeight(*f), 0, kMaxTitleBar);
        return std::clamp(vd::preview::SliceHeight(f->activeTop), 0, kMaxTitleBar);
    case QStyle::PM_MdiSubWindowFrameWidth:
        return std::clamp(std::max({vd::preview::SliceWidth(f->activeLeft), vd::preview::SliceWidth(f->activeRight),
                                    vd::preview::SliceHeight(f->activeBottom)}),
                          0, kMaxBorder);
    default: return vd::preview::kMinimisedChildWidth;
    }
}

std::optional<int> MdiChildStylePart::StyleHint(QStyle::StyleHint hint, const QStyleOption*, const QWidget* widget,
                                                QStyleHintReturn*) const {
    // The caption is the frame's top border: nothing is drawn around it, and the frame's pictures keep their
    // own corners (no rounded mask). Buttons light under the mouse.
    if (hint != QStyle::SH_TitleBar_NoBorder && hint != QStyle::SH_TitleBar_AutoRaise &&
        hint != QStyle::SH_WindowFrame_Mask)
        return std::nullopt;
    if (!FrameFor(widget)) return std::nullopt;
    return hint == QStyle::SH_WindowFrame_Mask ? 0 : 1;
}
