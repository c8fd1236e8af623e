#pragma once
// Loading picture files into the skin, shared by the project tree's "Load Image" and the Skin Image
// Editor's "Open Image": one undoable step for the whole batch.

#include <QStringList>

#include <vector>

class DialogProvider;
class QWidget;
class SkinSession;

// Adds each readable image file whose name is not yet a picture of the skin (nor earlier in the batch);
// returns the IDs of the pictures added.
std::vector<int> LoadImageFiles(SkinSession& session, const QStringList& paths);

// Asks for files (several may be chosen) and loads them; the IDs added, none when cancelled.
std::vector<int> LoadImageFilesInteractive(SkinSession& session, DialogProvider& dialogs, QWidget* parent);
