#pragma once
// Loading picture files into the skin, shared by the project tree's "Load Image" and the Skin Image
// Editor's "Open Image": one undoable step for the whole batch. Pictures keep the bytes read here.

#include <QStringList>

#include <vector>

class DialogProvider;
class QWidget;
class SkinSession;

// Adds each readable image file whose name is not yet a picture of the skin (nor earlier in the batch);
// returns the IDs of the pictures added. Each file left out is added to *skipped as "path: reason". A file
// whose name the skin cannot store (line breaks, "=", ...) is loaded under a storable name, added to
// *renamed as "path: name".
std::vector<int> LoadImageFiles(SkinSession& session, const QStringList& paths, QStringList* skipped = nullptr,
                                QStringList* renamed = nullptr);

// One message listing the files a load left out and why, and those it loaded under another name; nothing
// when there are none.
void ReportSkippedImages(DialogProvider& dialogs, QWidget* parent, const QStringList& skipped,
                         const QStringList& renamed = {});

// "Reload from File": reads the picture's file again as one undoable step, and says when the file is gone,
// no longer decodes or still holds the same picture.
void ReloadPictureFromFile(SkinSession& session, DialogProvider& dialogs, QWidget* parent, int pictureId);

// Asks for files (several may be chosen) and loads them; the IDs added, none when cancelled.
std::vector<int> LoadImageFilesInteractive(SkinSession& session, DialogProvider& dialogs, QWidget* parent);
