#include "designer/undo/EditObjectCommand.h"

EditObjectCommand::EditObjectCommand(SkinSession& session, int id, std::unique_ptr<SkinResStruct> after,
                                     const QString& text, int mergeId)
    : QUndoCommand(text), m_session(session), m_objectId(id), m_mergeId(mergeId), m_after(std::move(after)) {
    CResourceBase* collection = session.Document().FindCollection(id);
    const SkinResStruct* current = collection ? collection->Find(id) : nullptr;
    if (current) m_before = collection->CloneItem(*current);
    if (!current) setObsolete(true);
}

void EditObjectCommand::Apply(const SkinResStruct& values) {
    CResourceBase* collection = m_session.Document().FindCollection(m_objectId);
    SkinResStruct* record = collection ? collection->Find(m_objectId) : nullptr;
    if (!record) return;
    collection->AssignItem(*record, values);
    m_session.Notify(DocumentChange{DocumentChange::ObjectChanged, m_objectId});
}

void EditObjectCommand::undo() {
    if (m_before) Apply(*m_before);
}

void EditObjectCommand::redo() {
    if (m_after) Apply(*m_after);
}

bool EditObjectCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = dynamic_cast<const EditObjectCommand*>(other);
    if (!next || next->m_objectId != m_objectId || next->m_mergeId != m_mergeId || m_mergeId == -1) return false;
    CResourceBase* collection = m_session.Document().FindCollection(m_objectId);
    if (!collection || !next->m_after) return false;
    m_after = collection->CloneItem(*next->m_after);
    return true;
}
