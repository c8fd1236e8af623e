#include "testskin/SkinTestMenus.h"

#include <QActionGroup>
#include <QKeySequence>
#include <QMenu>
#include <QMessageBox>
#include <QMetaObject>
#include <QStatusBar>
#include <QToolBar>
#include <QWhatsThis>

#include "testskin/SkinTestWindow.h"

namespace {

enum MenuIndex { kFile, kEdit, kView, kWindow, kHelp };

// The normalised signature of a slot without arguments, as the meta-object system names it.
QByteArray SlotSignature(const char* slot) { return QByteArray(slot) + "()"; }

// A bar of the client panel shown or hidden by a checkable command.
template <class Bar>
void AddBarToggle(QMenu* menu, const QString& text, QWidget* panel) {
    QAction* toggle = menu->addAction(text);
    toggle->setCheckable(true);
    Bar* bar = panel->findChild<Bar*>();
    toggle->setEnabled(bar != nullptr);
    QObject::connect(menu, &QMenu::aboutToShow, toggle, [toggle, panel] {
        const Bar* shown = panel->findChild<Bar*>();
        toggle->setChecked(shown && !shown->isHidden());
    });
    QObject::connect(toggle, &QAction::triggered, panel, [panel](bool on) {
        if (Bar* b = panel->findChild<Bar*>()) b->setVisible(on);
    });
}

}  // namespace

CSkinTestMenus::CSkinTestMenus(CSkinTestWindow* window) : QObject(window), m_window(window) {
    m_menus = {BuildFileMenu(), BuildEditMenu(), BuildViewMenu(), BuildWindowMenu(), BuildHelpMenu()};
    for (int i = 0; i < Count(); ++i) m_menus[i]->setTitle(Titles()[i]);
}

const QStringList& CSkinTestMenus::Titles() {
    static const QStringList titles = {tr("File"), tr("Edit"), tr("View"), tr("Window"), tr("Help")};
    return titles;
}

QMenu* CSkinTestMenus::Menu(int index) const {
    return index >= 0 && index < Count() ? m_menus[index] : nullptr;
}

QMenu* CSkinTestMenus::BuildFileMenu() {
    auto* menu = new QMenu(m_window);
    QAction* reload = menu->addAction(tr("&Reload"), m_window, &CSkinTestWindow::ReloadPackage);
    reload->setShortcut(QKeySequence(Qt::Key_F5));
    // Reading the package again is what a double-click in a skinned menu would do: the default command.
    menu->setDefaultAction(reload);
    menu->addSeparator();
    QAction* close = menu->addAction(tr("&Close"), m_window, &QWidget::close);
    close->setShortcut(QKeySequence::Close);
    connect(menu, &QMenu::aboutToShow, reload, [this, reload] { reload->setEnabled(!m_window->PackagePath().isEmpty()); });
    // The shortcuts work while the menu is closed too.
    m_window->addActions({reload, close});
    return menu;
}

QAction* CSkinTestMenus::AddEditCommand(QMenu* menu, const QString& text, const char* slot) {
    QAction* command = menu->addAction(text);
    connect(menu, &QMenu::aboutToShow, command, [this, command, slot] {
        const QWidget* focus = m_window->focusWidget();
        command->setEnabled(focus && focus->metaObject()->indexOfMethod(SlotSignature(slot)) >= 0);
    });
    connect(command, &QAction::triggered, this, [this, slot] {
        if (QWidget* focus = m_window->focusWidget()) QMetaObject::invokeMethod(focus, slot);
    });
    return command;
}

QMenu* CSkinTestMenus::BuildEditMenu() {
    auto* menu = new QMenu(m_window);
    // The fields handle these keys themselves: the shortcuts are only shown.
    AddEditCommand(menu, tr("&Undo\tCtrl+Z"), "undo");
    menu->addSeparator();
    AddEditCommand(menu, tr("Cu&t\tCtrl+X"), "cut");
    AddEditCommand(menu, tr("&Copy\tCtrl+C"), "copy");
    AddEditCommand(menu, tr("&Paste\tCtrl+V"), "paste");
    menu->addSeparator();
    AddEditCommand(menu, tr("Select &All\tCtrl+A"), "selectAll");
    return menu;
}

