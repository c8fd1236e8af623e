#pragma once
// The designer's main window: menus, the "Standard" toolbar, the status bar, the design view in the centre,
// the panes "Skin Objects" (left) and "Properties" (right), the file commands and the change tracking. It
// owns the session (the document and its undo stack), the thirty pages and the dialog provider it asks the
// user through. Packages are read on a worker thread (see PackageOpenJob) while the window keeps running.

#include <QHash>
#include <QMainWindow>

#include <functional>
#include <memory>
#include <vector>

#include "designer/PackageOpenJob.h"
#include "designer/SkinSession.h"

class CChildView;
class CPageList;
class CProjectArea;
class CPropertyArea;
class DialogProvider;
class QAction;
class QDockWidget;
class QLabel;
class QMenu;
class QSettings;
namespace vd {
struct LockKeyStates;
}

class PictureFileWatcher;
class PictureReloadBar;
class ProblemsPane;
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    // Command identifiers of the entries that have one.
    enum Command {
        ID_FILE_NEW = 32771, ID_FILE_OPEN = 32772, ID_FILE_CLOSE = 32813, ID_LOAD_SAMPLE = 32867,
        ID_FILE_SAVE = 32773, ID_FILE_SAVE_AS = 32774, ID_LOAD_IMAGE = 32787, ID_APP_EXIT = 57665,
        ID_EDIT_CUT = 32807, ID_EDIT_COPY = 32808, ID_EDIT_PASTE = 32809, ID_EDIT_DELETE = 32810,
        ID_VIEW_TOOLBAR = 59392, ID_VIEW_STATUS_BAR = 59393, ID_SHOW_PROJECT = 32779, ID_SHOW_PROPERTY = 32780,
        ID_HELP_TOPICS = 32862, ID_HOMEPAGE = 32861, ID_APP_ABOUT = 57664, ID_SHOW_GRIPS = 32860,
        ID_TEST_SKIN = 32814, ID_EDIT_UNDO = 1, ID_EDIT_REDO = 2, ID_REMOVE_UNUSED_PICTURES = 32900,
        ID_SHOW_PROBLEMS = 32901,
    };

    // dialogs: null uses the real Qt dialogs. settingsFile: where the layout and recent files live (an INI
    // file); empty uses the user's settings.
    explicit CMainFrame(DialogProvider* dialogs = nullptr, const QString& settingsFile = QString(),
                        QWidget* parent = nullptr);
    ~CMainFrame() override;

    SkinSession& Session() { return m_session; }
    PictureReloadBar* ReloadBar() const { return m_reloadBar; }
    PictureFileWatcher* PictureWatcher() const { return m_pictureWatcher; }
    CProjectArea* ProjectArea() const { return m_projectArea; }
    CPropertyArea* PropertyArea() const { return m_propertyArea; }
    CChildView* View() const { return m_view; }
    CPageList& Pages() const { return *m_pages; }
    QDockWidget* ProjectPane() const { return m_projectPane; }
    QDockWidget* PropertyPane() const { return m_propertyPane; }
    // The skin check's findings, in the dock "Problems" below the tree.
    ProblemsPane* Problems() const { return m_problems; }
    QDockWidget* ProblemsDock() const { return m_problemsPane; }
    QAction* Action(int command) const { return m_actions.value(command, nullptr); }
    const QHash<int, QAction*>& Actions() const { return m_actions; }
    // The file the current skin was opened from or saved to; empty for a skin that has none.
    QString FilePath() const { return m_filePath; }
    QStringList RecentFiles() const;
    static QString AppTitle() { return QStringLiteral("Tessmark"); }

    // ---- commands; each returns whether it went through ----
    bool OnFileNew();
    bool OnFileOpen();
    bool OpenPath(const QString& path);  // with the password prompts; no save question
    bool OpenWithQuestion(const QString& path);
    // The program's command line: the first argument after the program, if any, is a skin to open.
    bool OpenFromArguments(const QStringList& arguments);
    bool OnFileSave();
    bool OnFileSaveAs();
    bool OnLoadSample();
    bool OnTestSkin();
    bool OnHelpTopics();
    bool OnHomePage();

    // True while a package is being read (the window then runs its event loop inside the open command).
    bool IsOpening() const { return m_opening != nullptr; }
    // Test seams: a function run on the opening thread just before each open, and how long an open runs
    // before its progress dialog shows.
    void SetOpenWorkerHook(std::function<void(const OpenMonitor&)> hook) { m_openWorkerHook = std::move(hook); }
    void SetProgressDelay(int milliseconds) { m_progressDelayMs = milliseconds; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void UpdateLockIndicators(const vd::LockKeyStates& states);
    void CreatePanes();
    void CreateProblemsPane();
    // The count in the status bar; the pane shows when findings appear and hides when the last one goes.
    void OnFindingsChanged();
    QAction* AddAction(int command, const QString& text, const QKeySequence& shortcut = {});
    void OnDocumentChanged(const DocumentChange& change);
    // Asks "File %s has been modified..." (Save, Don't Save, Cancel) when there are unsaved changes. False
    // when the command must stop: Cancel, or a save that failed or was cancelled.
    bool MaybeSave();
    // Hands a value still being typed in the grid to the document.
    void CommitPendingEdit();
    bool SaveTo(const QString& path);
    // Runs `work` on a worker thread into a fresh document, with the progress dialog; the current skin is
    // not touched. Null with *result set when the open failed or was cancelled (*error then tells why).
    std::unique_ptr<CSkinDocument> RunOpen(const QString& displayName, PackageOpenJob::Work work,
                                           vd::OpenResult* result, std::string* error);
    // Tells the author what the opened package held that the document does not, or changed.
    void ReportOpenWarnings(const QString& path, const CSkinDocument& document);
    // blank: the document is the one New makes (New leaves it alone while it is unmodified).
    void StartFresh(std::unique_ptr<CSkinDocument> document, const QString& filePath, bool blank = false);
    void SetTitleSuffix(const QString& suffix);
    QString CurrentName() const;
    void AddRecentFile(const QString& path);
    void UpdateRecentMenu();
    void SaveLayout();
    void RestoreLayout();

    SkinSession m_session;
    std::unique_ptr<DialogProvider> m_ownDialogs;
    DialogProvider* m_dialogs;
    std::unique_ptr<QSettings> m_settings;
    std::unique_ptr<CPageList> m_pages;
    CChildView* m_view;
    PictureReloadBar* m_reloadBar = nullptr;       // above the view: pictures changed on disk
    PictureFileWatcher* m_pictureWatcher = nullptr;
    CPropertyArea* m_propertyArea = nullptr;
    CProjectArea* m_projectArea = nullptr;
    QDockWidget* m_projectPane = nullptr;
    QDockWidget* m_propertyPane = nullptr;
    ProblemsPane* m_problems = nullptr;
    QDockWidget* m_problemsPane = nullptr;
    QLabel* m_problemsLabel = nullptr;  // "2 errors, 1 warning"; blank for a clean skin
    bool m_hadFindings = false;
    QMenu* m_recentMenu = nullptr;
    QLabel* m_modifiedLabel = nullptr;
    std::vector<QLabel*> m_lockLabels;  // CAP, NUM, SCRL
    QHash<int, QAction*> m_actions;
    QString m_filePath;
    bool m_bBlankSkin = false;
    PackageOpenJob* m_opening = nullptr;  // the open in progress, owned by RunOpen
    bool m_closeAfterOpen = false;        // the window was closed during an open
    std::function<void(const OpenMonitor&)> m_openWorkerHook;
    int m_progressDelayMs;
};
