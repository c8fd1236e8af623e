#include "designer/MyTreeCtrl.h"

#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>

namespace {

QStringList ImagePaths(const QMimeData* mime) {
    QStringList paths;
    if (!mime || !mime->hasUrls()) return paths;
    for (const QUrl& url : mime->urls()) {
        const QString path = url.toLocalFile();
        const QString lower = path.toLower();
        if (lower.endsWith(QLatin1String(".bmp")) || lower.endsWith(QLatin1String(".png")) ||
            lower.endsWith(QLatin1String(".tga")))
            paths << path;
    }
    return paths;
}

}  // namespace

CMyTreeCtrl::CMyTreeCtrl(QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setRootIsDecorated(true);
    setExpandsOnDoubleClick(false);
    setAcceptDrops(true);
    setDropIndicatorShown(false);
    setFrameShape(QFrame::NoFrame);
    setIconSize(QSize(16, 16));
}

void CMyTreeCtrl::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    QTreeWidgetItem* item = itemAt(event->position().toPoint());
    if (item) setCurrentItem(item);
    emit itemOpenRequested(currentItem());
}

void CMyTreeCtrl::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Delete && currentItem()) {
        emit deleteRequested(currentItem());
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void CMyTreeCtrl::dragEnterEvent(QDragEnterEvent* event) {
    if (!ImagePaths(event->mimeData()).isEmpty()) event->acceptProposedAction();
    else event->ignore();
}

void CMyTreeCtrl::dragMoveEvent(QDragMoveEvent* event) {
    if (!ImagePaths(event->mimeData()).isEmpty()) event->acceptProposedAction();
    else event->ignore();
}

void CMyTreeCtrl::dropEvent(QDropEvent* event) {
    const QStringList paths = ImagePaths(event->mimeData());
    if (paths.isEmpty()) return event->ignore();
    event->acceptProposedAction();
    emit imageFilesDropped(paths);
}
