#pragma once
// What the Corvalet executable does, kept out of main() so tests can call it: open the package and build
// the window, run it interactively, or render it offscreen into a PNG.

#include <QString>
#include <QStringList>

#include <memory>

#include "testskin/SkinPackageOpen.h"
#include "testskin/TestSkinOptions.h"

class CSkinTestWindow;

namespace testskin {

// Process exit codes.
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;  // the package, the frame or the output file
inline constexpr int kExitUsage = 2;    // the command line

// Opens the package the options name and builds its window (not shown). Null with the reason in error.
std::unique_ptr<CSkinTestWindow> MakeTestWindow(const TestSkinOptions& options, const PasswordPrompt& prompt,
                                                QString* error);

// Renders the window into options.screenshot at options.size without a prompt; failures go to stderr.
int RunScreenshot(const TestSkinOptions& options);
int RunScreenshot(const QStringList& arguments);

// The whole program for the arguments after its name; a QApplication must exist. Shows every failure in
// a message box and on stderr.
int RunTestSkin(const QStringList& arguments);

}  // namespace testskin
