#pragma once
// Takes several pictures out of the skin in one undo step (File > "Remove Unused Pictures"); undo puts each
// back at its place in the picture list with its bytes and image. References that name a picture are
// resolved again both ways, so none is left pointing at an image that is no longer in the skin.

#include <QUndoCommand>
#include <memory>
#include <string>
#include <vector>

#include "designer/SkinSession.h"

class RemovePicturesCommand : public QUndoCommand {
public:
    // A picture to remove: its ID and, as a guard against a picture sharing that ID, its name.
    struct Target {
        int id = 0;
        std::string name;
    };

    // Pushes one step removing every target still in the skin; returns how many it removes (0: nothing is
    // pushed).
    static int Push(SkinSession& session, const std::vector<Target>& targets, const QString& text);

    void undo() override;
    void redo() override;

private:
    RemovePicturesCommand(SkinSession& session, std::vector<Target> targets, const QString& text);
    void ResolveReferences();

    struct Removed {
        Target target;
        size_t index = 0;
        std::unique_ptr<SkinResStruct> record;  // held while the picture is out of the skin
    };
    SkinSession& m_session;
    std::vector<Removed> m_removed;
};
