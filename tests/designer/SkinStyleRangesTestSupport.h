#pragma once
// Mouse handling for the tests of the skinned range controls: the mouse over a point of a widget (so the
// control knows which of its pieces is hovered), and a button held or dragged there.

#include <QApplication>
#include <QHoverEvent>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QWidget>

#include "SkinStyleTestSupport.h"

namespace styletest {

// Moves the mouse over `at` of widget: the widget is under the mouse and knows the piece it is over.
inline void HoverAt(QWidget* widget, QPoint at) {
    StyleFixture::Hover(widget);
    QHoverEvent enter(QEvent::HoverEnter, QPointF(at), QPointF(at), QPointF(-1, -1));
    QApplication::sendEvent(widget, &enter);
    QHoverEvent move(QEvent::HoverMove, QPointF(at), QPointF(at), QPointF(at));
    QApplication::sendEvent(widget, &move);
}

inline void Mouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButtons held) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}
inline void Press(QWidget* widget, QPoint at) { Mouse(widget, QEvent::MouseButtonPress, at, Qt::LeftButton); }
inline void DragTo(QWidget* widget, QPoint at) { Mouse(widget, QEvent::MouseMove, at, Qt::LeftButton); }
inline void Release(QWidget* widget, QPoint at) { Mouse(widget, QEvent::MouseButtonRelease, at, Qt::NoButton); }

// Whether two grabs differ nowhere.
inline bool SameImage(const QImage& a, const QImage& b) { return a.size() == b.size() && a == b; }

}  // namespace styletest
