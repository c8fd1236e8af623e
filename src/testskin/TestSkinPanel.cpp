#include "testskin/TestSkinPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QKeySequenceEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

// How often the progress bar steps, and by how much: a full sweep every few seconds.
constexpr int kProgressStepMs = 80;
constexpr int kProgressStep = 2;
constexpr int kMdiMinimumHeight = 150;
constexpr int kTabsMinimumHeight = 100;

// What's This (the Help caption button, Shift+F1) names the objects a control is drawn from.
void Explain(QWidget* widget, const QString& objects) {
    widget->setWhatsThis(QObject::tr("Drawn from the skin's first %1. A kind the skin does not hold keeps the "
                                     "standard look.").arg(objects));
}

QGroupBox* ButtonsBox(QWidget* parent) {
    auto* box = new QGroupBox(QObject::tr("Buttons"), parent);
    Explain(box, QObject::tr("Button, CheckBox, RadioBox, GroupBox and Static objects"));
    auto* grid = new QGridLayout(box);
    auto* normal = new QPushButton(QObject::tr("Normal"), box);
    auto* byDefault = new QPushButton(QObject::tr("Default"), box);
    byDefault->setDefault(true);
    auto* disabled = new QPushButton(QObject::tr("Disabled"), box);
    disabled->setEnabled(false);
    grid->addWidget(normal, 0, 0);
    grid->addWidget(byDefault, 0, 1);
    grid->addWidget(disabled, 0, 2);

    auto* checked = new QCheckBox(QObject::tr("Checked"), box);
    checked->setChecked(true);
    auto* unchecked = new QCheckBox(QObject::tr("Unchecked"), box);
    auto* third = new QCheckBox(QObject::tr("Three-state"), box);
    third->setTristate(true);
    third->setCheckState(Qt::PartiallyChecked);
    auto* checkOff = new QCheckBox(QObject::tr("Disabled"), box);
    checkOff->setChecked(true);
    checkOff->setEnabled(false);
    grid->addWidget(checked, 1, 0);
    grid->addWidget(unchecked, 1, 1);
    grid->addWidget(third, 1, 2);
    grid->addWidget(checkOff, 1, 3);

    auto* first = new QRadioButton(QObject::tr("Chosen"), box);
    first->setChecked(true);
    auto* second = new QRadioButton(QObject::tr("Not chosen"), box);
    auto* radioOff = new QRadioButton(QObject::tr("Disabled"), box);
    radioOff->setEnabled(false);
    grid->addWidget(first, 2, 0);
    grid->addWidget(second, 2, 1);
    grid->addWidget(radioOff, 2, 2);
    grid->addWidget(new QLabel(QObject::tr("A label (static text)"), box), 3, 0, 1, 4);
    grid->setRowStretch(4, 1);  // extra height goes below the controls, not into them
    return box;
}

QGroupBox* FieldsBox(QWidget* parent) {
    auto* box = new QGroupBox(QObject::tr("Fields"), parent);
    Explain(box, QObject::tr("ComboBox, Edit, Datetime, Spin, IPAddress and HotKey objects"));
    auto* grid = new QGridLayout(box);
    auto* combo = new QComboBox(box);
    combo->addItems({QObject::tr("Combo box"), QObject::tr("Second item"), QObject::tr("Third item")});
    auto* editable = new QComboBox(box);
    editable->setEditable(true);
    editable->addItems({QObject::tr("Editable combo"), QObject::tr("Another")});
    auto* edit = new QLineEdit(box);
    edit->setPlaceholderText(QObject::tr("Line edit"));
    auto* editOff = new QLineEdit(QObject::tr("Disabled edit"), box);
    editOff->setEnabled(false);
    auto* dateTime = new QDateTimeEdit(QDateTime(QDate(2026, 12, 8), QTime(9, 30)), box);
    dateTime->setCalendarPopup(true);
    auto* spin = new QSpinBox(box);
    spin->setRange(0, 100);
    spin->setValue(42);
    grid->addWidget(combo, 0, 0);
    grid->addWidget(editable, 0, 1);
    grid->addWidget(edit, 1, 0);
    grid->addWidget(editOff, 1, 1);
    // Qt has no IP-address or hot-key control: a masked line edit and a key-sequence editor stand in and
    // are drawn from those records.
    auto* ipAddress = new QLineEdit(box);
    ipAddress->setObjectName(QStringLiteral("ipAddress"));
    ipAddress->setInputMask(QStringLiteral("000.000.000.000;_"));
    ipAddress->setText(QStringLiteral("192.168.100.200"));
    auto* hotKey = new QKeySequenceEdit(QKeySequence(QStringLiteral("Ctrl+Shift+K")), box);
    grid->addWidget(dateTime, 2, 0);
    grid->addWidget(spin, 2, 1);
    grid->addWidget(ipAddress, 3, 0);
    grid->addWidget(hotKey, 3, 1);
    return box;
}

