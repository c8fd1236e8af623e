#include "designer/PictureFileWatcher.h"

#include <QFileInfo>
#include <QSet>
#include <QTimer>

#include "Resource/ResObjects/ResPicture.h"
#include "Resource/AtomicFile.h"
#include "Resource/ZipArchive.h"
#include "designer/SkinSession.h"

namespace {
// A replaced file may be missing for a moment between the old one's removal and the rename.
constexpr int kRewatchTries = 10;
constexpr int kRewatchDelayMs = 100;
}  // namespace

PictureFileWatcher::PictureFileWatcher(SkinSession& session, QObject* parent) : QObject(parent), m_session(session) {
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &PictureFileWatcher::OnFileChanged);
    connect(&m_session, &SkinSession::changed, this, [this](const DocumentChange& change) {
        // Only pictures have files; any change that can add or remove one re-reads the list.
        if (change.kind != DocumentChange::ObjectChanged || (change.id >= 1000 && change.id < 2000)) Sync();
    });
    Sync();
}

void PictureFileWatcher::Sync() {
    QSet<QString> wanted;
    const CResPicture& pictures = m_session.Document().Pictures();
    for (size_t i = 0; i < pictures.Count(); ++i) {
        const Picture& p = *pictures.At(i);
        if (!p.FromPackage() && !p.sourcePath.empty()) wanted.insert(QString::fromStdString(p.sourcePath));
    }
    QStringList gone;
    for (const QString& f : m_watcher.files())
        if (!wanted.contains(f)) gone << f;
    if (!gone.isEmpty()) m_watcher.removePaths(gone);
    QStringList added;
    const QStringList current = m_watcher.files();
    for (const QString& f : wanted)
        if (!current.contains(f) && QFileInfo(f).isFile()) added << f;
    if (!added.isEmpty()) m_watcher.addPaths(added);
}

void PictureFileWatcher::Rewatch(const QString& path, int triesLeft) {
    if (m_watcher.files().contains(path)) return;
    if (QFileInfo(path).isFile()) {
        m_watcher.addPath(path);
        OnFileChanged(path);  // the renamed-in file is the change
        return;
    }
    if (triesLeft > 0)
        QTimer::singleShot(kRewatchDelayMs, this, [this, path, triesLeft] { Rewatch(path, triesLeft - 1); });
}

void PictureFileWatcher::OnFileChanged(const QString& path) {
    if (!m_watcher.files().contains(path)) {
        Rewatch(path, kRewatchTries);
        return;
    }
    // A picture counts as changed only when the file's bytes differ from the ones it carries, so saving
    // the same picture again, or touching the file, offers nothing.
    std::vector<uint8_t> bytes;
    const bool readable = vd::ReadWholeFile(path.toStdString(), bytes, vd::kDefaultZipEntryLimit) == vd::ReadFileStatus::Ok;
    std::vector<int> changed;
    const CResPicture& pictures = m_session.Document().Pictures();
    for (size_t i = 0; i < pictures.Count(); ++i) {
        const Picture& p = *pictures.At(i);
        if (p.FromPackage() || QString::fromStdString(p.sourcePath) != path) continue;
        if (!readable || !p.data || *p.data != bytes) changed.push_back(p.ID);
    }
    if (!changed.empty()) emit picturesChanged(changed);
}