QMenu* CSkinTestMenus::BuildViewMenu() {
    auto* menu = new QMenu(m_window);
    QMenu* frames = menu->addMenu(tr("&Frame"));
    m_frameChoices = new QActionGroup(frames);
    m_frameChoices->setExclusive(true);
    // Listed as the View menu opens: the skin may have been reloaded with other frames since.
    connect(menu, &QMenu::aboutToShow, this, [this, frames] { ListFrames(frames); });
    menu->addSeparator();
    AddBarToggle<QToolBar>(menu, tr("&Tool Bar"), m_window->ClientPanel());
    AddBarToggle<QStatusBar>(menu, tr("&Status Bar"), m_window->ClientPanel());
    menu->addSeparator();
    QAction* inactive = menu->addAction(tr("&Inactive Look"));
    inactive->setCheckable(true);
    connect(menu, &QMenu::aboutToShow, inactive, [this, inactive] { inactive->setChecked(!m_window->ActiveLook()); });
    connect(inactive, &QAction::triggered, m_window, [this](bool on) { m_window->SetActiveLook(!on); });
    return menu;
}

void CSkinTestMenus::ListFrames(QMenu* frames) {
    for (QAction* old : m_frameChoices->actions()) {
        m_frameChoices->removeAction(old);
        frames->removeAction(old);
        old->deleteLater();
    }
    const QStringList labels = m_window->FrameLabels();
    const int current = m_window->FrameIndex();
    for (int i = 0; i < labels.size(); ++i) {
        // A name with '&' shows it rather than marking a mnemonic.
        QAction* choice = frames->addAction(QString(labels[i]).replace(QLatin1Char('&'), QStringLiteral("&&")));
        choice->setCheckable(true);
        choice->setChecked(i == current);
        m_frameChoices->addAction(choice);
        connect(choice, &QAction::triggered, m_window, [this, i] { m_window->ShowFrameAt(i); });
    }
}

QMenu* CSkinTestMenus::BuildWindowMenu() {
    auto* menu = new QMenu(m_window);
    menu->addAction(tr("Mi&nimise"), m_window, &QWidget::showMinimized);
    QAction* maximise = menu->addAction(tr("Ma&ximise"), m_window, [this] { m_window->SetMaximised(true); });
    QAction* restore = menu->addAction(tr("&Restore"), m_window, [this] { m_window->SetMaximised(false); });
    menu->addSeparator();
    QAction* roll = menu->addAction(tr("Ro&ll Up"));
    roll->setCheckable(true);
    connect(roll, &QAction::triggered, m_window, [this](bool on) { m_window->SetRolledUp(on); });
    connect(menu, &QMenu::aboutToShow, this, [this, maximise, restore, roll] {
        maximise->setEnabled(!m_window->isMaximized());
        restore->setEnabled(m_window->isMaximized() || m_window->IsRolledUp());
        roll->setChecked(m_window->IsRolledUp());
    });
    return menu;
}

QMenu* CSkinTestMenus::BuildHelpMenu() {
    auto* menu = new QMenu(m_window);
    QAction* whatsThis = menu->addAction(tr("What's &This?"), m_window, [] { QWhatsThis::enterWhatsThisMode(); });
    whatsThis->setShortcut(QKeySequence::WhatsThis);
    m_window->addAction(whatsThis);
    menu->addSeparator();
    menu->addAction(tr("&About Corvalet..."), this, &CSkinTestMenus::ShowAbout);
    return menu;
}

void CSkinTestMenus::ShowAbout() {
    // Not modal: the window behind keeps showing the skin while the box is open.
    auto* about = new QMessageBox(QMessageBox::Information, tr("About Corvalet"),
                                  tr("Corvalet, the skin test program of Vornadesk.\n\nShowing \"%1\" in the frame "
                                     "\"%2\".")
                                      .arg(m_window->windowTitle(), m_window->FrameLabels().value(m_window->FrameIndex())),
                                  QMessageBox::Ok, m_window);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->open();
}