QGroupBox* RangesBox(QWidget* parent, QProgressBar** progressOut) {
    auto* box = new QGroupBox(QObject::tr("Ranges"), parent);
    Explain(box, QObject::tr("Trackbar, ScrollBar and ProgressBar objects"));
    auto* grid = new QGridLayout(box);
    auto* slider = new QSlider(Qt::Horizontal, box);
    slider->setRange(0, 100);
    slider->setValue(30);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(10);
    auto* sliderOff = new QSlider(Qt::Horizontal, box);
    sliderOff->setValue(60);
    sliderOff->setEnabled(false);
    auto* scroll = new QScrollBar(Qt::Horizontal, box);
    scroll->setRange(0, 100);
    scroll->setPageStep(20);
    scroll->setValue(25);
    auto* vscroll = new QScrollBar(Qt::Vertical, box);
    vscroll->setRange(0, 100);
    vscroll->setPageStep(30);
    auto* progress = new QProgressBar(box);
    progress->setRange(0, 100);
    progress->setValue(40);
    grid->addWidget(slider, 0, 0);
    grid->addWidget(sliderOff, 1, 0);
    grid->addWidget(scroll, 2, 0);
    grid->addWidget(progress, 3, 0);
    grid->addWidget(vscroll, 0, 1, 4, 1);
    // The bar moves so the skin's fill is seen growing, as in a real task.
    auto* timer = new QTimer(progress);
    QObject::connect(timer, &QTimer::timeout, progress,
                     [progress] { progress->setValue((progress->value() + kProgressStep) % (progress->maximum() + 1)); });
    timer->start(kProgressStepMs);
    *progressOut = progress;
    return box;
}

QWidget* ListsBox(QWidget* parent) {
    auto* box = new QGroupBox(QObject::tr("Lists"), parent);
    Explain(box, QObject::tr("ListBox, Header and ScrollBar objects"));
    auto* layout = new QHBoxLayout(box);
    auto* list = new QListWidget(box);
    list->addItems({QObject::tr("First item"), QObject::tr("Second item"), QObject::tr("Third item"),
                    QObject::tr("Fourth item"), QObject::tr("Fifth item"), QObject::tr("Sixth item")});
    list->setCurrentRow(1);
    auto* table = new QTableWidget(4, 3, box);
    table->setHorizontalHeaderLabels({QObject::tr("Name"), QObject::tr("Size"), QObject::tr("Type")});
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    const QStringList names = {QObject::tr("frame.bmp"), QObject::tr("button.png"), QObject::tr("check.tga"),
                               QObject::tr("arrow.cur")};
    for (int row = 0; row < names.size(); ++row) {
        table->setItem(row, 0, new QTableWidgetItem(names[row]));
        table->setItem(row, 1, new QTableWidgetItem(QString::number(1024 * (row + 1))));
        table->setItem(row, 2, new QTableWidgetItem(names[row].section(QLatin1Char('.'), -1).toUpper()));
    }
    layout->addWidget(list);
    layout->addWidget(table, 1);
    return box;
}

