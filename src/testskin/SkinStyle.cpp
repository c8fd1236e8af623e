#include "testskin/SkinStyle.h"

#include <QCoreApplication>
#include <QEvent>
#include <QMetaObject>
#include <QStyleFactory>
#include <QWidget>

SkinStateIndex StateIndexOf(const QStyleOption& option) {
    if (!(option.state & QStyle::State_Enabled)) return kSkinDisabled;
    if (option.state & QStyle::State_Sunken) return kSkinPressed;
    if (option.state & QStyle::State_MouseOver) return kSkinHighlighted;
    return kSkinNormal;
}

namespace {

void Append(SkinStyleParts& to, SkinStyleParts from) {
    for (auto& part : from) to.push_back(std::move(part));
}

// The first answer of the parts, or the platform style's.
template <class Ask, class Fallback>
auto FirstAnswer(const SkinStyleParts& parts, bool haveSkin, Ask ask, Fallback fallback) {
    if (haveSkin)
        for (const auto& part : parts)
            if (auto answer = ask(*part)) return *answer;
    return fallback();
}

}  // namespace

CSkinStyle::CSkinStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {
    setObjectName(QStringLiteral("vornadesk-skin"));
    Append(m_parts, MakeButtonParts(*this));
    Append(m_parts, MakeRangeParts(*this));
    Append(m_parts, MakeFieldParts(*this));
    Append(m_parts, MakeBarParts(*this));
    Append(m_parts, MakeMenuParts(*this));
}

CSkinStyle::~CSkinStyle() = default;

void CSkinStyle::SetSource(const CSkinDocument* doc, const SkinFrame* frame) {
    m_doc = doc;
    m_frame = frame;
}

void CSkinStyle::ApplyTo(QWidget* root) {
    if (!root) return;
    m_roots.append(root);
    Adopt(root);
}

void CSkinStyle::Adopt(QWidget* widget) {
    // Setting a style can make new children (a combo box makes its list), so look again until none is left.
    for (;;) {
        QList<QWidget*> widgets = widget->findChildren<QWidget*>();
        widgets.prepend(widget);
        bool changed = false;
        for (QWidget* w : widgets) {
            w->removeEventFilter(this);
            w->installEventFilter(this);
            if (w->style() != this) {
                w->setStyle(this);
                changed = true;
            }
        }
        if (!changed) return;
    }
}

bool CSkinStyle::eventFilter(QObject* watched, QEvent* event) {
    // Widgets made later inside a styled one (a combo box's list, a menu) take the style. The child is still
    // being constructed when it is added, so it is adopted once control returns to the event loop, before
    // it paints.
    if (event->type() == QEvent::ChildAdded) {
        QObject* child = static_cast<QChildEvent*>(event)->child();
        if (child->isWidgetType()) {
            QPointer<QWidget> widget(static_cast<QWidget*>(child));
            QMetaObject::invokeMethod(
                this, [this, widget] { if (widget) Adopt(widget); }, Qt::QueuedConnection);
        }
    }
    return QProxyStyle::eventFilter(watched, event);
}

void CSkinStyle::Refresh() {
    for (const QPointer<QWidget>& root : m_roots) {
        if (!root) continue;
        QList<QWidget*> widgets = root->findChildren<QWidget*>();
        widgets.prepend(root);
        for (QWidget* w : widgets) {
            if (w->style() != this) continue;
            unpolish(w);
            polish(w);
            // As after setStyle: views lay their items out again, cached size hints are dropped.
            QEvent changed(QEvent::StyleChange);
            QCoreApplication::sendEvent(w, &changed);
            w->updateGeometry();
            w->update();
        }
    }
}

void CSkinStyle::polish(QWidget* widget) {
    QProxyStyle::polish(widget);
    // Highlighted pictures need hover events on every control.
    widget->setAttribute(Qt::WA_Hover);
    if (m_doc)
        for (const auto& part : m_parts) part->Polish(widget);
}

void CSkinStyle::unpolish(QWidget* widget) {
    for (const auto& part : m_parts) part->Unpolish(widget);
    QProxyStyle::unpolish(widget);
}

void CSkinStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                               const QWidget* widget) const {
    if (m_doc && option)
        for (const auto& part : m_parts)
            if (part->DrawPrimitive(element, option, painter, widget)) return;
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void CSkinStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                             const QWidget* widget) const {
    if (m_doc && option)
        for (const auto& part : m_parts)
            if (part->DrawControl(element, option, painter, widget)) return;
    QProxyStyle::drawControl(element, option, painter, widget);
}

void CSkinStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                    const QWidget* widget) const {
    if (m_doc && option)
        for (const auto& part : m_parts)
            if (part->DrawComplexControl(control, option, painter, widget)) return;
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

QRect CSkinStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                                 const QWidget* widget) const {
    return FirstAnswer(
        m_parts, m_doc && option, [&](const SkinStylePart& p) { return p.SubControlRect(control, option, sub, widget); },
        [&] { return QProxyStyle::subControlRect(control, option, sub, widget); });
}

QRect CSkinStyle::subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const {
    return FirstAnswer(
        m_parts, m_doc && option, [&](const SkinStylePart& p) { return p.SubElementRect(element, option, widget); },
        [&] { return QProxyStyle::subElementRect(element, option, widget); });
}

int CSkinStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
    return FirstAnswer(
        m_parts, m_doc != nullptr, [&](const SkinStylePart& p) { return p.PixelMetric(metric, option, widget); },
        [&] { return QProxyStyle::pixelMetric(metric, option, widget); });
}

QSize CSkinStyle::sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                                   const QWidget* widget) const {
    return FirstAnswer(
        m_parts, m_doc && option,
        [&](const SkinStylePart& p) { return p.SizeFromContents(type, option, size, widget); },
        [&] { return QProxyStyle::sizeFromContents(type, option, size, widget); });
}

int CSkinStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                          QStyleHintReturn* returnData) const {
    return FirstAnswer(
        m_parts, m_doc != nullptr,
        [&](const SkinStylePart& p) { return p.StyleHint(hint, option, widget, returnData); },
        [&] { return QProxyStyle::styleHint(hint, option, widget, returnData); });
}
