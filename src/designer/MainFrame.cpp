#include "designer/MainFrame.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPointer>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>
#include <QMenu>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

#include "Resource/ResObjects/ResApp.h"
#include "Resource/SkinDocument.h"
#include "designer/ChildView.h"
#include "designer/PictureFileWatcher.h"
#include "designer/PictureReloadBar.h"
#include "designer/ProblemsPane.h"
#include "designer/CommandIcons.h"
#include "designer/DialogProvider.h"
#include "designer/DisplayText.h"
#include "designer/HelpWindow.h"
#include "designer/OpenFailureDetail.h"
#include "designer/OpenProgressDialog.h"
#include "designer/OpenWarnings.h"
#include "designer/ProductInfo.h"
#include "designer/LegacyNames.h"
#include "designer/ObjectKinds.h"
#include "designer/ProjectArea.h"
#include "designer/PropertyArea.h"
#include "designer/pages/PageList.h"
#include "platform/LockKeys.h"
#include "designer/propertygrid/PropertyGrid.h"

namespace {

constexpr int kMaxRecentFiles = 8;
const char* const kSkinFilter = "Quarnelbrix File(*.rss) (*.rss);;All File (*.*) (*)";

// The application icon in every size the resources have.
QIcon AppIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 256}) icon.addFile(QStringLiteral(":/icons/app-%1.png").arg(size), QSize(size, size));
    return icon;
}

// A new skin starts with one application object; that is where a skin begins, not an edit to undo.
std::unique_ptr<CSkinDocument> NewSkin() {
    auto document = std::make_unique<CSkinDocument>();
    document->Apps().NewItem();
    return document;
}

}  // namespace

CMainFrame::CMainFrame(DialogProvider* dialogs, const QString& settingsFile, QWidget* parent)
    : QMainWindow(parent), m_dialogs(dialogs), m_pages(std::make_unique<CPageList>()), m_view(new CChildView(this)),
      m_progressDelayMs(OpenProgressDialog::kDefaultShowDelayMs) {
    if (!m_dialogs) {
        m_ownDialogs = std::make_unique<QtDialogProvider>();
        m_dialogs = m_ownDialogs.get();
    }
    m_settings = settingsFile.isEmpty() ? std::make_unique<QSettings>(QStringLiteral("Quarnelbrix"), AppTitle())
                                        : std::make_unique<QSettings>(settingsFile, QSettings::IniFormat);
    setObjectName(QStringLiteral("MainFrame"));
    setWindowIcon(AppIcon());
    setAcceptDrops(true);
    // The reload bar sits above the design view and shows only while a picture file changed on disk.
    m_reloadBar = new PictureReloadBar(m_session, this);
    m_pictureWatcher = new PictureFileWatcher(m_session, this);
    connect(m_pictureWatcher, &PictureFileWatcher::picturesChanged, m_reloadBar, &PictureReloadBar::Offer);
    auto* central = new QWidget(this);
    auto* centralLayout = new QVBoxLayout(central);
    centralLayout->setContentsMargins(0, 0, 0, 0);
    centralLayout->setSpacing(0);
    centralLayout->addWidget(m_reloadBar);
    centralLayout->addWidget(m_view, 1);
    setCentralWidget(central);
    CreatePanes();
    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    connect(&m_session, &SkinSession::changed, this, &CMainFrame::OnDocumentChanged);
    connect(&m_session, &SkinSession::modifiedChanged, this,
            [this](bool modified) { m_modifiedLabel->setText(modified ? tr("Modified") : QString()); });
    RestoreLayout();
    StartFresh(NewSkin(), QString(), true);
}

CMainFrame::~CMainFrame() {
    // The tree and grid listen to the session; they go before it.
    delete m_problemsPane;
    delete m_projectPane;
    delete m_propertyPane;
    m_problemsPane = m_projectPane = m_propertyPane = nullptr;
}

QAction* CMainFrame::AddAction(int command, const QString& text, const QKeySequence& shortcut) {
    auto* action = new QAction(text, this);
    if (!shortcut.isEmpty()) action->setShortcut(shortcut);
    m_actions.insert(command, action);
    return action;
}

