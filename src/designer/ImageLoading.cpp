#include "designer/ImageLoading.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <memory>
#include <set>
#include <string>

#include "Helpers/EnBitmap.h"
#include "Resource/ResObjects/ResPicture.h"
#include "Resource/SkinDocument.h"
#include "Resource/TextUtil.h"
#include "designer/DialogProvider.h"
#include "designer/DisplayText.h"
#include "designer/SkinSession.h"
#include "designer/undo/AddObjectsCommand.h"
#include "designer/undo/ReloadPicturesCommand.h"

std::vector<int> LoadImageFiles(SkinSession& session, const QStringList& paths, QStringList* skipped,
                                QStringList* renamed) {
    auto skip = [skipped](const QString& path, const QString& reason) {
        if (skipped) *skipped << QStringLiteral("%1: %2").arg(EscapedForDisplay(QDir::toNativeSeparators(path)), reason);
    };
    std::vector<int> made;
    CSkinDocument& doc = session.Document();
    CResPicture& pictures = doc.Pictures();
    std::vector<std::unique_ptr<SkinResStruct>> records;
    std::set<std::string> names;
    // Pictures of this batch are outside the collection until the command runs: they count as taken too.
    auto taken = [&](std::string_view n) {
        if (doc.PictureImageByName(n) || pictures.FindByName(n)) return true;
        for (const std::string& other : names)
            if (vd::EqualsIgnoreCase(other, n)) return true;
        return false;
    };
    for (const QString& path : paths) {
        std::string name = QFileInfo(path).fileName().toStdString();
        if (CResPicture::NameProblem(name)) {
            name = CResPicture::StorableName(name, taken);
            if (renamed)
                *renamed << QStringLiteral("%1: %2").arg(EscapedForDisplay(QDir::toNativeSeparators(path)),
                                                         QString::fromStdString(name));
        }
        // A picture of that name is already in the skin (or earlier in this batch): skip the file.
        if (taken(name)) {
            skip(path, QCoreApplication::translate("ImageLoading", "the skin already has a picture named %1")
                           .arg(EscapedForDisplay(name)));
            continue;
        }
        // The bytes are kept with the picture: a save writes them, whatever happens to the file later.
        PictureFile file = CResPicture::ReadFile(path.toStdString(), name);
        if (!file.Ok()) {
            skip(path, QString::fromStdString(file.error));
            continue;
        }
        Picture* added = pictures.Add(path.toStdString(), name, std::move(file.data), std::move(file.image));
        if (!added) {
            skip(path, QCoreApplication::translate("ImageLoading", "the skin has no free picture ID left"));
            continue;
        }
        const int id = added->ID;
        // The command puts the record back in; until then it lives outside the collection.
        records.push_back(pictures.TakeItem(id));
        names.insert(name);
        made.push_back(id);
    }
    if (!records.empty())
        session.UndoStack().push(new AddObjectsCommand(
            session, std::move(records), QCoreApplication::translate("ImageLoading", "Load Image")));
    return made;
}

std::vector<int> LoadImageFilesInteractive(SkinSession& session, DialogProvider& dialogs, QWidget* parent) {
    const QStringList paths = dialogs.OpenFileNames(
        parent, QCoreApplication::translate("ImageLoading", "Load Image"),
        QCoreApplication::translate("ImageLoading",
                                    "Image Files(*.BMP,*.PNG,*.TGA) (*.bmp *.BMP *.png *.PNG *.tga *.TGA);;"
                                    "Bitmap (*.BMP) (*.bmp *.BMP);;PNG (*.PNG) (*.png *.PNG);;"
                                    "Targa (*.TGA) (*.tga *.TGA)"));
    if (paths.isEmpty()) return {};
    QStringList skipped, renamed;
    std::vector<int> made = LoadImageFiles(session, paths, &skipped, &renamed);
    ReportSkippedImages(dialogs, parent, skipped, renamed);
    return made;
}

void ReportSkippedImages(DialogProvider& dialogs, QWidget* parent, const QStringList& skipped,
                         const QStringList& renamed) {
    if (skipped.isEmpty() && renamed.isEmpty()) return;
    QStringList parts;
    if (!skipped.isEmpty())
        parts << QCoreApplication::translate("ImageLoading", "These files were not loaded:") + QLatin1Char('\n') +
                     skipped.join(QLatin1Char('\n'));
    if (!renamed.isEmpty())
        parts << QCoreApplication::translate("ImageLoading",
                                             "These files were loaded under another name, since a skin cannot "
                                             "store theirs:") +
                     QLatin1Char('\n') + renamed.join(QLatin1Char('\n'));
    dialogs.Warn(parent, parts.join(QStringLiteral("\n\n")), QCoreApplication::translate("ImageLoading", "Load Image"));
}

void ReloadPictureFromFile(SkinSession& session, DialogProvider& dialogs, QWidget* parent, int pictureId) {
    const QString caption = QCoreApplication::translate("ImageLoading", "Reload from File");
    const ReloadPicturesCommand::Outcome outcome = ReloadPicturesCommand::Push(session, {pictureId});
    if (!outcome.problems.isEmpty()) {
        dialogs.Warn(parent, outcome.problems.join(QLatin1Char('\n')), caption);
    } else if (!outcome.unchanged.empty()) {
        const Picture* p = session.Document().Pictures().FindPicture(pictureId);
        dialogs.Inform(parent,
                       QCoreApplication::translate("ImageLoading", "%1 is the same as its file: nothing to reload.")
                           .arg(p ? QString::fromStdString(p->name) : QString()),
                       caption);
    }
}
