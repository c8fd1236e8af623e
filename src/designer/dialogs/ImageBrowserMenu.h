#pragma once
// The Skin Image Editor's menu bar: File, Edit, Mode and Zoom with the editor's command IDs. The menu only
// holds the actions; the editor runs the commands and calls Update() whenever its state changes (and the
// menu itself before a popup opens), so check marks and enabled states are always current.

#include <QHash>
#include <QObject>

#include <functional>

#include "Resource/SkinRecords.h"

class QAction;
class QMenu;
class QMenuBar;

class CImageBrowserMenu : public QObject {
    Q_OBJECT
public:
    enum Command {
        kOpenImage = 32789,
        kExit = 32790,
        kCopySelection = 32791,
        kPasteSelection = 32792,
        kSelectAll = 32793,
        kResetSelection = 32794,
        kStretchAll = 32822,
        kTileAll = 32823,
        kLeftEdge = 32824,
        kRightEdge = 32825,
        kTopEdge = 32826,
        kBottomEdge = 32827,
        kClientArea = 32828,
        kZoom100 = 32797,
        kZoom200 = 32798,
        kZoom400 = 32800,
        kZoom600 = 32802,
        kZoom800 = 32803,
        kZoom1200 = 32804,
        kZoom1600 = 32805,
    };
    // The zoom commands with their percentages, in menu order.
    static const QList<QPair<int, int>>& ZoomCommands();

    // What the check marks and enabled states are taken from.
    struct State {
        SkinImageBase image;
        int zoom = 100;
        bool canPaste = true;
    };

    // Builds the popups into `bar`; `run` is called with a command ID when one is chosen; `state` is asked
    // before a popup opens.
    CImageBrowserMenu(QMenuBar* bar, std::function<void(int)> run, std::function<State()> state);

    QAction* Action(int command) const { return m_actions.value(command, nullptr); }
    void Update(const State& state);

private:
    QAction* Add(QMenu* menu, int command, const QString& text, bool checkable = false);

    QHash<int, QAction*> m_actions;
    std::function<void(int)> m_run;
    std::function<State()> m_state;
};