void CMainFrame::CreatePanes() {
    m_propertyArea = new CPropertyArea(this);
    m_pages->Attach(&m_session, m_propertyArea->Grid(), m_dialogs);
    // A value still being typed in the grid belongs to the document before anything reads or replaces it.
    m_session.SetPendingEditCommitter([this] { CommitPendingEdit(); });
    m_projectArea = new CProjectArea(m_session, *m_pages, *m_dialogs, this);
    m_projectArea->SetView(m_view);
    connect(m_projectArea, &CProjectArea::propertiesShown, this, [this](int id) {
        if (!id) m_propertyArea->Clear();
    });
    connect(m_view, &CChildView::selectObjectRequested, m_projectArea, &CProjectArea::SelectItemByData);
    // Rows bound to the page rather than the document (the button preview's "State") change only the view.
    connect(m_propertyArea->Grid(), &vd::PropertyGrid::valueChanged, m_view->viewport(), qOverload<>(&QWidget::update));

    m_projectPane = new QDockWidget(tr("Skin Objects"), this);
    m_projectPane->setObjectName(QStringLiteral("SkinObjectsPane"));
    m_projectPane->setWidget(m_projectArea);
    addDockWidget(Qt::LeftDockWidgetArea, m_projectPane);
    m_propertyPane = new QDockWidget(tr("Properties"), this);
    m_propertyPane->setObjectName(QStringLiteral("PropertiesPane"));
    m_propertyPane->setWidget(m_propertyArea);
    addDockWidget(Qt::RightDockWidgetArea, m_propertyPane);
    resizeDocks({m_projectPane, m_propertyPane}, {220, 250}, Qt::Horizontal);
    CreateProblemsPane();
}

void CMainFrame::CreateProblemsPane() {
    m_problems = new ProblemsPane(m_session, *m_projectArea, *m_propertyArea->Grid(), this);
    m_problemsPane = new QDockWidget(tr("Problems"), this);
    m_problemsPane->setObjectName(QStringLiteral("ProblemsPane"));
    m_problemsPane->setWidget(m_problems);
    addDockWidget(Qt::LeftDockWidgetArea, m_problemsPane);
    splitDockWidget(m_projectPane, m_problemsPane, Qt::Vertical);
    m_problemsPane->hide();  // until the check finds something
    m_actions.insert(ID_REMOVE_UNUSED_PICTURES, m_problems->RemoveUnusedAction());
    connect(m_problems, &ProblemsPane::findingsChanged, this, &CMainFrame::OnFindingsChanged);
    connect(m_problems, &ProblemsPane::statusMessage, this, [this](const QString& text) { statusBar()->showMessage(text); });
    // A finding leads to a grid row: the grid must be in view.
    connect(m_problems, &ProblemsPane::findingOpened, this, [this] {
        m_propertyPane->show();
        m_propertyPane->raise();
    });
}

void CMainFrame::OnFindingsChanged() {
    m_problemsLabel->setText(m_problems->CountText());
    // Shown when findings appear and hidden when the last one goes; in between the user may close it.
    const bool any = !m_problems->Findings().empty();
    if (any != m_hadFindings) m_problemsPane->setVisible(any);
    m_hadFindings = any;
}

