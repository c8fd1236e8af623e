#pragma once
// Some widgets (group boxes, MDI children) work out their margins from the style only when told the style
// changed. When the skin changes under an applied style, the style re-polishes its widgets but tells them
// nothing; this tells such a widget, once it has been polished (while the style is being set on it, Qt
// tells it itself).

class QWidget;

void RelayoutAfterRestyle(QWidget* widget);
