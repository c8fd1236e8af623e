#pragma once
// Deletes an object: redo takes it out of its collection, undo puts it back at the same position.

#include <QUndoCommand>
#include <memory>

#include "designer/SkinSession.h"

class RemoveObjectCommand : public QUndoCommand {
public:
    RemoveObjectCommand(SkinSession& session, int id, const QString& text);

    void undo() override;
    void redo() override;

private:
    SkinSession& m_session;
    int m_objectId;
    size_t m_index = 0;
    std::unique_ptr<SkinResStruct> m_record;  // held while the object is deleted
};
