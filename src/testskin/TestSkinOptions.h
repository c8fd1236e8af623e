#pragma once
// The test program's command line: the designer passes "/SPATH:<path>"; a plain path, a frame name, a
// password and an offscreen screenshot with its size may be given by hand or by scripts.

#include <QSize>
#include <QString>
#include <QStringList>

struct TestSkinOptions {
    QString path;
    QString frame;       // empty: the skin's first frame
    QString password;
    bool hasPassword = false;
    QString screenshot;  // empty: the interactive window
    QString menu;        // with a screenshot: the menu bar item whose menu is shown open ("File"…)
    QSize size{960, 720};
    QString error;       // set when the command line cannot be used

    // Reads the arguments after the program name.
    static TestSkinOptions Parse(const QStringList& arguments);
    static QString Usage();
};
