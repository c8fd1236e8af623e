#include "designer/undo/AddObjectsCommand.h"

#include "Resource/ResourceBase.h"

AddObjectsCommand::AddObjectsCommand(SkinSession& session, std::vector<std::unique_ptr<SkinResStruct>> records,
                                     const QString& text)
    : QUndoCommand(text), m_session(session), m_outside(std::move(records)) {
    for (const auto& r : m_outside) m_ids.push_back(r->ID);
}

int AddObjectsCommand::PushNew(SkinSession& session, int typeId, std::string* error) {
    CSkinDocument& doc = session.Document();
    CResourceBase* collection = doc.FindCollection(typeId);
    if (!collection) {
        if (error) *error = "No kind of object owns the ID " + std::to_string(typeId) + ".";
        return 0;
    }
    SkinResStruct* made = collection->NewItem(error);
    if (!made) return 0;
    const int id = made->ID;
    std::vector<std::unique_ptr<SkinResStruct>> records;
    records.push_back(collection->TakeItem(id));
    session.UndoStack().push(
        new AddObjectsCommand(session, std::move(records), QStringLiteral("Create %1").arg(QString::fromStdString(
                                                                   std::string(collection->SectionName())))));
    return id;
}

void AddObjectsCommand::redo() {
    CSkinDocument& doc = m_session.Document();
    for (auto& record : m_outside) {
        CResourceBase* collection = doc.FindCollection(record->ID);
        if (!collection) continue;
        const int id = record->ID;
        collection->AddItem(std::move(record));
        m_session.Notify(DocumentChange{DocumentChange::ObjectAdded, id});
    }
    m_outside.clear();
}

void AddObjectsCommand::undo() {
    CSkinDocument& doc = m_session.Document();
    for (auto it = m_ids.rbegin(); it != m_ids.rend(); ++it) {
        CResourceBase* collection = doc.FindCollection(*it);
        std::unique_ptr<SkinResStruct> record = collection ? collection->TakeItem(*it) : nullptr;
        if (!record) continue;
        m_outside.insert(m_outside.begin(), std::move(record));
        m_session.Notify(DocumentChange{DocumentChange::ObjectRemoved, *it});
    }
}
