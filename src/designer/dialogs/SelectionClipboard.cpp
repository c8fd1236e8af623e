#include "designer/dialogs/SelectionClipboard.h"

void CSelectionClipboard::Store(const SkinImageBase& image) {
    m_content = image;
    // Only the name travels: the picture is looked up again where it is pasted.
    m_content.image = nullptr;
}

void CSelectionClipboard::Reset() {
    m_content = SkinImageBase{};
    m_content.right = 0;
    m_content.bottom = 0;
}
