#include <QApplication>

#include "testskin/TestSkinProgram.h"

int main(int argc, char** argv) {
    // A screenshot needs no display: render offscreen unless the caller chose a platform.
    bool screenshot = false;
    for (int i = 1; i < argc; ++i) screenshot |= qstrcmp(argv[i], "--screenshot") == 0;
    if (screenshot && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvalet"));
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    return testskin::RunTestSkin(arguments);
}
