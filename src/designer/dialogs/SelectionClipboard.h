#pragma once
// The Skin Image Editor's Copy/Paste Selection buffer: rectangle, corners, modes and picture name of one
// image reference. Whoever opens the editors owns one (the designer keeps it for the whole run), so a
// selection copied in one editor can be pasted in the next.

#include "Resource/SkinRecords.h"

class CSelectionClipboard {
public:
    CSelectionClipboard() { Reset(); }

    void Store(const SkinImageBase& image);
    const SkinImageBase& Content() const { return m_content; }
    // Paste is offered unless the stored left edge is -1 (the buffer's "nothing" mark).
    bool CanPaste() const { return m_content.left != -1; }
    // Back to the start of a run: all numbers 0 and no picture, which pasting restores as such.
    void Reset();

private:
    SkinImageBase m_content;
};
