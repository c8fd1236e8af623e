#include "testskin/StaticStylePart.h"

#include <QLabel>
#include <QPainter>
#include <QStatusBar>
#include <QToolBar>
#include <QVariant>

#include <algorithm>

#include "Resource/ResObjects/ResStatic.h"
#include "platform/LogFontQt.h"
#include "platform/QtConvert.h"
#include "preview/PreviewCommon.h"
#include "testskin/SkinStyle.h"

namespace {

// What the label had of its own before the style dressed it, kept on the label until Unpolish.
constexpr const char* kSavedFont = "vornadeskStaticFont";
constexpr const char* kSavedPalette = "vornadeskStaticPalette";
constexpr const char* kSavedMargins = "vornadeskStaticMargins";
// However large an inset a skin names, a label keeps no more than this on a side.
constexpr int kMaxInset = 64;

int Inset(long long value) { return static_cast<int>(std::clamp(value, 0LL, static_cast<long long>(kMaxInset))); }

// The text keeps the style's insets from the label's edges, and off a painted background also its
// picture's corners, as the static draws its text inside them.
QMargins TextMargins(const SkinStatic& record) {
    const SkinTextStyle& style = record.textStyles[0];
    QMargins m(Inset(style.leftOffset), Inset(style.topOffset), Inset(style.rightOffset), Inset(style.bottomOffset));
    const SkinImageBase& back = record.backgrounds[0];
    if (!record.transparent && vd::preview::NamesPicture(back))
        m += QMargins(Inset(back.leftWidth), Inset(back.topHeight), Inset(back.rightWidth), Inset(back.bottomHeight));
    return QMargins(std::min(m.left(), kMaxInset), std::min(m.top(), kMaxInset), std::min(m.right(), kMaxInset),
                    std::min(m.bottom(), kMaxInset));
}

}  // namespace

bool StaticStylePart::IsStatic(const QWidget* widget) {
    if (!qobject_cast<const QLabel*>(widget)) return false;
    for (const QWidget* up = widget->parentWidget(); up; up = up->parentWidget())
        if (qobject_cast<const QStatusBar*>(up) || qobject_cast<const QToolBar*>(up)) return false;
    return true;
}

const SkinStatic* StaticStylePart::RecordFor(const QWidget* widget) const {
    if (!IsStatic(widget) || !Style().Document()) return nullptr;
    return FirstRecordOf(Style().Document()->Statics());
}

void StaticStylePart::Polish(QWidget* widget) const {
    const SkinStatic* record = RecordFor(widget);
    if (!record) return;
    if (!widget->property(kSavedFont).isValid()) {
        // A font or palette the label did not set itself is saved as an empty one, so that restoring it
        // lets the label inherit again.
        widget->setProperty(kSavedFont, widget->testAttribute(Qt::WA_SetFont) ? widget->font() : QFont());
        widget->setProperty(kSavedPalette,
                            widget->testAttribute(Qt::WA_SetPalette) ? widget->palette() : QPalette());
        widget->setProperty(kSavedMargins, QVariant::fromValue(widget->contentsMargins()));
    }
    widget->setContentsMargins(widget->property(kSavedMargins).value<QMargins>() + TextMargins(*record));
    widget->setFont(vd::ToQFont(record->font));
    QPalette palette = widget->palette();
    const QColor normal = vd::ToQColor(record->textStyles[0].textColor);
    palette.setColor(QPalette::Active, QPalette::WindowText, normal);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, normal);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, vd::ToQColor(record->textStyles[1].textColor));
    widget->setPalette(palette);
}

void StaticStylePart::Unpolish(QWidget* widget) const {
    const QVariant font = widget->property(kSavedFont);
    if (!font.isValid()) return;
    widget->setFont(font.value<QFont>());
    widget->setPalette(widget->property(kSavedPalette).value<QPalette>());
    widget->setContentsMargins(widget->property(kSavedMargins).value<QMargins>());
    for (const char* name : {kSavedFont, kSavedPalette, kSavedMargins}) widget->setProperty(name, QVariant());
}

bool StaticStylePart::DrawControl(QStyle::ControlElement element, const QStyleOption* option, QPainter* painter,
                                  const QWidget* widget) const {
    // A label paints its frame, then its text: the background goes with the frame.
    if (element != QStyle::CE_ShapedFrame) return false;
    const SkinStatic* record = RecordFor(widget);
    if (!record || record->transparent) return false;
    const size_t state = (option->state & QStyle::State_Enabled) ? 0 : 1;
    // The frame's rectangle stops at the contents margins the text insets made; the background does not.
    const QRect whole = widget->rect();
    if (!vd::preview::DrawImageRef(*painter, whole, record->backgrounds[state]))
        painter->fillRect(whole, vd::ToQColor(record->backgroundColors[state]));
    Style().baseStyle()->drawControl(element, option, painter, widget);
    return true;
}
