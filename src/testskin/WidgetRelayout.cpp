#include "testskin/WidgetRelayout.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

void RelayoutAfterRestyle(QWidget* widget) {
    if (!widget || !widget->testAttribute(Qt::WA_WState_Polished)) return;
    QEvent change(QEvent::StyleChange);
    QCoreApplication::sendEvent(widget, &change);
}
