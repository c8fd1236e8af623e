#include "cli/OffscreenGui.h"

#ifdef VORNADESK_HAVE_DRAW
#include <QGuiApplication>

#include <memory>

#include "cli/CliCommon.h"

namespace cli {

void EnsureGuiApplication() {
    if (QGuiApplication::instance()) return;
    static int argc = 1;
    static char name[] = "vornadesk-cli";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The commands speak in one-line messages of their own; Qt's notes about the environment (no runtime
    // folder and the like) would only bury them. Fatal messages still end the program.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtFatalMsg) PrintMessage(text.toStdString());
    });
    static std::unique_ptr<QGuiApplication> app = std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace cli
#endif
