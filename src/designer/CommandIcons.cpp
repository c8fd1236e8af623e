#include "designer/CommandIcons.h"

#include <QFile>
#include <QString>

QIcon CommandIcon(const char* name) {
    QIcon icon;
    for (int size : {16, 32}) {
        const QString path = QStringLiteral(":/icons/%1-%2.png").arg(QLatin1String(name)).arg(size);
        if (QFile::exists(path)) icon.addFile(path, QSize(size, size));
    }
    return icon;
}
