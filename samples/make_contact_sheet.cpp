// Composes the previews that `vornadesk-cli render PKG --all -o DIR` wrote into one contact sheet: a grid
// of the pictures at their own size (previews are pixel-exact, so nothing is scaled), each with its object's
// name and kind under it. The files are named "<kind>-<object>.png"; they are laid out in name order.
// Usage: make_contact_sheet DIR OUT.png [COLUMNS] [TITLE]
#include <QCoreApplication>
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kGap = 24;        // between cells and round the sheet
constexpr int kLabelHeight = 36; // the name and, below it, the kind
constexpr int kTitleHeight = 44;

struct Entry {
    QImage image;
    QString name;
    QString kind;
};

}  // namespace

int main(int argc, char** argv) {
    // The tool draws text into an image only; it needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 3 || args.size() > 5) {
        std::fprintf(stderr, "usage: make_contact_sheet DIR OUT.png [COLUMNS] [TITLE]\n");
        return 1;
    }
    bool numberOk = true;
    const int columns = args.size() >= 4 ? args[3].toInt(&numberOk) : 4;
    if (!numberOk || columns < 1 || columns > 16) {
        std::fprintf(stderr, "make_contact_sheet: COLUMNS must be a number from 1 to 16\n");
        return 1;
    }

    std::vector<Entry> entries;
    const QDir dir(args[1]);
    for (const QString& file : dir.entryList({"*.png"}, QDir::Files, QDir::Name)) {
        QImage image(dir.filePath(file));
        if (image.isNull()) {
            std::fprintf(stderr, "make_contact_sheet: %s is not a readable PNG\n", qPrintable(dir.filePath(file)));
            return 2;
        }
        const QString stem = file.chopped(4);
        const int dash = stem.indexOf('-');
        entries.push_back({std::move(image), dash < 0 ? stem : stem.mid(dash + 1), dash < 0 ? QString() : stem.left(dash)});
    }
    if (entries.empty()) {
        std::fprintf(stderr, "make_contact_sheet: no PNG files in %s\n", qPrintable(args[1]));
        return 2;
    }

    // Each column is as wide as its widest picture, each row as high as its highest.
    const int rows = int((entries.size() + columns - 1) / columns);
    std::vector<int> widths(columns, 0), heights(rows, 0);
    for (size_t i = 0; i < entries.size(); ++i) {
        widths[i % columns] = std::max(widths[i % columns], entries[i].image.width());
        heights[i / columns] = std::max(heights[i / columns], entries[i].image.height());
    }
    int sheetWidth = kGap, sheetHeight = kGap + kTitleHeight;
    for (int w : widths) sheetWidth += w + kGap;
    for (int h : heights) sheetHeight += h + kLabelHeight + kGap;

    QImage sheet(sheetWidth, sheetHeight, QImage::Format_RGB32);
    sheet.fill(QColor(250, 247, 242));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont title = p.font();
    title.setPixelSize(20);
    title.setBold(true);
    QFont name = p.font();
    name.setPixelSize(13);
    name.setBold(true);
    QFont kind = p.font();
    kind.setPixelSize(11);

    p.setFont(title);
    p.setPen(QColor(74, 38, 4));
    p.drawText(QRect(kGap, kGap, sheetWidth - 2 * kGap, kTitleHeight - 12), Qt::AlignLeft | Qt::AlignVCenter,
               (args.size() == 5 ? args[4] + QStringLiteral(": ") : QString()) +
                   QStringLiteral("%1 objects, one preview each").arg(entries.size()));

    int y = kGap + kTitleHeight;
    for (int row = 0; row < rows; ++row) {
        int x = kGap;
        for (int column = 0; column < columns; ++column) {
            const size_t i = size_t(row) * columns + column;
            if (i >= entries.size()) break;
            const Entry& e = entries[i];
            // A hairline round the picture separates a preview's own edge from the sheet.
            p.setPen(QColor(214, 200, 180));
            p.drawRect(x - 1, y - 1, e.image.width() + 1, e.image.height() + 1);
            p.drawImage(x, y, e.image);
            const QRect label(x, y + e.image.height() + 4, std::max(widths[column], e.image.width()), kLabelHeight - 4);
            p.setFont(name);
            p.setPen(QColor(74, 38, 4));
            p.drawText(label, Qt::AlignLeft | Qt::AlignTop, e.name);
            p.setFont(kind);
            p.setPen(QColor(150, 120, 80));
            p.drawText(label, Qt::AlignLeft | Qt::AlignBottom, e.kind);
            x += widths[column] + kGap;
        }
        y += heights[row] + kLabelHeight + kGap;
    }
    p.end();
    if (!sheet.save(args[2], "PNG")) {
        std::fprintf(stderr, "make_contact_sheet: cannot write %s\n", qPrintable(args[2]));
        return 3;
    }
    return 0;
}
