#pragma once
// Watches the files the skin's pictures were loaded from, so that a picture redrawn in another program
// can be offered for reloading. Editors that save by writing a new file and renaming it over the old one
// drop the path from the watch; it is added again after every change.

#include <QFileSystemWatcher>
#include <QObject>
#include <QStringList>
#include <vector>

class SkinSession;
struct DocumentChange;

class PictureFileWatcher : public QObject {
    Q_OBJECT
public:
    explicit PictureFileWatcher(SkinSession& session, QObject* parent = nullptr);

    // The files watched now (one per picture loaded from a file, shared paths once).
    QStringList WatchedFiles() const { return m_watcher.files(); }

    // What the watcher calls when a file changed; tests call it directly where notification is slow.
    void OnFileChanged(const QString& path);

signals:
    // Pictures whose file now holds other bytes than the picture has.
    void picturesChanged(const std::vector<int>& pictureIds);

private:
    void Sync();
    void Rewatch(const QString& path, int triesLeft);

    SkinSession& m_session;
    QFileSystemWatcher m_watcher;
};
