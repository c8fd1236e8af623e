#include "designer/undo/ReloadPicturesCommand.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "Resource/SkinDocument.h"

namespace {

QString Tr(const char* text) { return QCoreApplication::translate("ReloadPicturesCommand", text); }

QString NotReloaded(const Picture& p, const QString& reason) {
    return Tr("%1 was not reloaded: %2").arg(QString::fromStdString(p.name), reason);
}

}  // namespace

ReloadPicturesCommand::ReloadPicturesCommand(SkinSession& session, std::vector<Picture> before,
                                             std::vector<Picture> after, const QString& text)
    : QUndoCommand(text), m_session(session), m_before(std::move(before)), m_after(std::move(after)) {}

QString ReloadPicturesCommand::CannotReload(const Picture& picture) {
    if (picture.FromPackage() || picture.sourcePath.empty())
        return Tr("%1 came from the skin package and has no file of its own.")
            .arg(QString::fromStdString(picture.name));
    const QString path = QString::fromStdString(picture.sourcePath);
    if (!QFileInfo(path).isFile()) return Tr("The file %1 is gone.").arg(QDir::toNativeSeparators(path));
    return {};
}

ReloadPicturesCommand::Outcome ReloadPicturesCommand::Push(SkinSession& session,
                                                           const std::vector<int>& pictureIds) {
    Outcome outcome;
    CResPicture& pictures = session.Document().Pictures();
    std::vector<Picture> before;
    std::vector<Picture> after;
    for (int id : pictureIds) {
        const Picture* p = pictures.FindPicture(id);
        if (!p) continue;
        if (const QString why = CannotReload(*p); !why.isEmpty()) {
            outcome.problems << NotReloaded(*p, why);
            continue;
        }
        PictureFile file = CResPicture::ReadFile(p->sourcePath, p->name);
        if (!file.Ok()) {
            // Bytes that no longer decode would leave every reference blank: keep what the author sees.
            outcome.problems << NotReloaded(*p, QString::fromStdString(file.error));
            continue;
        }
        if (p->data && *p->data == *file.data) {
            outcome.unchanged.push_back(id);
            continue;
        }
        before.push_back(*p);
        Picture fresh = *p;
        fresh.data = std::move(file.data);
        fresh.image = std::move(file.image);
        after.push_back(std::move(fresh));
        outcome.reloaded.push_back(id);
    }
    if (!after.empty()) {
        const QString text = after.size() == 1
                                 ? Tr("Reload %1").arg(QString::fromStdString(after.front().name))
                                 : Tr("Reload %1 Pictures").arg(after.size());
        session.UndoStack().push(new ReloadPicturesCommand(session, std::move(before), std::move(after), text));
    }
    return outcome;
}

void ReloadPicturesCommand::Apply(const std::vector<Picture>& states) {
    CSkinDocument& doc = m_session.Document();
    CResPicture& pictures = doc.Pictures();
    std::vector<int> changed;
    for (const Picture& state : states) {
        Picture* p = pictures.FindPicture(state.ID);
        if (!p) continue;
        pictures.AssignItem(*p, state);
        changed.push_back(state.ID);
    }
    for (int id : doc.ResolvePictureReferences()) changed.push_back(id);
    for (int id : changed) m_session.Notify(DocumentChange{DocumentChange::ObjectChanged, id});
}
