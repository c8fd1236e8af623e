#include "designer/CommandIcons.h"

#include <QFile>
#include <QString>

QIcon CommandIcon(const char* name) { return CommandIcon(name, QSize(16, 16)); }

QIcon CommandIcon(const char* name, QSize size) {
    QIcon icon;
    for (const QSize s : {size, size * 2}) {
        // make_icons names square artwork by one number, other artwork by width and height.
        const QString dims = s.width() == s.height() ? QString::number(s.width())
                                                     : QStringLiteral("%1x%2").arg(s.width()).arg(s.height());
        const QString path = QStringLiteral(":/icons/%1-%2.png").arg(QLatin1String(name), dims);
        if (QFile::exists(path)) icon.addFile(path, s);
    }
    return icon;
}
