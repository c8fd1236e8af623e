#pragma once
// Adds objects to the skin (create, paste, Load Image): redo puts the records in, undo takes them out.
// The records keep the IDs they were given when made, so a redo brings back the same objects.

#include <QUndoCommand>
#include <memory>
#include <vector>

#include "designer/SkinSession.h"

class AddObjectsCommand : public QUndoCommand {
public:
    // Takes records that are not (or no longer) in the document; their IDs are already allocated.
    AddObjectsCommand(SkinSession& session, std::vector<std::unique_ptr<SkinResStruct>> records, const QString& text);

    // Creates a new object of the kind owning `typeId` and pushes its addition; null (with the reason in
    // *error) when the kind's ID block is used up. Returns the object's ID.
    static int PushNew(SkinSession& session, int typeId, std::string* error = nullptr);

    void undo() override;
    void redo() override;

    const std::vector<int>& Ids() const { return m_ids; }

private:
    SkinSession& m_session;
    std::vector<int> m_ids;
    std::vector<std::unique_ptr<SkinResStruct>> m_outside;  // the records while they are not in the document
};
