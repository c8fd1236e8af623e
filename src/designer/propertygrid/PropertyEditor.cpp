#include "designer/propertygrid/PropertyEditor.h"

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

}  // namespace vd
