#include "designer/undo/SliderDragCommand.h"

bool SliderDragCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = dynamic_cast<const SliderDragCommand*>(other);
    if (!next || next->m_gesture != m_gesture) return false;
    return EditObjectCommand::mergeWith(other);
}
