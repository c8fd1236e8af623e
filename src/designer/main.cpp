// Starts the designer: one main window, optionally opening the .rss file named on the command line.

#include <QApplication>

#include "designer/MainFrame.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Quarnelbrix"));
    QApplication::setApplicationName(QStringLiteral("Tessmark"));
    CMainFrame frame;
    frame.showMaximized();
    // After showing, so that a message about the file has its window behind it.
    frame.OpenFromArguments(QApplication::arguments());
    return app.exec();
}
