#pragma once
// The menus the test window's menu bar opens: real popup menus, drawn by the window's style, whose commands
// show every look a skin gives a menu item (shortcut, disabled, default, separator, check mark, radio
// choice, sub-menu) and do what they say: reload and close, edit the focused field, choose the frame,
// show or hide the tool and status bars, the inactive look, minimise, maximise, restore and roll the
// window, What's This and About. The window owns this object; the menus are the window's children.

#include <QObject>
#include <QStringList>

#include <array>

class CSkinTestWindow;
class QAction;
class QActionGroup;
class QMenu;

class CSkinTestMenus : public QObject {
    Q_OBJECT
public:
    explicit CSkinTestMenus(CSkinTestWindow* window);

    // The menu bar's titles, "File" first, and the menu each opens.
    static const QStringList& Titles();
    QMenu* Menu(int index) const;
    int Count() const { return static_cast<int>(m_menus.size()); }

private:
    QMenu* BuildFileMenu();
    QMenu* BuildEditMenu();
    QMenu* BuildViewMenu();
    QMenu* BuildWindowMenu();
    QMenu* BuildHelpMenu();
    // A command of the Edit menu: the focused field's slot of that name, offered only when it has one.
    QAction* AddEditCommand(QMenu* menu, const QString& text, const char* slot);
    void ListFrames(QMenu* frames);
    void ShowAbout();

    CSkinTestWindow* m_window;
    std::array<QMenu*, 5> m_menus{};
    QActionGroup* m_frameChoices = nullptr;
};
