#pragma once
// An edit made by a slider: like EditObjectCommand with kMergeSlider, but it merges only with the next
// value of the same gesture, so a whole drag is one undo step while two drags (on one slider or on two
// sliders of the same object) stay two.

#include "designer/undo/EditObjectCommand.h"
#include "designer/undo/UndoIds.h"

class SliderDragCommand : public EditObjectCommand {
public:
    SliderDragCommand(SkinSession& session, int id, std::unique_ptr<SkinResStruct> after, const QString& text,
                      int gesture)
        : EditObjectCommand(session, id, std::move(after), text, kMergeSlider), m_gesture(gesture) {}

    // Runs `edit` on a copy of the object's record and pushes the change; false when there is no such object
    // or the edit changed nothing.
    template <class Edit>
    static bool Push(SkinSession& session, int id, const QString& text, int gesture, Edit edit);

    bool mergeWith(const QUndoCommand* other) override;
    int Gesture() const { return m_gesture; }

private:
    int m_gesture;
};

template <class Edit>
bool SliderDragCommand::Push(SkinSession& session, int id, const QString& text, int gesture, Edit edit) {
    std::unique_ptr<SkinResStruct> after = EditedCopy(session, id, std::move(edit));
    if (!after) return false;
    session.UndoStack().push(new SliderDragCommand(session, id, std::move(after), text, gesture));
    return true;
}
