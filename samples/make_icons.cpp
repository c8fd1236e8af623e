// Draws the designer's icons: the toolbar commands, the project tree's fixed nodes, one icon per object
// kind, the two draw-mode pictures of the frame page and the application icon. Each icon is written at
// 16 and 32 pixels (the application icon also at 48 and 256).
// Usage: make_icons DIR [--qrc FILE] [--sheet FILE]
//   --qrc    also writes a Qt resource file listing the icons under the prefix "/icons", each object kind
//            also as "type-<base ID>.png" with a "type-<base ID>@2x.png" partner
//   --sheet  also writes a contact sheet: every icon at 16 and 32 pixels, enlarged four and two times
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <cstdio>
#include <memory>
#include <vector>

#include "IconSet.h"

using namespace icons;

namespace {

bool Write(const QImage& image, const QString& path) {
    if (image.save(path, "PNG")) return true;
    std::fprintf(stderr, "make_icons: cannot write %s\n", qPrintable(path));
    return false;
}

QImage ContactSheet(const std::vector<Icon>& all, const std::vector<int>& appSizes) {
    const int columns = 8, cellWidth = 184, cellHeight = 112;
    const int rows = int(all.size() + 1 + columns - 1) / columns;
    QImage sheet(columns * cellWidth, rows * cellHeight + 270, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(246, 247, 249));
    QPainter p(&sheet);
    QFont font;
    font.setPixelSize(11);
    p.setFont(font);
    for (size_t i = 0; i < all.size(); ++i) {
        const int x = int(i % columns) * cellWidth, y = int(i / columns) * cellHeight;
        const Icon& icon = all[i];
        const QImage small = Render(icon, 1), large = Render(icon, 2);
        p.drawImage(QRect(x + 6, y + 6, small.width() * 4, small.height() * 4), small);
        p.drawImage(QRect(x + 14 + small.width() * 4, y + 6, large.width() * 2, large.height() * 2), large);
        p.drawImage(x + 6, y + 76, small);
        p.drawImage(x + 12 + small.width(), y + 68, large);
        p.setPen(QColor(60, 60, 60));
        p.drawText(QRect(x + 18 + small.width() + large.width(), y + 72, cellWidth - 66, 30), Qt::AlignLeft | Qt::TextWordWrap, icon.name);
    }
    int x = 6;
    const int y = rows * cellHeight + 10;
    for (int size : appSizes) {
        p.drawImage(x, y, RenderApp(size));
        x += size + 12;
    }
    return sheet;
}

}  // namespace

int main(int argc, char** argv) {
    QString dir, qrcPath, sheetPath;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == "--qrc" && i + 1 < argc) qrcPath = QString::fromLocal8Bit(argv[++i]);
        else if (arg == "--sheet" && i + 1 < argc) sheetPath = QString::fromLocal8Bit(argv[++i]);
        else if (dir.isEmpty() && !arg.startsWith("--")) dir = arg;
        else {
            std::fprintf(stderr, "usage: make_icons DIR [--qrc FILE] [--sheet FILE]\n");
            return 1;
        }
    }
    if (dir.isEmpty()) {
        std::fprintf(stderr, "usage: make_icons DIR [--qrc FILE] [--sheet FILE]\n");
        return 1;
    }
    // Only the contact sheet has text, and text needs a GUI application (off screen is enough).
    std::unique_ptr<QGuiApplication> app;
    if (!sheetPath.isEmpty()) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QGuiApplication>(argc, argv);
    }
    if (!QDir().mkpath(dir)) {
        std::fprintf(stderr, "make_icons: cannot create %s\n", qPrintable(dir));
        return 2;
    }
    const std::vector<Icon> all = AllIcons();
    const std::vector<int> appSizes = {16, 32, 48, 256};
    QStringList files;
    QList<QPair<QString, QString>> aliases;  // alias, file
    for (const Icon& icon : all) {
        for (int scale : {1, 2}) {
            // Square icons are named by their size ("new-16.png"), others by width and height.
            const int w = icon.gridWidth * scale, h = icon.gridHeight * scale;
            const QString size = w == h ? QString::number(w) : QStringLiteral("%1x%2").arg(w).arg(h);
            const QString file = QStringLiteral("%1-%2.png").arg(QString::fromLatin1(icon.name), size);
            if (!Write(Render(icon, scale), QDir(dir).filePath(file))) return 2;
            files << file;
            // "type-3000.png" and its "@2x" partner: QIcon picks the 32-pixel drawing on high-density screens.
            if (icon.typeBase >= 0)
                aliases.append({QStringLiteral("type-%1%2.png").arg(icon.typeBase).arg(scale == 2 ? "@2x" : ""), file});
        }
    }
    for (int size : appSizes) {
        const QString file = QStringLiteral("app-%1.png").arg(size);
        if (!Write(RenderApp(size), QDir(dir).filePath(file))) return 2;
        files << file;
    }

    if (!qrcPath.isEmpty()) {
        QFile qrc(qrcPath);
        if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
            std::fprintf(stderr, "make_icons: cannot write %s\n", qPrintable(qrcPath));
            return 2;
        }
        const QString relative = QFileInfo(qrcPath).absoluteDir().relativeFilePath(QFileInfo(dir).absoluteFilePath());
        QTextStream out(&qrc);
        out << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n  <qresource prefix=\"/icons\">\n";
        for (const QString& file : files)
            out << "    <file alias=\"" << file << "\">" << relative << "/" << file << "</file>\n";
        for (const auto& [alias, file] : aliases)
            out << "    <file alias=\"" << alias << "\">" << relative << "/" << file << "</file>\n";
        out << "  </qresource>\n</RCC>\n";
    }
    if (!sheetPath.isEmpty() && !Write(ContactSheet(all, appSizes), sheetPath)) return 2;
    return 0;
}
