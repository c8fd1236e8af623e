#pragma once
// The icons of the toolbar preview's sample commands: the designer's own 16 x 16 pixel art for New, Open,
// Save, Cut, Copy, Paste, Print and Help, kept as an image list (the icons side by side on silver, the
// list's mask colour) and made once.

#include <QImage>
#include <QPainter>
#include <QPoint>

#include "Resource/Types.h"

namespace vd::preview {

class ToolBarSampleIcons {
public:
    enum Command { New, Open, Save, Cut, Copy, Paste, Print, Help, Count };
    static constexpr int kSize = 16;
    // Pixels of this colour in the list are transparent when an icon is drawn.
    static constexpr Color kMaskColor{0xC0, 0xC0, 0xC0};

    static const ToolBarSampleIcons& Instance();

    // All icons side by side, mask colour included.
    const QImage& List() const { return m_list; }
    // Icon `index` with its mask-coloured pixels transparent; a null image for an index outside the list.
    QImage Icon(int index) const;
    // Draws icon `index` with its top-left corner at `at`; nothing for an index outside the list.
    void Draw(QPainter& painter, int index, QPoint at) const;

private:
    ToolBarSampleIcons();

    QImage m_list;            // RGB32, Count * kSize x kSize
    QImage m_masked[Count];   // the same icons with the mask colour cleared
};

}  // namespace vd::preview
