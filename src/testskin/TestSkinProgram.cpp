#include "testskin/TestSkinProgram.h"

#include <QApplication>
#include <QImage>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>

#include <cstdio>

#include "testskin/SkinTestMenus.h"
#include "testskin/SkinTestWindow.h"

namespace testskin {
namespace {

const QString kProgramName = QStringLiteral("Corvalet");

void PrintError(const QString& message) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(kProgramName), message.toLocal8Bit().constData());
}

std::optional<QString> AskPassword(const QString& path) {
    bool ok = false;
    const QString password = QInputDialog::getText(
        nullptr, kProgramName, QObject::tr("The skin %1 is protected. Password:").arg(path), QLineEdit::Password,
        QString(), &ok);
    if (!ok) return std::nullopt;
    return password;
}

// The window with the menu of its menu bar item at index open over it, its first item highlighted: the
// menu is a window of its own, so its picture is laid over the window's where it hangs.
QImage GrabWithMenu(CSkinTestWindow& window, int index) {
    window.OpenMenu(index);
    QMenu* menu = window.BarMenu(index);
    if (menu && !menu->actions().isEmpty()) menu->setActiveAction(menu->actions().constFirst());
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QImage image = window.grab().toImage();
    if (menu && menu->isVisible()) {
        QPainter painter(&image);
        painter.drawPixmap(menu->geometry().topLeft() - window.geometry().topLeft(), menu->grab());
    }
    window.OpenMenu(-1);
    return image;
}

}  // namespace

std::unique_ptr<CSkinTestWindow> MakeTestWindow(const TestSkinOptions& options, const PasswordPrompt& prompt,
                                                QString* error) {
    OpenedSkin opened = OpenSkinPackage(options.path, options.password, prompt);
    if (!opened.Ok()) {
        *error = opened.message;
        return nullptr;
    }
    const QString title = SkinTitle(*opened.document, options.path);
    auto window = std::make_unique<CSkinTestWindow>();
    QString frameError;
    if (!window->SetSkin(std::move(opened.document), options.frame, title, &frameError)) {
        *error = options.path + QStringLiteral(": ") + frameError;
        return nullptr;
    }
    window->WatchPackage(options.path, opened.password);
    return window;
}

int RunScreenshot(const TestSkinOptions& options) {
    if (!options.error.isEmpty()) {
        PrintError(options.error + QStringLiteral(". ") + TestSkinOptions::Usage());
        return kExitUsage;
    }
    QString error;
    auto window = MakeTestWindow(options, {}, &error);
    if (!window) {
        PrintError(error);
        return kExitFailure;
    }
    // Shown without reaching the screen, so the client widgets are laid out as in the real window.
    window->setAttribute(Qt::WA_DontShowOnScreen);
    window->resize(options.size);
    window->show();
    window->SetActiveLook(true);
    // Layouts placed by posted events (the status bar's size grip) and widgets adopted by the style from
    // the event loop settle before the picture is taken.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QImage image;
    if (options.menu.isEmpty()) {
        image = window->grab().toImage();
    } else {
        const int index = static_cast<int>(CSkinTestMenus::Titles().indexOf(options.menu));
        if (index < 0) {
            PrintError(QStringLiteral("no menu \"%1\"; the menu bar has %2")
                           .arg(options.menu, CSkinTestMenus::Titles().join(QStringLiteral(", "))));
            return kExitUsage;
        }
        image = GrabWithMenu(*window, index);
    }
    if (image.isNull() || !image.save(options.screenshot, "PNG")) {
        PrintError(QStringLiteral("%1: cannot write the screenshot").arg(options.screenshot));
        return kExitFailure;
    }
    return kExitOk;
}

int RunScreenshot(const QStringList& arguments) {
    TestSkinOptions options = TestSkinOptions::Parse(arguments);
    if (options.screenshot.isEmpty() && options.error.isEmpty())
        options.error = QStringLiteral("no --screenshot file given");
    return RunScreenshot(options);
}

int RunTestSkin(const QStringList& arguments) {
    const TestSkinOptions options = TestSkinOptions::Parse(arguments);
    if (!options.screenshot.isEmpty()) return RunScreenshot(options);
    if (!options.error.isEmpty()) {
        PrintError(options.error);
        QMessageBox::critical(nullptr, kProgramName, options.error + QStringLiteral("\n\n") + TestSkinOptions::Usage());
        return kExitUsage;
    }
    QString error;
    // A password given on the command line is tried first; the prompt follows only when it is refused.
    auto window = MakeTestWindow(options, AskPassword, &error);
    if (!window) {
        PrintError(error);
        QMessageBox::critical(nullptr, kProgramName, error);
        return kExitFailure;
    }
    window->resize(options.size);
    window->show();
    return QApplication::exec();
}

}  // namespace testskin
