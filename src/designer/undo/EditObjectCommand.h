#pragma once
// Changes one object's record: holds copies of the record before and after and puts one or the other back.
// Records are value types, so the copies are exact; the record is overwritten in place, so everything that
// refers to it by pointer or ID stays valid.

#include <QUndoCommand>
#include <memory>

#include "designer/SkinSession.h"

class EditObjectCommand : public QUndoCommand {
public:
    // `after` is the record as it should become; the current record is copied as `before`.
    EditObjectCommand(SkinSession& session, int id, std::unique_ptr<SkinResStruct> after, const QString& text,
                      int mergeId = -1);

    // Runs `edit` on a copy of the object's record and pushes the change; false when there is no such object
    // or the edit changed nothing.
    template <class Edit>
    static bool Push(SkinSession& session, int id, const QString& text, Edit edit, int mergeId = -1);

    // The object's record after `edit`, as a copy; null when there is no such object or nothing changed.
    template <class Edit>
    static std::unique_ptr<SkinResStruct> EditedCopy(SkinSession& session, int id, Edit edit);

    void undo() override;
    void redo() override;
    int id() const override { return m_mergeId; }
    bool mergeWith(const QUndoCommand* other) override;

    int ObjectId() const { return m_objectId; }

private:
    void Apply(const SkinResStruct& values);

    SkinSession& m_session;
    int m_objectId;
    int m_mergeId;
    std::unique_ptr<SkinResStruct> m_before;
    std::unique_ptr<SkinResStruct> m_after;
};

#include "Resource/ResourceBase.h"

template <class Edit>
std::unique_ptr<SkinResStruct> EditObjectCommand::EditedCopy(SkinSession& session, int id, Edit edit) {
    CResourceBase* collection = session.Document().FindCollection(id);
    const SkinResStruct* current = collection ? collection->Find(id) : nullptr;
    if (!current) return nullptr;
    std::unique_ptr<SkinResStruct> after = collection->CloneItem(*current);
    edit(*after);
    if (collection->SameItem(*after, *current)) return nullptr;
    return after;
}

template <class Edit>
bool EditObjectCommand::Push(SkinSession& session, int id, const QString& text, Edit edit, int mergeId) {
    std::unique_ptr<SkinResStruct> after = EditedCopy(session, id, std::move(edit));
    if (!after) return false;
    session.UndoStack().push(new EditObjectCommand(session, id, std::move(after), text, mergeId));
    return true;
}
