#pragma once
// The designer's icon set: every icon as a drawing on a 16-unit grid (see IconPainter.h), in the order the
// contact sheet shows them, and the application icon.

#include <QImage>
#include <QPainter>

#include <functional>
#include <vector>

namespace icons {

struct Icon {
    const char* name;
    std::function<void(QPainter&)> draw;
    int typeBase = -1;  // the object kind's base ID, for the "type-<base>.png" aliases; -1 for none
    int gridWidth = 16;
    int gridHeight = 16;
};

std::vector<Icon> AllIcons();
// The icon drawn at scale times its grid size on a transparent ground.
QImage Render(const Icon& icon, int scale);
// The application icon: the 16-grid mark up to 32 pixels, a finer drawing above.
QImage RenderApp(int size);

}  // namespace icons
