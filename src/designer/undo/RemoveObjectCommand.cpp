#include "designer/undo/RemoveObjectCommand.h"

#include "Resource/ResourceBase.h"

RemoveObjectCommand::RemoveObjectCommand(SkinSession& session, int id, const QString& text)
    : QUndoCommand(text), m_session(session), m_objectId(id) {}

void RemoveObjectCommand::redo() {
    CResourceBase* collection = m_session.Document().FindCollection(m_objectId);
    m_record = collection ? collection->TakeItem(m_objectId, &m_index) : nullptr;
    if (m_record) m_session.Notify(DocumentChange{DocumentChange::ObjectRemoved, m_objectId});
}

void RemoveObjectCommand::undo() {
    CResourceBase* collection = m_session.Document().FindCollection(m_objectId);
    if (!collection || !m_record) return;
    collection->InsertItem(m_index, std::move(m_record));
    m_session.Notify(DocumentChange{DocumentChange::ObjectAdded, m_objectId});
}