QWidget* TabsBox(QWidget* parent) {
    auto* box = new QWidget(parent);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    const QTabWidget::TabPosition positions[] = {QTabWidget::North, QTabWidget::South, QTabWidget::West,
                                                 QTabWidget::East};
    for (int i = 0; i < 4; ++i) {
        auto* tabs = new QTabWidget(box);
        Explain(tabs, QObject::tr("TabCtrl object, tabs on each of the four sides"));
        tabs->setMinimumHeight(kTabsMinimumHeight);
        tabs->setTabPosition(positions[i]);
        for (const QString& title : {QObject::tr("General"), QObject::tr("Images"), QObject::tr("Text")})
            tabs->addTab(new QLabel(title, tabs), title);
        tabs->setTabEnabled(2, false);
        grid->addWidget(tabs, i / 2, i % 2);
    }
    return box;
}

QMdiArea* MdiBox(QWidget* parent) {
    auto* area = new QMdiArea(parent);
    Explain(area, QObject::tr("Client object, with a child window in the frame's MDI looks"));
    // Room for the child window and, once it is minimised, its minimised caption.
    area->setMinimumHeight(kMdiMinimumHeight);
    auto* child = new QMdiSubWindow(area);
    auto* inside = new QLabel(QObject::tr("An MDI child window"), child);
    inside->setAlignment(Qt::AlignCenter);
    child->setWidget(inside);
    child->setWindowTitle(QObject::tr("Document 1"));
    area->addSubWindow(child);
    child->resize(220, 110);
    child->move(8, 8);
    return area;
}

}  // namespace

TestSkinPanel BuildTestPanel(QWidget* panel) {
    TestSkinPanel out;
    auto* outer = new QVBoxLayout(panel);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    auto* toolBar = new QToolBar(QObject::tr("Tools"), panel);
    Explain(toolBar, QObject::tr("ToolBar object"));
    const QStyle* style = panel->style();
    toolBar->addAction(style->standardIcon(QStyle::SP_FileIcon), QObject::tr("New"));
    toolBar->addAction(style->standardIcon(QStyle::SP_DirOpenIcon), QObject::tr("Open"));
    toolBar->addAction(style->standardIcon(QStyle::SP_DialogSaveButton), QObject::tr("Save"));
    toolBar->addSeparator();
    auto* disabledAction = toolBar->addAction(style->standardIcon(QStyle::SP_TrashIcon), QObject::tr("Delete"));
    disabledAction->setEnabled(false);
    toolBar->addSeparator();
    toolBar->addWidget(new QLabel(QObject::tr(" Frame: "), toolBar));
    out.framePicker = new QComboBox(toolBar);
    out.framePicker->setObjectName(QStringLiteral("framePicker"));
    out.framePicker->setToolTip(QObject::tr("The frame the window is dressed in"));
    out.framePicker->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    toolBar->addWidget(out.framePicker);
    outer->addWidget(toolBar);

    auto* body = new QWidget(panel);
    auto* grid = new QGridLayout(body);
    grid->addWidget(ButtonsBox(body), 0, 0);
    grid->addWidget(FieldsBox(body), 1, 0);
    grid->addWidget(RangesBox(body, &out.progress), 2, 0, 2, 1);
    grid->addWidget(TabsBox(body), 0, 1);
    grid->addWidget(ListsBox(body), 1, 1, 2, 1);
    out.mdiArea = MdiBox(body);
    grid->addWidget(out.mdiArea, 3, 1);
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(1, 1);
    outer->addWidget(body, 1);

    auto* statusBar = new QStatusBar(panel);
    Explain(statusBar, QObject::tr("StatusBar object"));
    out.status = new QLabel(statusBar);
    statusBar->addWidget(out.status, 1);
    statusBar->addPermanentWidget(new QLabel(QObject::tr("Ready"), statusBar));
    outer->addWidget(statusBar);
    return out;
}

void FillFramePicker(QComboBox* framePicker, const QStringList& frames, int current) {
    const QSignalBlocker quiet(framePicker);
    framePicker->clear();
    framePicker->addItems(frames);
    framePicker->setCurrentIndex(current);
    framePicker->setEnabled(frames.size() > 1);
}
