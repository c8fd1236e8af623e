// The Skin Image Editor's controls and their layout: the numbers and pictures on the left, the canvas in
// the middle, the live preview on the right, the buttons below.
#include "designer/dialogs/ImageBrowser.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

#include "designer/dialogs/ExactSpinBox.h"
#include "designer/dialogs/ImageCanvas.h"
#include "designer/dialogs/SlicePreview.h"

namespace {

CExactSpinBox* MakeSpin(QWidget* parent, const char* name, const QString& tip) {
    auto* spin = new CExactSpinBox(parent);
    spin->setObjectName(QLatin1String(name));
    spin->setRange(0, 99999);
    spin->setToolTip(tip);
    spin->setAccelerated(true);
    spin->setMinimumWidth(66);
    spin->setAlignment(Qt::AlignRight);
    return spin;
}

}  // namespace

void CImageBrowser::BuildControls() {
    auto* bar = new QMenuBar(this);
    m_menu = new CImageBrowserMenu(bar, [this](int command) { RunCommand(command); }, [this] { return MenuState(); });

    // ---- left: numbers and pictures ----
    auto* left = new QVBoxLayout;
    left->setSpacing(8);
    left->addWidget(BuildSelectionGroup());
    left->addWidget(BuildMarginsGroup());
    auto* pictures = new QGroupBox(QStringLiteral("Pictures"), this);
    auto* pictureLayout = new QVBoxLayout(pictures);
    m_list = new QListWidget(pictures);
    m_list->setObjectName(QStringLiteral("pictureList"));
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setMinimumHeight(120);
    pictureLayout->addWidget(m_list);
    left->addWidget(pictures, 1);
    connect(m_list, &QListWidget::itemSelectionChanged, this, [this] { ShowSelectedPicture(true); });

    // ---- middle: canvas ----
    m_canvas = new CImageCanvas(this);
    m_canvas->setObjectName(QStringLiteral("canvas"));
    m_canvas->setMinimumSize(320, 240);
    connect(m_canvas, &CImageCanvas::zoomStepRequested, this, [this](int step, QPoint anchor) {
        const auto& levels = ZoomLevels();
        const auto it = std::find(levels.begin(), levels.end(), m_nZoom);
        const int index = std::clamp(int(it - levels.begin()) + step, 0, int(levels.size()) - 1);
        m_nZoom = levels[static_cast<size_t>(index)];
        m_canvas->ApplyZoom(m_nZoom, anchor);
        RefreshViews();
    });
    m_info = new QLabel(this);
    m_info->setObjectName(QStringLiteral("canvasInfo"));
    auto* middle = new QVBoxLayout;
    middle->setSpacing(4);
    middle->addWidget(m_canvas, 1);
    middle->addWidget(m_info);

    // ---- right: live preview ----
    auto* right = new QVBoxLayout;
    right->addWidget(BuildPreviewGroup(), 1);

    auto* columns = new QHBoxLayout;
    columns->setSpacing(10);
    columns->addLayout(left, 0);
    columns->addLayout(middle, 1);
    columns->addLayout(right, 0);

    // ---- buttons ----
    auto* hint = new QLabel(
        QStringLiteral("Drag the rectangle or a red guide · arrow keys move by 1 px (Shift 10, Alt resizes) · "
                       "Ctrl+wheel zooms"),
        this);
    hint->setForegroundRole(QPalette::PlaceholderText);
    auto* reset = new QPushButton(QStringLiteral("Reset"), this);
    reset->setObjectName(QStringLiteral("reset"));
    reset->setAutoDefault(false);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    cancel->setAutoDefault(false);
    for (QPushButton* b : {reset, ok, cancel}) b->setMinimumSize(90, 25);
    connect(reset, &QPushButton::clicked, this, [this] { ResetAll(); });
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(hint, 1);
    buttons->addSpacing(12);
    buttons->addWidget(reset);
    buttons->addSpacing(12);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* root = new QVBoxLayout(this);
    root->setMenuBar(bar);
    root->setContentsMargins(10, 8, 10, 10);
    root->setSpacing(10);
    root->addLayout(columns, 1);
    root->addLayout(buttons);
    resize(1120, 700);
}

QWidget* CImageBrowser::BuildSelectionGroup() {
    auto* group = new QGroupBox(QStringLiteral("Selection"), this);
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(4);
    const char* names[] = {"selLeft", "selTop", "selRight", "selBottom"};
    const QString tips[] = {QStringLiteral("Left edge of the rectangle (picture pixels)"),
                            QStringLiteral("Top edge of the rectangle"), QStringLiteral("Right edge of the rectangle"),
                            QStringLiteral("Bottom edge of the rectangle")};
    for (size_t i = 0; i < 4; ++i) {
        m_selSpins[i] = MakeSpin(group, names[i], tips[i]);
        connect(m_selSpins[i], &QSpinBox::valueChanged, this, [this] { OnSpinChanged(); });
    }
    // Laid out as the sides of a rectangle.
    grid->addWidget(m_selSpins[1], 0, 1);
    grid->addWidget(m_selSpins[0], 1, 0);
    auto* centre = new QLabel(QStringLiteral("L T R B"), group);
    centre->setAlignment(Qt::AlignCenter);
    centre->setForegroundRole(QPalette::PlaceholderText);
    grid->addWidget(centre, 1, 1);
    grid->addWidget(m_selSpins[2], 1, 2);
    grid->addWidget(m_selSpins[3], 2, 1);
    return group;
}

