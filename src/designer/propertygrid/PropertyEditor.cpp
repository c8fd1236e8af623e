#include "designer/propertygrid/PropertyEditor.h"

#include <QHBoxLayout>

#include <QToolButton>

namespace vd {

QToolButton* PropertyEditor::makeEllipsisButton(QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setText(QStringLiteral("..."));
    button->setAutoRaise(false);
    button->setFocusPolicy(Qt::NoFocus);
    button->setCursor(Qt::ArrowCursor);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setFixedWidth(26);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    return button;
}

QToolButton* PropertyEditor::addDialogButton(QWidget* leading) {
    QToolButton* button = makeEllipsisButton(this);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(leading ? kContentInset : 0, 0, 0, 0);
    layout->setSpacing(0);
    if (leading) layout->addWidget(leading, 1);
    else layout->addStretch(1);
    layout->addWidget(button);
    button->setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(button);
    return button;
}

}  // namespace vd
