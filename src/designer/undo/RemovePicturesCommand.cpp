#include "designer/undo/RemovePicturesCommand.h"

#include <algorithm>

#include "Resource/ResObjects/ResPicture.h"
#include "Resource/SkinDocument.h"

namespace {

// The picture the target names: the one holding its ID, when that picture also has its name.
const Picture* Matching(const CResPicture& pictures, const RemovePicturesCommand::Target& target) {
    const Picture* p = pictures.FindPicture(target.id);
    return p && p->name == target.name ? p : nullptr;
}

}  // namespace

RemovePicturesCommand::RemovePicturesCommand(SkinSession& session, std::vector<Target> targets, const QString& text)
    : QUndoCommand(text), m_session(session) {
    for (Target& t : targets) m_removed.push_back(Removed{std::move(t), 0, nullptr});
}

int RemovePicturesCommand::Push(SkinSession& session, const std::vector<Target>& targets, const QString& text) {
    const CResPicture& pictures = session.Document().Pictures();
    std::vector<Target> present;
    for (const Target& t : targets) {
        const bool listed = std::any_of(present.begin(), present.end(),
                                        [&](const Target& p) { return p.id == t.id && p.name == t.name; });
        if (!listed && Matching(pictures, t)) present.push_back(t);
    }
    if (present.empty()) return 0;
    const int count = static_cast<int>(present.size());
    session.UndoStack().push(new RemovePicturesCommand(session, std::move(present), text));
    return count;
}

void RemovePicturesCommand::redo() {
    CResPicture& pictures = m_session.Document().Pictures();
    for (Removed& r : m_removed) {
        if (r.record || !Matching(pictures, r.target)) continue;
        r.record = pictures.TakeItem(r.target.id, &r.index);
        if (r.record) m_session.Notify(DocumentChange{DocumentChange::ObjectRemoved, r.target.id});
    }
    ResolveReferences();
}

void RemovePicturesCommand::undo() {
    CResPicture& pictures = m_session.Document().Pictures();
    // In reverse, so every picture goes back to the index it was taken from.
    for (auto it = m_removed.rbegin(); it != m_removed.rend(); ++it) {
        if (!it->record) continue;
        pictures.InsertItem(it->index, std::move(it->record));
        m_session.Notify(DocumentChange{DocumentChange::ObjectAdded, it->target.id});
    }
    ResolveReferences();
}

void RemovePicturesCommand::ResolveReferences() {
    for (int id : m_session.Document().ResolvePictureReferences())
        m_session.Notify(DocumentChange{DocumentChange::ObjectChanged, id});
}