void CMainFrame::CreateActions() {
    // Shortcuts: the entries keep their texts, but Qt shortcuts must be unique, so Copy alone has Ctrl+C
    // (Close has none), Save As takes the usual Ctrl+Shift+S instead of Ctrl+A, and Delete also has the Del key
    // in the tree.
    AddAction(ID_FILE_NEW, tr("&New"), QKeySequence(Qt::CTRL | Qt::Key_N))->setIcon(CommandIcon("new"));
    AddAction(ID_FILE_OPEN, tr("Open(&O)"), QKeySequence(Qt::CTRL | Qt::Key_O))->setIcon(CommandIcon("open"));
    AddAction(ID_FILE_CLOSE, tr("Close(&C)"))->setEnabled(false);
    AddAction(ID_LOAD_SAMPLE, tr("Load Sample..."))->setIcon(CommandIcon("load-sample"));
    AddAction(ID_FILE_SAVE, tr("Save(&S)"), QKeySequence(Qt::CTRL | Qt::Key_S))->setIcon(CommandIcon("save"));
    AddAction(ID_FILE_SAVE_AS, tr("Save As...(&A)"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    AddAction(ID_LOAD_IMAGE, tr("Load &Image"), QKeySequence(Qt::CTRL | Qt::Key_I))->setIcon(CommandIcon("load-image"));
    AddAction(ID_APP_EXIT, tr("&Exit"));
    AddAction(ID_EDIT_CUT, tr("C&ut"), QKeySequence(Qt::CTRL | Qt::Key_X))->setEnabled(false);
    AddAction(ID_EDIT_COPY, tr("&Copy"), QKeySequence(Qt::CTRL | Qt::Key_C))->setIcon(CommandIcon("copy"));
    AddAction(ID_EDIT_PASTE, tr("&Paste"), QKeySequence(Qt::CTRL | Qt::Key_V))->setIcon(CommandIcon("paste"));
    AddAction(ID_EDIT_DELETE, tr("&Delete"), QKeySequence(Qt::CTRL | Qt::Key_D))->setIcon(CommandIcon("delete"));
    AddAction(ID_HELP_TOPICS, tr("&Help Topics"), QKeySequence::HelpContents)->setIcon(CommandIcon("help"));
    AddAction(ID_HOMEPAGE, tr("Quarnelbrix HomePage"));
    AddAction(ID_APP_ABOUT, tr("About Tessmark(&A)..."));
    AddAction(ID_TEST_SKIN, tr("&Test Skin"), QKeySequence(Qt::Key_F5))->setIcon(CommandIcon("test-skin"));
    QAction* grips = AddAction(ID_SHOW_GRIPS, tr("Show or hide the Selection TrackRect"));
    grips->setCheckable(true);
    grips->setChecked(true);
    grips->setIcon(CommandIcon("selection-grips"));

    // Undo and redo go through the session, which commits an open grid edit first.
    QUndoStack& stack = m_session.UndoStack();
    QAction* undo = AddAction(ID_EDIT_UNDO, tr("&Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    undo->setIcon(CommandIcon("undo"));
    undo->setEnabled(stack.canUndo());
    connect(&stack, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    connect(&stack, &QUndoStack::undoTextChanged, undo, [undo, this](const QString& text) {
        undo->setText(text.isEmpty() ? tr("&Undo") : tr("&Undo %1").arg(text));
    });
    connect(undo, &QAction::triggered, &m_session, &SkinSession::Undo);
    QAction* redo = AddAction(ID_EDIT_REDO, tr("&Redo"), QKeySequence(Qt::CTRL | Qt::Key_Y));
    redo->setIcon(CommandIcon("redo"));
    redo->setEnabled(stack.canRedo());
    connect(&stack, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    connect(&stack, &QUndoStack::redoTextChanged, redo, [redo, this](const QString& text) {
        redo->setText(text.isEmpty() ? tr("&Redo") : tr("&Redo %1").arg(text));
    });
    connect(redo, &QAction::triggered, &m_session, &SkinSession::Redo);

    QAction* copy = Action(ID_EDIT_COPY);

    connect(Action(ID_FILE_NEW), &QAction::triggered, this, &CMainFrame::OnFileNew);
    connect(Action(ID_FILE_OPEN), &QAction::triggered, this, &CMainFrame::OnFileOpen);
    connect(Action(ID_LOAD_SAMPLE), &QAction::triggered, this, &CMainFrame::OnLoadSample);
    connect(Action(ID_FILE_SAVE), &QAction::triggered, this, &CMainFrame::OnFileSave);
    connect(Action(ID_FILE_SAVE_AS), &QAction::triggered, this, &CMainFrame::OnFileSaveAs);
    connect(Action(ID_LOAD_IMAGE), &QAction::triggered, m_projectArea, &CProjectArea::LoadImagesInteractive);
    connect(Action(ID_APP_EXIT), &QAction::triggered, this, &QWidget::close);
    // Edit commands act on the tree's selected item (the right-clicked one, which a right click selects).
    connect(copy, &QAction::triggered, this, [this] { m_projectArea->Copy(m_projectArea->SelectedId()); });
    connect(Action(ID_EDIT_PASTE), &QAction::triggered, this, [this] { m_projectArea->Paste(m_projectArea->SelectedId()); });
    // Paste is offered only with something to paste; the menu, the toolbar and Ctrl+V share the action.
    auto updatePaste = [this] { Action(ID_EDIT_PASTE)->setEnabled(m_projectArea->CanPaste()); };
    connect(m_projectArea, &CProjectArea::pasteAvailableChanged, this, updatePaste);
    connect(&m_session, &SkinSession::changed, this, updatePaste);
    updatePaste();
    connect(Action(ID_EDIT_DELETE), &QAction::triggered, this,
            [this] { m_projectArea->DeleteObject(m_projectArea->SelectedId()); });
    connect(Action(ID_HELP_TOPICS), &QAction::triggered, this, &CMainFrame::OnHelpTopics);
    connect(Action(ID_HOMEPAGE), &QAction::triggered, this, &CMainFrame::OnHomePage);
    connect(Action(ID_TEST_SKIN), &QAction::triggered, this, &CMainFrame::OnTestSkin);
    connect(Action(ID_APP_ABOUT), &QAction::triggered, this, [this] { m_dialogs->ShowAbout(this); });
    connect(grips, &QAction::toggled, m_view, &CChildView::SetShowGrips);

    // While a grid editor has the keyboard, only the commands that commit it first keep their keys.
    QList<QKeySequence> committing;
    for (int command : {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_TEST_SKIN, ID_HELP_TOPICS})
        committing << Action(command)->shortcut();
    m_propertyArea->Grid()->setPassingShortcuts(committing);
}

void CMainFrame::CreateMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addAction(Action(ID_FILE_NEW));
    file->addAction(Action(ID_FILE_OPEN));
    file->addAction(Action(ID_FILE_CLOSE));
    file->addAction(Action(ID_LOAD_SAMPLE));
    file->addSeparator();
    file->addAction(Action(ID_FILE_SAVE));
    file->addAction(Action(ID_FILE_SAVE_AS));
    file->addSeparator();
    file->addAction(Action(ID_LOAD_IMAGE));
    file->addAction(Action(ID_REMOVE_UNUSED_PICTURES));
    file->addAction(Action(ID_TEST_SKIN));
    file->addSeparator();
    m_recentMenu = file->addMenu(tr("Recent &Files"));
    file->addSeparator();
    file->addAction(Action(ID_APP_EXIT));
    UpdateRecentMenu();

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->addAction(Action(ID_EDIT_UNDO));
    edit->addAction(Action(ID_EDIT_REDO));
    edit->addSeparator();
    edit->addAction(Action(ID_EDIT_CUT));
    edit->addAction(Action(ID_EDIT_COPY));
    edit->addAction(Action(ID_EDIT_PASTE));
    edit->addAction(Action(ID_EDIT_DELETE));

    QMenu* view = menuBar()->addMenu(tr("&View"));
    QAction* toolbar = AddAction(ID_VIEW_TOOLBAR, tr("Show &Toolbar"));
    QAction* status = AddAction(ID_VIEW_STATUS_BAR, tr("Show Status&Bar"));
    for (QAction* a : {toolbar, status}) {
        a->setCheckable(true);
        a->setChecked(true);
    }
    connect(status, &QAction::toggled, statusBar(), &QWidget::setVisible);
    view->addAction(toolbar);
    view->addAction(status);
    // The pane commands show and hide their panes; closing a pane clears the check.
    QAction* project = m_projectPane->toggleViewAction();
    project->setText(tr("Show &Project"));
    m_actions.insert(ID_SHOW_PROJECT, project);
    QAction* property = m_propertyPane->toggleViewAction();
    property->setText(tr("Show P&roperty"));
    m_actions.insert(ID_SHOW_PROPERTY, property);
    QAction* problems = m_problemsPane->toggleViewAction();
    problems->setText(tr("Show Pro&blems"));
    m_actions.insert(ID_SHOW_PROBLEMS, problems);
    view->addAction(project);
    view->addAction(property);
    view->addAction(problems);
    view->addSeparator();
    view->addAction(Action(ID_SHOW_GRIPS));

    QMenu* object = menuBar()->addMenu(tr("&Object"));
    QMenu* standard = nullptr;
    for (const ObjectMenuEntry& e : ObjectMenuEntries()) {
        QMenu* target = object;
        if (e.standardControl) {
            if (!standard) standard = object->addMenu(tr("Standard Controls"));
            target = standard;
        }
        QAction* a = AddAction(e.command, QString::fromLatin1(e.text));
        a->setIcon(IconForType(e.typeBase));
        const int base = e.typeBase;
        connect(a, &QAction::triggered, this, [this, base] { m_projectArea->CreateObject(base); });
        target->addAction(a);
    }

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(Action(ID_HELP_TOPICS));
    help->addAction(Action(ID_HOMEPAGE));
    help->addSeparator();
    help->addAction(Action(ID_APP_ABOUT));
}

void CMainFrame::CreateToolBar() {
    QToolBar* bar = addToolBar(tr("Standard"));
    bar->setObjectName(QStringLiteral("Standard"));
    bar->setIconSize(QSize(16, 16));
    bar->addAction(Action(ID_FILE_NEW));
    bar->addSeparator();
    bar->addAction(Action(ID_LOAD_SAMPLE));
    bar->addAction(Action(ID_FILE_OPEN));
    bar->addAction(Action(ID_FILE_SAVE));
    bar->addSeparator();
    bar->addAction(Action(ID_EDIT_COPY));
    bar->addAction(Action(ID_EDIT_PASTE));
    bar->addAction(Action(ID_EDIT_DELETE));
    bar->addSeparator();
    bar->addAction(Action(ID_LOAD_IMAGE));
    bar->addSeparator();
    bar->addAction(Action(ID_SHOW_GRIPS));
    bar->addSeparator();
    bar->addAction(Action(ID_HELP_TOPICS));
    connect(Action(ID_VIEW_TOOLBAR), &QAction::toggled, bar, &QWidget::setVisible);
}

void CMainFrame::CreateStatusBar() {
    m_problemsLabel = new QLabel(this);
    m_problemsLabel->setObjectName(QStringLiteral("ProblemsCount"));
    m_problemsLabel->setToolTip(tr("What the skin check finds; the Problems pane lists it."));
    statusBar()->addPermanentWidget(m_problemsLabel);
    m_modifiedLabel = new QLabel(this);
    statusBar()->addPermanentWidget(m_modifiedLabel);
    // The lock-key indicators: each shows its name while its key is on and stays blank otherwise.
    const QFontMetrics metrics(statusBar()->font());
    for (const QString& name : {QStringLiteral("CAP"), QStringLiteral("NUM"), QStringLiteral("SCRL")}) {
        auto* label = new QLabel(this);
        label->setObjectName(name);
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumWidth(metrics.horizontalAdvance(name) + 12);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        statusBar()->addPermanentWidget(label);
        m_lockLabels.push_back(label);
    }
    auto* poll = new QTimer(this);
    connect(poll, &QTimer::timeout, this, [this] { UpdateLockIndicators(vd::ReadLockKeys()); });
    poll->start(500);
    UpdateLockIndicators(vd::ReadLockKeys());
    statusBar()->showMessage(tr("Ready"));
}

void CMainFrame::UpdateLockIndicators(const vd::LockKeyStates& states) {
    const bool on[] = {states.caps, states.num, states.scroll};
    for (size_t i = 0; i < m_lockLabels.size() && i < 3; ++i)
        m_lockLabels[i]->setText(on[i] ? m_lockLabels[i]->objectName() : QString());
}

// ---- document changes: the tree follows by itself; here the grid and the view ----

void CMainFrame::OnDocumentChanged(const DocumentChange& change) {
    if (change.kind == DocumentChange::ObjectChanged || change.kind == DocumentChange::PasswordChanged) {
        m_propertyArea->Grid()->refreshValues();
        CResObjProperty* page = m_view->Page();
        if (page && change.id == page->ShownId() && !m_view->IsDragging()) {
            // A new stored preview size (from the grid, or undone) or a free frame's new background reopens
            // the object at its size; a size dragged in the view stays otherwise.
            if (page->PreviewSize() != m_view->OpenedSize()) m_view->SetPage(page);
        }
    }
    m_view->viewport()->update();
}

// ---- file commands ----

QString CMainFrame::CurrentName() const {
    return m_filePath.isEmpty() ? QStringLiteral("Untitled.rss") : m_filePath;
}

// A file name may hold a line break or a terminal escape; the title shows them escaped.
void CMainFrame::SetTitleSuffix(const QString& suffix) {
    setWindowTitle(AppTitle() + QStringLiteral(" - ") + EscapedForDisplay(suffix));
}

void CMainFrame::CommitPendingEdit() { m_propertyArea->Grid()->commitPendingEdit(); }

bool CMainFrame::MaybeSave() {
    CommitPendingEdit();
    if (!m_session.IsModified()) return true;
    const QString text = tr("File %1 has been modified, you want to save it?").arg(CurrentName());
    switch (m_dialogs->AskSaveChanges(this, text, tr("Quarnelbrix"))) {
    case DialogProvider::SaveAnswer::Save: return OnFileSave();  // a failed or cancelled save stops the command
    case DialogProvider::SaveAnswer::Discard: return true;
    case DialogProvider::SaveAnswer::Cancel: break;
    }
    return false;
}

void CMainFrame::StartFresh(std::unique_ptr<CSkinDocument> document, const QString& filePath, bool blank) {
    m_session.Replace(std::move(document));
    m_filePath = filePath;
    m_bBlankSkin = blank;
    SetTitleSuffix(filePath.isEmpty() ? QStringLiteral("Untitled.rss") : filePath);
}

bool CMainFrame::OnFileNew() {
    CommitPendingEdit();
    // The blank skin New makes, untouched, stays as it is; any other skin (from a file or the sample) gives way.
    if (m_bBlankSkin && !m_session.IsModified()) return false;
    if (!MaybeSave()) return false;
    StartFresh(NewSkin(), QString(), true);
    return true;
}

bool CMainFrame::OnFileOpen() {
    if (m_opening || !MaybeSave()) return false;
    const QString path = m_dialogs->OpenFileName(this, tr("Open"), QString::fromLatin1(kSkinFilter));
    if (path.isEmpty()) return false;
    return OpenPath(path);
}

bool CMainFrame::OpenWithQuestion(const QString& path) {
    if (m_opening || !MaybeSave()) return false;
    return OpenPath(path);
}

bool CMainFrame::OpenFromArguments(const QStringList& arguments) {
    return arguments.size() > 1 && !arguments.at(1).isEmpty() && OpenPath(arguments.at(1));
}

bool CMainFrame::OpenPath(const QString& path) {
    if (m_opening) return false;  // one open at a time
    const QPointer<CMainFrame> alive(this);
    const std::string file = path.toStdString();
    QString password;
    int tries = 0;
    for (;;) {
        const std::string typed = password.toStdString();
        vd::OpenResult result = vd::OpenResult::Ok;
        std::string error;
        std::unique_ptr<CSkinDocument> document = RunOpen(
            QFileInfo(path).fileName(),
            [file, typed](CSkinDocument& d, const OpenMonitor& monitor) { return d.Open(file, typed, &monitor); },
            &result, &error);
        if (!alive) return false;
        if (document) {
            document->SetPassword(typed);
            StartFresh(std::move(document), path);
            RenameLegacyNames(m_session);
            AddRecentFile(path);
            ReportOpenWarnings(path, m_session.Document());
            return true;
        }
        if (result == vd::OpenResult::Cancelled) return false;  // RunOpen said so on the status line
        const QString caption = QString::fromUtf8(vd::OpenResultCaption(result).data(),
                                                  static_cast<int>(vd::OpenResultCaption(result).size()));
        if (result != vd::OpenResult::WrongPassword) {
            // The current skin stays; the user learns which file did not open and why.
            m_dialogs->Warn(this, OpenFailureText(path, result, error), caption);
            return false;
        }
        const QString message = QString::fromUtf8(vd::OpenResultMessage(result).data(),
                                                  static_cast<int>(vd::OpenResultMessage(result).size()));
        // Four prompts at most; "Wrong Password!" before every prompt but the first.
        if (tries > 0) m_dialogs->Warn(this, message, caption);
        if (tries > 3) return false;
        ++tries;
        if (!m_dialogs->AskPassword(this, &password)) return false;
    }
}

std::unique_ptr<CSkinDocument> CMainFrame::RunOpen(const QString& displayName, PackageOpenJob::Work work,
                                                   vd::OpenResult* result, std::string* error) {
    auto hook = m_openWorkerHook;
    PackageOpenJob job([hook, work = std::move(work)](CSkinDocument& document, const OpenMonitor& monitor) {
        if (hook) hook(monitor);
        return work(document, monitor);
    });
    const QPointer<CMainFrame> alive(this);
    m_opening = &job;
    const QString opening = tr("Opening %1...").arg(EscapedForDisplay(displayName));
    statusBar()->showMessage(opening);
    OpenProgressDialog::Wait(job, this, opening, m_progressDelayMs);
    job.Wait();
    *result = job.Result();
    *error = job.Error();
    std::unique_ptr<CSkinDocument> document = job.TakeDocument();
    if (!alive) return nullptr;
    m_opening = nullptr;
    if (*result == vd::OpenResult::Cancelled) {
        const std::string_view cancelled = vd::OpenResultMessage(vd::OpenResult::Cancelled);
        statusBar()->showMessage(QString::fromUtf8(cancelled.data(), static_cast<qsizetype>(cancelled.size())));
    } else {
        statusBar()->showMessage(tr("Ready"));
    }
    if (m_closeAfterOpen) {
        // The window was closed while the package was read; that open was cancelled, now the close goes on.
        m_closeAfterOpen = false;
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    }
    return document;
}

void CMainFrame::ReportOpenWarnings(const QString& path, const CSkinDocument& document) {
    const QString text = OpenWarningsText(path, document.Warnings(), document.Dropped());
    if (!text.isEmpty()) m_dialogs->Warn(this, text, AppTitle());
}

bool CMainFrame::SaveTo(const QString& path) {
    std::string error;
    if (!m_session.Document().Save(path.toStdString(), m_session.Document().Password(), true, &error)) {
        QString text = tr("Save quarnelbrix Fail!");
        if (!error.empty()) text += QStringLiteral("\n") + EscapedForDisplay(error);
        m_dialogs->Warn(this, text, AppTitle());
        return false;
    }
    m_filePath = path;
    m_session.MarkSaved();
    SetTitleSuffix(path);
    AddRecentFile(path);
    return true;
}

bool CMainFrame::OnFileSave() {
    CommitPendingEdit();
    if (m_filePath.isEmpty()) return OnFileSaveAs();
    return SaveTo(m_filePath);
}

bool CMainFrame::OnFileSaveAs() {
    CommitPendingEdit();
    const QString suggested = m_filePath.isEmpty() ? QStringLiteral("Untitled.rss") : m_filePath;
    const QString path = m_dialogs->SaveFileName(this, tr("Save As"), suggested,
                                                 tr("Quarnelbrix File(*.rss) (*.rss)"));
    if (path.isEmpty()) return false;
    return SaveTo(path);
}

bool CMainFrame::OnLoadSample() {
    QFile sample(QStringLiteral(":/samples/Amberline.rss"));
    if (!sample.open(QIODevice::ReadOnly)) {
        m_dialogs->Inform(this, tr("The sample skin is not part of this build."), AppTitle());
        return false;
    }
    const QByteArray bytes = sample.readAll();
    if (m_opening || !MaybeSave()) return false;
    const QPointer<CMainFrame> alive(this);
    vd::OpenResult result = vd::OpenResult::Ok;
    std::string error;
    std::unique_ptr<CSkinDocument> document = RunOpen(
        QStringLiteral("Amberline.rss"),
        [bytes](CSkinDocument& d, const OpenMonitor& monitor) {
            return d.OpenFromMemory("Amberline.rss", "", reinterpret_cast<const uint8_t*>(bytes.constData()),
                                    static_cast<size_t>(bytes.size()), &monitor);
        },
        &result, &error);
    if (!alive || !document) return false;
    document->SetPassword("");
    // The sample has no file of its own: Save asks where to put it.
    StartFresh(std::move(document), QString());
    RenameLegacyNames(m_session);
    return true;
}

bool CMainFrame::OnTestSkin() {
    CommitPendingEdit();
    if (m_filePath.isEmpty()) {
        m_dialogs->Inform(this, tr("Please Save First!"), AppTitle());
        return false;
    }
    const QString program = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("TestSkin/Corvalet"));
    if (!QFileInfo(program).isExecutable()) {
        m_dialogs->Inform(this, tr("The test program %1 is not installed.").arg(QDir::toNativeSeparators(program)),
                          AppTitle());
        return false;
    }
    return m_dialogs->StartDetached(program, {QStringLiteral("/SPATH:") + m_filePath});
}

bool CMainFrame::OnHelpTopics() {
    const QDir appDir(QCoreApplication::applicationDirPath());
    const QStringList candidates = {appDir.filePath(QStringLiteral("docs/help/index.html")),
                                    appDir.filePath(QStringLiteral("../docs/help/index.html")),
                                    appDir.filePath(QStringLiteral("../share/vornadesk/help/index.html"))};
    for (const QString& path : candidates) {
        if (!QFileInfo::exists(path)) continue;
        // The guide opens in a window of its own, kept for the session, so it needs no web browser.
        auto* help = findChild<HelpWindow*>();
        if (!help) help = new HelpWindow(QFileInfo(path).absoluteFilePath(), this);
        help->show();
        help->raise();
        help->activateWindow();
        return true;
    }
    m_dialogs->Inform(this, tr("The user guide (docs/help/index.html) was not found."), AppTitle());
    return false;
}

bool CMainFrame::OnHomePage() {
    const QString url = vd::HomePageUrl();
    if (m_dialogs->OpenUrl(url)) return true;
    m_dialogs->Inform(this, tr("No web browser could be started to show the home page:\n%1").arg(url), AppTitle());
    return false;
}

// ---- recent files, layout, window events ----

QStringList CMainFrame::RecentFiles() const { return m_settings->value(QStringLiteral("RecentFiles")).toStringList(); }

void CMainFrame::AddRecentFile(const QString& path) {
    QStringList files = RecentFiles();
    files.removeAll(path);
    files.prepend(path);
    while (files.size() > kMaxRecentFiles) files.removeLast();
    m_settings->setValue(QStringLiteral("RecentFiles"), files);
    UpdateRecentMenu();
}

void CMainFrame::UpdateRecentMenu() {
    m_recentMenu->clear();
    const QStringList files = RecentFiles();
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        const QString shown = EscapedForDisplay(QDir::toNativeSeparators(path));
        m_recentMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown), this,
                                [this, path] { OpenWithQuestion(path); });
    }
    m_recentMenu->setEnabled(!files.isEmpty());
}

void CMainFrame::SaveLayout() {
    m_settings->setValue(QStringLiteral("NormalLayout/state"), saveState());
    m_settings->setValue(QStringLiteral("NormalLayout/geometry"), saveGeometry());
    m_settings->sync();
}

void CMainFrame::RestoreLayout() {
    restoreGeometry(m_settings->value(QStringLiteral("NormalLayout/geometry")).toByteArray());
    restoreState(m_settings->value(QStringLiteral("NormalLayout/state")).toByteArray());
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (m_opening) {
        // The window cannot go while a worker reads into a document it will hand over: stop the open
        // first, and close once it has stopped.
        m_opening->Cancel();
        m_closeAfterOpen = true;
        event->ignore();
        return;
    }
    if (!MaybeSave()) {
        event->ignore();
        return;
    }
    SaveLayout();
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    const QMimeData* mime = event->mimeData();
    if (mime->hasUrls())
        for (const QUrl& url : mime->urls())
            if (url.toLocalFile().endsWith(QLatin1String(".rss"), Qt::CaseInsensitive)) return event->acceptProposedAction();
    event->ignore();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    for (const QUrl& url : event->mimeData()->urls()) {
        const QString path = url.toLocalFile();
        if (!path.endsWith(QLatin1String(".rss"), Qt::CaseInsensitive)) continue;
        event->acceptProposedAction();
        OpenWithQuestion(path);
        return;
    }
}
