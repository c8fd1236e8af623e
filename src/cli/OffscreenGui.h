#pragma once
// The QGuiApplication that commands drawing text or asking the font database need. Only in builds with
// the drawing library.

namespace cli {

// Creates the application on first use, always on the offscreen platform: the commands never show a
// window, so they run where there is no display whatever QT_QPA_PLATFORM says. Kept for the whole run.
void EnsureGuiApplication();

}  // namespace cli
