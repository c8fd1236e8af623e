// Starts the designer: one main window, optionally opening the .rss file named on the command line.

#include <QApplication>

#include "designer/MainFrame.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Quarnelbrix"));
    QApplication::setApplicationName(QStringLiteral("Tessmark"));
    CMainFrame frame;
    const QStringList args = QApplication::arguments();
    if (args.size() > 1) frame.OpenPath(args.at(1));
    frame.showMaximized();
    return app.exec();
}