QWidget* CImageBrowser::BuildMarginsGroup() {
    auto* group = new QGroupBox(QStringLiteral("Margins"), this);
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(4);
    const char* names[] = {"marginLeft", "marginTop", "marginRight", "marginBottom"};
    const QString tips[] = {QStringLiteral("Width of the left corners"), QStringLiteral("Height of the top corners"),
                            QStringLiteral("Width of the right corners"),
                            QStringLiteral("Height of the bottom corners")};
    for (size_t i = 0; i < 4; ++i) {
        m_marginSpins[i] = MakeSpin(group, names[i], tips[i]);
        m_marginSpins[i]->setMinimumWidth(58);
        connect(m_marginSpins[i], &QSpinBox::valueChanged, this, [this] { OnSpinChanged(); });
    }
    const QIcon icon(QStringLiteral(":/icons/stretch-toggle-16.png"));
    const struct {
        EdgeMode mode;
        const char* name;
        const char* part;
    } modes[] = {{EdgeMode::Left, "stretchLeft", "left edge"},
                 {EdgeMode::Right, "stretchRight", "right edge"},
                 {EdgeMode::Top, "stretchTop", "top edge"},
                 {EdgeMode::Bottom, "stretchBottom", "bottom edge"},
                 {EdgeMode::Client, "stretchClient", "client area"}};
    for (const auto& m : modes) {
        auto* button = new QToolButton(group);
        button->setObjectName(QLatin1String(m.name));
        button->setText(QStringLiteral("<>"));
        button->setIcon(icon);
        button->setCheckable(true);
        button->setAutoRaise(false);
        button->setFixedSize(26, 24);
        button->setToolTip(QStringLiteral("Stretch the %1 (off: tile it)").arg(QLatin1String(m.part)));
        const EdgeMode mode = m.mode;
        connect(button, &QToolButton::clicked, this, [this, mode] { ToggleMode(mode); });
        m_modeButtons[static_cast<size_t>(m.mode)] = button;
    }
    auto* client = new QLabel(QStringLiteral("Client"), group);
    client->setAlignment(Qt::AlignCenter);
    grid->addWidget(m_marginSpins[1], 0, 2);
    grid->addWidget(m_modeButtons[static_cast<size_t>(EdgeMode::Top)], 0, 3);
    grid->addWidget(m_marginSpins[0], 1, 0);
    grid->addWidget(m_modeButtons[static_cast<size_t>(EdgeMode::Left)], 1, 1);
    grid->addWidget(client, 1, 2);
    grid->addWidget(m_modeButtons[static_cast<size_t>(EdgeMode::Client)], 1, 3);
    grid->addWidget(m_marginSpins[2], 1, 4);
    grid->addWidget(m_modeButtons[static_cast<size_t>(EdgeMode::Right)], 1, 5);
    grid->addWidget(m_marginSpins[3], 2, 2);
    grid->addWidget(m_modeButtons[static_cast<size_t>(EdgeMode::Bottom)], 2, 3);
    return group;
}

QWidget* CImageBrowser::BuildPreviewGroup() {
    auto* group = new QGroupBox(QStringLiteral("Preview"), this);
    auto* layout = new QVBoxLayout(group);
    m_preview = new CSlicePreview(group);
    m_preview->setObjectName(QStringLiteral("preview"));
    m_preview->setMinimumWidth(230);
    layout->addWidget(m_preview, 1);

    auto* sizeRow = new QHBoxLayout;
    sizeRow->addWidget(new QLabel(QStringLiteral("Size"), group));
    m_previewWidth = new QSpinBox(group);
    m_previewWidth->setObjectName(QStringLiteral("previewWidth"));
    m_previewHeight = new QSpinBox(group);
    m_previewHeight->setObjectName(QStringLiteral("previewHeight"));
    for (QSpinBox* s : {m_previewWidth, m_previewHeight}) {
        s->setRange(1, 4000);
        s->setAlignment(Qt::AlignRight);
        s->setToolTip(QStringLiteral("Size the preview draws the image at (or drag the blue grip)"));
    }
    sizeRow->addWidget(m_previewWidth, 1);
    sizeRow->addWidget(new QLabel(QStringLiteral("×"), group));
    sizeRow->addWidget(m_previewHeight, 1);
    layout->addLayout(sizeRow);

    auto sync = [this] {
        const QSignalBlocker a(m_previewWidth), b(m_previewHeight);
        m_previewWidth->setValue(m_preview->TargetSize().width());
        m_previewHeight->setValue(m_preview->TargetSize().height());
    };
    auto typed = [this] { m_preview->SetTargetSize(QSize(m_previewWidth->value(), m_previewHeight->value())); };
    connect(m_preview, &CSlicePreview::targetSizeChanged, this, sync);
    connect(m_previewWidth, &QSpinBox::valueChanged, this, typed);
    connect(m_previewHeight, &QSpinBox::valueChanged, this, typed);
    sync();

    m_warning = new QLabel(group);
    m_warning->setObjectName(QStringLiteral("warning"));
    m_warning->setWordWrap(true);
    m_warning->setStyleSheet(QStringLiteral("color: #b3261e;"));
    m_warning->hide();
    layout->addWidget(m_warning);
    return group;
}
