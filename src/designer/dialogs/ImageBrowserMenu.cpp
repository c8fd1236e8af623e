#include "designer/dialogs/ImageBrowserMenu.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "designer/dialogs/SliceGeometry.h"

const QList<QPair<int, int>>& CImageBrowserMenu::ZoomCommands() {
    static const QList<QPair<int, int>> zooms{{kZoom100, 100}, {kZoom200, 200},   {kZoom400, 400},  {kZoom600, 600},
                                              {kZoom800, 800}, {kZoom1200, 1200}, {kZoom1600, 1600}};
    return zooms;
}

CImageBrowserMenu::CImageBrowserMenu(QMenuBar* bar, std::function<void(int)> run, std::function<State()> state)
    : QObject(bar), m_run(std::move(run)), m_state(std::move(state)) {
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    Add(file, kOpenImage, QStringLiteral("&Open Image\tCtrl+O"));
    file->addSeparator();
    Add(file, kExit, QStringLiteral("E&xit\tEsc"));

    QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
    Add(edit, kCopySelection, QStringLiteral("&Copy Selection\tCtrl+C"));
    Add(edit, kPasteSelection, QStringLiteral("&Paste Selection\tCtrl+V"));
    edit->addSeparator();
    Add(edit, kSelectAll, QStringLiteral("Select &All\tCtrl+A"));
    Add(edit, kResetSelection, QStringLiteral("&Reset Selection\tCtrl+Del"));

    QMenu* mode = bar->addMenu(QStringLiteral("&Mode"));
    Add(mode, kStretchAll, QStringLiteral("Stretch All"), true);
    Add(mode, kTileAll, QStringLiteral("Title All"), true);
    mode->addSeparator();
    Add(mode, kLeftEdge, QStringLiteral("Left Edge"), true);
    Add(mode, kRightEdge, QStringLiteral("Right Edge"), true);
    Add(mode, kTopEdge, QStringLiteral("Top Edge"), true);
    Add(mode, kBottomEdge, QStringLiteral("Bottom Edge"), true);
    Add(mode, kClientArea, QStringLiteral("Client Area"), true);

    QMenu* zoom = bar->addMenu(QStringLiteral("&Zoom"));
    const char* keys[] = {"1", "2", "4", "6", "8", "9", "0"};
    int i = 0;
    for (const auto& [command, percent] : ZoomCommands())
        Add(zoom, command, QStringLiteral("%1%\tCtrl+%2").arg(percent).arg(QLatin1String(keys[i++])), true);

    for (QMenu* menu : {file, edit, mode, zoom})
        connect(menu, &QMenu::aboutToShow, this, [this] {
            if (m_state) Update(m_state());
        });
}

QAction* CImageBrowserMenu::Add(QMenu* menu, int command, const QString& text, bool checkable) {
    QAction* action = menu->addAction(text);
    const int tab = text.indexOf(QLatin1Char('\t'));
    if (tab >= 0) {
        action->setShortcut(QKeySequence(text.mid(tab + 1)));
        // Window-wide, so the keys work wherever the focus is in the editor.
        action->setShortcutContext(Qt::WindowShortcut);
    }
    action->setCheckable(checkable);
    action->setData(command);
    m_actions.insert(command, action);
    connect(action, &QAction::triggered, this, [this, command] {
        if (m_run) m_run(command);
    });
    return action;
}

void CImageBrowserMenu::Update(const State& state) {
    const SkinImageBase& img = state.image;
    m_actions[kPasteSelection]->setEnabled(state.canPaste);
    m_actions[kStretchAll]->setChecked(AllModes(img, true));
    m_actions[kTileAll]->setChecked(AllModes(img, false));
    m_actions[kLeftEdge]->setChecked(img.leftMode != 0);
    m_actions[kRightEdge]->setChecked(img.rightMode != 0);
    m_actions[kTopEdge]->setChecked(img.topMode != 0);
    m_actions[kBottomEdge]->setChecked(img.bottomMode != 0);
    m_actions[kClientArea]->setChecked(img.centerMode != 0);
    for (const auto& [command, percent] : ZoomCommands()) m_actions[command]->setChecked(state.zoom == percent);
}
