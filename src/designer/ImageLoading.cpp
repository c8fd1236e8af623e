#include "designer/ImageLoading.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <memory>
#include <set>
#include <string>

#include "Helpers/EnBitmap.h"
#include "Resource/ResObjects/ResPicture.h"
#include "Resource/SkinDocument.h"
#include "designer/DialogProvider.h"
#include "designer/SkinSession.h"
#include "designer/undo/AddObjectsCommand.h"

std::vector<int> LoadImageFiles(SkinSession& session, const QStringList& paths) {
    std::vector<int> made;
    CSkinDocument& doc = session.Document();
    CResPicture& pictures = doc.Pictures();
    std::vector<std::unique_ptr<SkinResStruct>> records;
    std::set<std::string> names;
    for (const QString& path : paths) {
        const std::string name = QFileInfo(path).fileName().toStdString();
        // A picture of that name is already in the skin (or earlier in this batch): skip the file.
        if (doc.PictureImageByName(name) || pictures.FindByName(name) || names.count(name)) continue;
        std::shared_ptr<const CEnBitmap> image(LoadImageFile(path.toStdString()).release());
        if (!image || image->IsEmpty()) continue;
        Picture* added = pictures.Add(path.toStdString(), name, image);
        if (!added) continue;
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
    return paths.isEmpty() ? std::vector<int>{} : LoadImageFiles(session, paths);
}
