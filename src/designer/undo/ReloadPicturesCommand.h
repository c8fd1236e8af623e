#pragma once
// Reloads pictures from the files they were loaded from (the reload bar, the tree's "Reload from File"):
// each gets the file's new bytes and image, and every reference naming it follows. One undo step for the
// batch; undo brings back the old bytes and images.

#include <QStringList>
#include <QUndoCommand>
#include <vector>

#include "Resource/ResObjects/ResPicture.h"
#include "designer/SkinSession.h"

class ReloadPicturesCommand : public QUndoCommand {
public:
    struct Outcome {
        std::vector<int> reloaded;  // pictures whose file held new bytes that decoded
        std::vector<int> unchanged; // the file still holds the bytes the picture has
        QStringList problems;       // "Name.png was not reloaded: reason", one per picture left as it was
    };

    // Reads each picture's file and pushes one command for those that decoded to something new. Pictures
    // whose file cannot be read or no longer decodes keep their bytes and image; the outcome says why.
    static Outcome Push(SkinSession& session, const std::vector<int>& pictureIds);

    // Why the picture cannot be reloaded by hand (it came from a package, or its file is gone); empty when
    // it can.
    static QString CannotReload(const Picture& picture);

    void undo() override { Apply(m_before); }
    void redo() override { Apply(m_after); }

private:
    ReloadPicturesCommand(SkinSession& session, std::vector<Picture> before, std::vector<Picture> after,
                          const QString& text);
    void Apply(const std::vector<Picture>& states);

    SkinSession& m_session;
    std::vector<Picture> m_before;
    std::vector<Picture> m_after;
};
