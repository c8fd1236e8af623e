#include "designer/propertygrid/ResetWrapper.h"

#include "designer/propertygrid/PropertyEditor.h"

#include <QApplication>
#include <QChildEvent>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>

namespace vd {

namespace {

// A small anticlockwise arrow, drawn so it follows the palette and needs no image files.
QIcon resetIcon(const QPalette& palette) {
    QIcon icon;
    for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled}) {
        QPixmap pixmap(QSize(14, 14) * 2);
        pixmap.setDevicePixelRatio(2);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        QColor c = palette.color(mode == QIcon::Disabled ? QPalette::Disabled : QPalette::Active, QPalette::Text);
        if (mode == QIcon::Disabled)
            c.setAlpha(70);
        p.setPen(QPen(c, 1.6, Qt::SolidLine, Qt::RoundCap));
        const QRectF arc(2.5, 2.5, 9, 9);
        p.drawArc(arc, 100 * 16, 270 * 16);
        QPainterPath head;
        head.moveTo(6.2, 0.6);
        head.lineTo(6.2, 5.4);
        head.lineTo(2.4, 3.0);
        head.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(c);
        p.drawPath(head);
        p.end();
        icon.addPixmap(pixmap, mode);
    }
    return icon;
}

}  // namespace

ResetWrapper::ResetWrapper(PropertyEditor* editor, bool hasDefault, const QModelIndex& index, QWidget* parent)
    : QWidget(parent), m_editor(editor), m_index(index) {
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    editor->setParent(this);
    layout->addWidget(editor, 1);
    if (hasDefault) {
        m_reset = new QToolButton(this);
        m_reset->setObjectName(QStringLiteral("resetButton"));
        m_reset->setAutoRaise(true);
        m_reset->setFocusPolicy(Qt::NoFocus);
        m_reset->setIcon(resetIcon(palette()));
        m_reset->setToolTip(tr("Reset to default"));
        m_reset->setFixedWidth(22);
        m_reset->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        layout->addWidget(m_reset);
        connect(m_reset, &QToolButton::clicked, this, &ResetWrapper::resetRequested);
    }
    setFocusProxy(editor->focusTarget());
    watch(this);
}

void ResetWrapper::setResetEnabled(bool enabled) {
    if (m_reset)
        m_reset->setEnabled(enabled);
}

void ResetWrapper::watch(QObject* object) {
    // Popups of the editor (a list's drop-down) keep their own keys: Escape there closes the popup.
    if (object != this && static_cast<QWidget*>(object)->isWindow())
        return;
    object->installEventFilter(this);
    for (QObject* child : object->children())
        if (child->isWidgetType())
            watch(child);
}

bool ResetWrapper::isEditingKey(const QKeyEvent* event) {
    const Qt::KeyboardModifiers mods = event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    const int key = event->key();
    if (key >= Qt::Key_F1 && key <= Qt::Key_F35)
        return false;
    if (mods == Qt::NoModifier)
        return true;
    if (mods == Qt::ControlModifier) {
        switch (key) {
        case Qt::Key_A: case Qt::Key_C: case Qt::Key_V: case Qt::Key_X: case Qt::Key_Z: case Qt::Key_Y:
        case Qt::Key_Left: case Qt::Key_Right: case Qt::Key_Home: case Qt::Key_End:
        case Qt::Key_Backspace: case Qt::Key_Delete: case Qt::Key_Insert:
            return true;
        default:
            return false;
        }
    }
    return false;
}

bool ResetWrapper::keepsShortcut(const QKeyEvent* event) const {
    if (isEditingKey(event))
        return true;
    // A Ctrl command (Delete object, Paste...) would act on the document with the typed text not yet in it.
    if (!(event->modifiers() & Qt::ControlModifier))
        return false;
    return !m_passing.contains(QKeySequence(event->keyCombination()));
}

bool ResetWrapper::eventFilter(QObject* watched, QEvent* event) {
    if (watched != this && watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow())
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::ChildAdded: {
        QObject* child = static_cast<QChildEvent*>(event)->child();
        if (child->isWidgetType())
            watch(child);
        break;
    }
    case QEvent::ShortcutOverride: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (keepsShortcut(key)) {
            key->accept();
            return true;
        }
        break;
    }
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (mods != Qt::NoModifier)
                break;
            emit commitRequested();
            m_editor->selectAll();
            return true;
        case Qt::Key_Escape:
            emit revertRequested();
            return true;
        case Qt::Key_Tab:
            if (mods != Qt::NoModifier)
                break;
            emit navigateRequested(+1);
            return true;
        case Qt::Key_Backtab:
            emit navigateRequested(-1);
            return true;
        default:
            break;
        }
        break;
    }
    case QEvent::FocusOut: {
        // Focus moving to a dialog or popup of the editor, or to another window, is not leaving the edit.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
            break;
        const QWidget* now = QApplication::focusWidget();
        if (now && (now == this || isAncestorOf(now)))
            break;
        emit commitRequested();
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace vd
