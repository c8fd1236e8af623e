#include "testskin/SkinTestWindow.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWhatsThis>
#include <QWindow>

#include <algorithm>
#include <cstdio>

#include "Helpers/SkinBase.h"
#include "Resource/ResObjects/ResSysButton.h"
#include "platform/LogFontQt.h"
#include "platform/QtConvert.h"
#include "preview/FrameParts.h"
#include "preview/PreviewCommon.h"
#include "testskin/SkinPackageOpen.h"
#include "testskin/SkinStyle.h"
#include "testskin/SkinTestMenus.h"
#include "testskin/TestSkinPanel.h"

namespace {

using vd::preview::DrawImageRef;
using vd::preview::NamesPicture;

// Caption button types, as the "Type" value stores them.
enum ButtonType { kClose = 0, kMaximize = 1, kRestore = 2, kMinimize = 3, kHelp = 4, kRoll = 5 };
// Indexes of a caption button's state pictures.
enum ButtonState { kActiveNormal = 0, kActivePress = 1, kActiveHighlighted = 3, kInactiveNormal = 4,
                   kInactiveHighlighted = 6 };
// Indexes of the menu bar item pictures and styles.
enum MenuItemState { kMenuNormal = 0, kMenuPress = 1, kMenuHighlighted = 3 };

constexpr int kMinMenuItemWidth = 50;
constexpr int kMenuItemPadding = 16;
constexpr QSize kMinimumSize(160, 100);
// However thin a border is drawn, this much of the window's edge still grips for resizing.
constexpr int kMinGrip = 4;
// How often and how far apart a reload looks for a package that is briefly missing while being saved.
constexpr int kMissingRetries = 10;
constexpr int kMissingRetryMs = 200;

}  // namespace

CSkinTestWindow::CSkinTestWindow(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(kMinimumSize);

    m_panel = new QWidget(this);
    m_panel->setAutoFillBackground(true);
    const TestSkinPanel panel = BuildTestPanel(m_panel);
    m_status = panel.status;
    m_framePicker = panel.framePicker;
    connect(m_framePicker, &QComboBox::activated, this, &CSkinTestWindow::ShowFrameAt);

    // The style is the window's child: it outlives every widget it draws, which all sit inside the window.
    m_style = new CSkinStyle;
    m_style->setParent(this);
    m_style->ApplyTo(this);

    // The menus are the window's children and so the style's too; they take it at once, since one may open
    // before the style adopts new children.
    m_menus = new CSkinTestMenus(this);
    for (int i = 0; i < m_menus->Count(); ++i) {
        QMenu* menu = m_menus->Menu(i);
        menu->setStyle(m_style);
        for (QMenu* sub : menu->findChildren<QMenu*>()) sub->setStyle(m_style);
        menu->installEventFilter(this);
        connect(menu, &QMenu::aboutToHide, this, [this, i] {
            if (m_openMenu != i) return;
            m_openMenu = -1;
            update();
        });
    }

    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &CSkinTestWindow::ReloadPackage);
}

CSkinTestWindow::~CSkinTestWindow() {
    // The widgets go before the document they are drawn from is released; nothing may draw from it after.
    m_style->SetSource(nullptr, nullptr);
}

bool CSkinTestWindow::SetSkin(std::unique_ptr<CSkinDocument> doc, const QString& frameName, const QString& title,
                              QString* error) {
    const SkinFrame* frame = doc ? FindSkinFrame(*doc, frameName) : nullptr;
    if (!frame) {
        if (error)
            *error = frameName.isEmpty() ? tr("The skin has no frame to show.")
                                         : tr("The skin has no frame named \"%1\".").arg(frameName);
        return false;
    }
    // The old document stays alive until the style has stopped drawing from it.
    std::unique_ptr<CSkinDocument> previous = std::move(m_doc);
    m_doc = std::move(doc);
    m_title = title;
    setWindowTitle(title);
    Dress(frame, frameName);
    return true;
}

bool CSkinTestWindow::ShowFrame(const QString& name) {
    const SkinFrame* frame = m_doc ? FindSkinFrame(*m_doc, name) : nullptr;
    if (!frame) {
        ReportStatus(tr("The skin has no frame named \"%1\".").arg(name), true);
        return false;
    }
    Dress(frame, name);
    return true;
}

bool CSkinTestWindow::ShowFrameAt(int index) {
    // The frames are listed in collection order.
    if (!m_doc || index < 0 || static_cast<size_t>(index) >= m_doc->Frames().Count()) return false;
    const SkinFrame* frame = m_doc->Frames().At(index);
    Dress(frame, QString::fromStdString(frame->ResID.empty() ? frame->Caption : frame->ResID));
    return true;
}

QStringList CSkinTestWindow::FrameLabels() const {
    QStringList labels;
    if (!m_doc) return labels;
    for (size_t i = 0; i < m_doc->Frames().Count(); ++i) {
        const SkinFrame* f = m_doc->Frames().At(i);
        labels << QString::fromStdString(f->Caption.empty() ? f->ResID : f->Caption);
    }
    return labels;
}

int CSkinTestWindow::FrameIndex() const {
    if (!m_doc) return -1;
    for (size_t i = 0; i < m_doc->Frames().Count(); ++i)
        if (m_doc->Frames().At(i) == m_frame) return static_cast<int>(i);
    return -1;
}

void CSkinTestWindow::Dress(const SkinFrame* frame, const QString& frameName) {
    m_frame = frame;
    m_frameName = frameName;
    m_hoverButton = m_pressedButton = m_hoverMenu = m_pressedMenu = -1;
    m_style->SetSource(m_doc.get(), m_frame);
    m_style->Refresh();
    FillFramePicker(m_framePicker, FrameLabels(), std::max(0, FrameIndex()));
    // Another frame may have another caption and menu bar height.
    if (m_rolled) ApplyRolledHeight();
    LayoutPanel();
    update();
}

void CSkinTestWindow::WatchPackage(const QString& path, const QString& password) {
    if (!m_path.isEmpty()) m_watcher.removePath(m_path);
    m_path = path;
    m_password = password;
    m_watcher.addPath(path);
}

void CSkinTestWindow::ReportStatus(const QString& text, bool failure) {
    m_status->setText(text);
    if (failure) std::fprintf(stderr, "Corvalet: %s\n", text.toLocal8Bit().constData());
}

void CSkinTestWindow::ReloadPackage() {
    if (m_path.isEmpty()) return;
    // A save that deletes the file before writing the new one leaves a moment without it: look again soon.
    if (!QFileInfo::exists(m_path) && m_missingRetries < kMissingRetries) {
        ++m_missingRetries;
        QTimer::singleShot(kMissingRetryMs, this, &CSkinTestWindow::ReloadPackage);
        return;
    }
    m_missingRetries = 0;
    // A save that writes a new file and renames it over the old one drops the path from the watcher.
    if (!m_watcher.files().contains(m_path) && QFileInfo::exists(m_path)) m_watcher.addPath(m_path);
    OpenedSkin opened = OpenSkinPackage(m_path, m_password);
    if (!opened.Ok()) {
        ReportStatus(tr("Reload failed, the previous skin stays: %1").arg(opened.message), true);
        return;
    }
    const QString title = SkinTitle(*opened.document, m_path);
    QString error;
    const QRect keep = geometry();
    if (!SetSkin(std::move(opened.document), m_frameName, title, &error)) {
        ReportStatus(tr("Reload failed, the previous skin stays: %1").arg(error), true);
        return;
    }
    setGeometry(keep);
    ReportStatus(tr("Reloaded %1").arg(QFileInfo(m_path).fileName()), false);
}

void CSkinTestWindow::SetActiveLook(bool active) {
    if (m_active == active) return;
    m_active = active;
    update();
}

SkinFrame CSkinTestWindow::ShownFrame() const { return vd::preview::FrameAsShown(*m_frame, m_active); }

QRect CSkinTestWindow::CaptionRect() const {
    return m_frame ? vd::preview::FrameLayout(*m_frame, width(), height()).caption : QRect();
}

QRect CSkinTestWindow::ClientRect() const {
    return m_frame ? vd::preview::FrameLayout(*m_frame, width(), height()).client : rect();
}

QList<CSkinTestWindow::CaptionButton> CSkinTestWindow::CaptionButtons() const {
    QList<CaptionButton> out;
    if (!m_frame) return out;
    const CResSysButton& buttons = m_doc->SysButtons();
    bool hasRestore = false;
    for (size_t i = 0; i < buttons.Count(); ++i)
        hasRestore |= buttons.At(i)->ownerFrameId == m_frame->ID && buttons.At(i)->type == kRestore;
    const QRect whole = rect();
    for (size_t i = 0; i < buttons.Count(); ++i) {
        const SkinSysButton* b = buttons.At(i);
        if (b->ownerFrameId != m_frame->ID || !b->visible || !vd::preview::IsMainCaptionButton(b->type)) continue;
        // Maximize and Restore usually share one place: only the one that applies shows.
        if (hasRestore && b->type == kMaximize && isMaximized()) continue;
        if (b->type == kRestore && !isMaximized()) continue;
        out.append({b, vd::preview::CaptionButtonRect(*b, whole)});
    }
    return out;
}

QList<QRect> CSkinTestWindow::MenuBarItemRects() const {
    QList<QRect> out;
    if (!m_frame) return out;
    const vd::preview::FrameLayout layout(*m_frame, width(), height());
    const QFontMetrics metrics(vd::ToQFont(m_frame->menuBarFont));
    const int space = vd::preview::Bounded(m_frame->menuBarItemSpace);
    const int itemHeight = vd::preview::Bounded(m_frame->menuBarItemHeight);
    int x = layout.menuBar.x() + vd::preview::Bounded(m_frame->menuBarBk.leftWidth) + space;
    const int top = layout.menuBar.y() + (layout.menuBar.height() - itemHeight) / 2;
    for (const QString& title : CSkinTestMenus::Titles()) {
        const int w = std::max(kMinMenuItemWidth, metrics.horizontalAdvance(title) + kMenuItemPadding);
        out.append(QRect(x, top, w, itemHeight));
        x += w + space;
    }
    return out;
}

void CSkinTestWindow::LayoutPanel() {
    const QRect client = ClientRect();
    m_panel->setGeometry(client.isValid() ? client : QRect());
    if (m_frame) {
        QPalette palette = m_panel->palette();
        palette.setColor(QPalette::Window, vd::ToQColor(m_frame->background));
        m_panel->setPalette(palette);
    }
}

void CSkinTestWindow::resizeEvent(QResizeEvent*) { LayoutPanel(); }

void CSkinTestWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange) SetActiveLook(isActiveWindow());
    if (event->type() == QEvent::WindowStateChange) update();
    QWidget::changeEvent(event);
}

void CSkinTestWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!m_frame) {
        painter.fillRect(rect(), palette().window());
        return;
    }
    const SkinFrame shown = ShownFrame();
    const vd::preview::FrameLayout layout(shown, width(), height());
    vd::preview::DrawFrameWindow(painter, m_doc->Env(), shown, layout, size(), m_title, shown.drawIcon);
    DrawMenuBar(painter, shown);
    DrawButtons(painter);
}

void CSkinTestWindow::DrawMenuBar(QPainter& painter, const SkinFrame& shown) const {
    const vd::preview::FrameLayout layout(shown, width(), height());
    if (!DrawImageRef(painter, layout.menuBar, shown.menuBarBk)) painter.fillRect(layout.menuBar, palette().button());
    const QList<QRect> items = MenuBarItemRects();
    for (int i = 0; i < items.size(); ++i) {
        int state = kMenuNormal;
        if (i == m_pressedMenu || i == m_openMenu) state = kMenuPress;
        else if (i == m_hoverMenu && m_active) state = kMenuHighlighted;
        if (!NamesPicture(shown.menuBarItemImages[state])) state = kMenuNormal;
        DrawImageRef(painter, items[i], shown.menuBarItemImages[state]);
        vd::DrawStyledText(painter, CSkinTestMenus::Titles()[i], items[i], shown.menuBarFont,
                       shown.menuBarItemStyles[state]);
    }
}

void CSkinTestWindow::DrawButtons(QPainter& painter) const {
    const QList<CaptionButton> buttons = CaptionButtons();
    for (int i = 0; i < buttons.size(); ++i) {
        const SkinSysButton& b = *buttons[i].button;
        const bool hover = i == m_hoverButton;
        int state;
        if (m_active) state = (hover && i == m_pressedButton) ? kActivePress : hover ? kActiveHighlighted : kActiveNormal;
        else state = hover ? kInactiveHighlighted : kInactiveNormal;
        // A state without a picture shows the normal one of its activation, then the active normal one.
        if (!NamesPicture(b.images[state])) state = m_active ? kActiveNormal : kInactiveNormal;
        if (!NamesPicture(b.images[state])) state = kActiveNormal;
        const QRect rc = buttons[i].rect;
        if (!DrawImageRef(painter, rc, b.images[state])) {
            painter.fillRect(rc, palette().button());
            painter.setPen(palette().color(QPalette::Mid));
            painter.drawRect(rc.adjusted(0, 0, -1, -1));
        }
        const SkinImageBase& glyph = NamesPicture(b.glyphs[state]) ? b.glyphs[state] : b.glyphs[kActiveNormal];
        const int gw = vd::preview::SliceWidth(glyph), gh = vd::preview::SliceHeight(glyph);
        if (gw > 0 && gh > 0)
            DrawImageRef(painter, QRect(rc.x() + (rc.width() - gw) / 2, rc.y() + (rc.height() - gh) / 2, gw, gh),
                         glyph);
    }
}

int CSkinTestWindow::ButtonAt(QPoint pos) const {
    const QList<CaptionButton> buttons = CaptionButtons();
    // The last drawn is on top.
    for (int i = static_cast<int>(buttons.size()) - 1; i >= 0; --i)
        if (buttons[i].rect.contains(pos)) return i;
    return -1;
}

int CSkinTestWindow::MenuItemAt(QPoint pos) const {
    const QList<QRect> items = MenuBarItemRects();
    for (int i = 0; i < items.size(); ++i)
        if (items[i].contains(pos)) return i;
    return -1;
}

Qt::Edges CSkinTestWindow::EdgesAt(QPoint pos) const {
    if (!m_frame || isMaximized()) return {};
    const vd::preview::FrameLayout layout(*m_frame, width(), height());
    const int left = std::max(kMinGrip, layout.left.width());
    const int right = std::max(kMinGrip, layout.right.width());
    const int bottom = std::max(kMinGrip, layout.bottom.height());
    Qt::Edges edges;
    if (pos.x() < left) edges |= Qt::LeftEdge;
    if (pos.x() >= width() - right) edges |= Qt::RightEdge;
    // Rolled up, the height is fixed.
    if (m_rolled) return edges;
    if (pos.y() >= height() - bottom) edges |= Qt::BottomEdge;
    // The caption moves the window; only its outermost pixels resize it upwards.
    if (pos.y() < kMinGrip) edges |= Qt::TopEdge;
    return edges;
}

void CSkinTestWindow::SetHover(int button, int menuItem) {
    if (button == m_hoverButton && menuItem == m_hoverMenu) return;
    m_hoverButton = button;
    m_hoverMenu = menuItem;
    update();
}

void CSkinTestWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_frame) return QWidget::mousePressEvent(event);
    const QPoint pos = event->position().toPoint();
    if (const int b = ButtonAt(pos); b >= 0) {
        m_pressedButton = b;
        SetHover(b, -1);
        update();
        return;
    }
    if (const int m = MenuItemAt(pos); m >= 0) {
        // A press on the item of the open menu closes it, as a menu bar does.
        m_pressedMenu = m == m_openMenu ? -1 : m;
        OpenMenu(m == m_openMenu ? -1 : m);
        update();
        return;
    }
    QWindow* window = windowHandle();
    if (const Qt::Edges edges = EdgesAt(pos); edges && window) {
        window->startSystemResize(edges);
        return;
    }
    if (CaptionRect().contains(pos) && window) window->startSystemMove();
}

void CSkinTestWindow::mouseMoveEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    // While a button is held the others stay unlit, and the held one lights only under the mouse.
    if (m_pressedButton >= 0) {
        SetHover(ButtonAt(pos) == m_pressedButton ? m_pressedButton : -1, -1);
        return;
    }
    SetHover(ButtonAt(pos), MenuItemAt(pos));
    if (const int m = MenuItemAt(pos); m >= 0 && m_openMenu >= 0 && m != m_openMenu) OpenMenu(m);
    const Qt::Edges edges = EdgesAt(pos);
    if ((edges & Qt::LeftEdge && edges & Qt::TopEdge) || (edges & Qt::RightEdge && edges & Qt::BottomEdge))
        setCursor(Qt::SizeFDiagCursor);
    else if ((edges & Qt::RightEdge && edges & Qt::TopEdge) || (edges & Qt::LeftEdge && edges & Qt::BottomEdge))
        setCursor(Qt::SizeBDiagCursor);
    else if (edges & (Qt::LeftEdge | Qt::RightEdge))
        setCursor(Qt::SizeHorCursor);
    else if (edges & (Qt::TopEdge | Qt::BottomEdge))
        setCursor(Qt::SizeVerCursor);
    else
        unsetCursor();
}

void CSkinTestWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
    const QPoint pos = event->position().toPoint();
    const int pressed = m_pressedButton;
    m_pressedButton = -1;
    m_pressedMenu = -1;
    update();
    if (pressed < 0 || ButtonAt(pos) != pressed) return;
    const QList<CaptionButton> buttons = CaptionButtons();
    ActOn(*buttons[pressed].button);
}

void CSkinTestWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::LeftButton && CaptionRect().contains(pos) && ButtonAt(pos) < 0) ToggleMaximized();
}

void CSkinTestWindow::leaveEvent(QEvent*) {
    SetHover(-1, -1);
    unsetCursor();
}

void CSkinTestWindow::ToggleMaximized() { SetMaximised(!isMaximized()); }

void CSkinTestWindow::SetMaximised(bool maximised) {
    // A rolled-up window has a fixed height: it rolls down first.
    SetRolledUp(false);
    if (maximised) showMaximized();
    else showNormal();
    m_hoverButton = -1;
    update();
}

QMenu* CSkinTestWindow::BarMenu(int index) const { return m_menus->Menu(index); }

void CSkinTestWindow::OpenMenu(int index) {
    if (index == m_openMenu) return;
    if (QMenu* open = m_menus->Menu(m_openMenu)) {
        m_openMenu = -1;
        open->hide();
    }
    const QList<QRect> items = MenuBarItemRects();
    QMenu* menu = m_menus->Menu(index);
    if (menu && index < items.size()) {
        m_openMenu = index;
        menu->popup(mapToGlobal(QPoint(items[index].left(), items[index].top() + items[index].height())));
    }
    update();
}

bool CSkinTestWindow::eventFilter(QObject* watched, QEvent* event) {
    QMenu* open = m_menus->Menu(m_openMenu);
    if (watched != open) return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseMove: {
        const int m = MenuItemAt(mapFromGlobal(static_cast<QMouseEvent*>(event)->globalPosition().toPoint()));
        if (m >= 0 && m != m_openMenu) OpenMenu(m);
        break;
    }
    case QEvent::MouseButtonPress: {
        // A press on the menu bar closes the menu on its own item and opens another's; whether the window
        // system would hand the press on to the window after the menu closed is not left to chance.
        const int m = MenuItemAt(mapFromGlobal(static_cast<QMouseEvent*>(event)->globalPosition().toPoint()));
        if (m < 0) break;
        OpenMenu(m == m_openMenu ? -1 : m);
        return true;
    }
    case QEvent::KeyPress: {
        // Left and right move along the menu bar, unless right opens the highlighted item's sub-menu.
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool intoSubMenu = open->activeAction() && open->activeAction()->menu();
        const int count = m_menus->Count();
        if (key == Qt::Key_Left) OpenMenu((m_openMenu + count - 1) % count);
        else if (key == Qt::Key_Right && !intoSubMenu) OpenMenu((m_openMenu + 1) % count);
        else break;
        return true;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

int CSkinTestWindow::RolledHeight() const {
    if (!m_frame) return height();
    const vd::preview::FrameLayout layout(*m_frame, width(), height());
    const long long rolled = static_cast<long long>(std::max(0, layout.caption.height())) +
                             std::max(0, layout.menuBar.height()) + std::max(0, layout.bottom.height());
    // Rolling up never makes the window taller, however high a skin's menu bar claims to be.
    const int unrolled = m_rolled ? m_unrolledHeight : height();
    return static_cast<int>(std::clamp<long long>(rolled, 1, std::max(1, unrolled)));
}

void CSkinTestWindow::SetRolledUp(bool rolled) {
    if (rolled == m_rolled || (rolled && !m_frame)) return;
    if (rolled) {
        m_unrolledHeight = isMaximized() ? normalGeometry().height() : height();
        if (isMaximized()) showNormal();
        m_rolled = true;
        ApplyRolledHeight();
    } else {
        m_rolled = false;
        setMinimumHeight(kMinimumSize.height());
        setMaximumHeight(QWIDGETSIZE_MAX);
        resize(width(), std::max(m_unrolledHeight, kMinimumSize.height()));
    }
    update();
}

void CSkinTestWindow::ApplyRolledHeight() {
    const int h = RolledHeight();
    setMinimumHeight(h);
    setMaximumHeight(h);
    resize(width(), h);
}

void CSkinTestWindow::ActOn(const SkinSysButton& button) {
    switch (button.type) {
    case kClose: close(); break;
    case kMaximize:
    case kRestore: ToggleMaximized(); break;
    case kMinimize: showMinimized(); break;
    case kHelp: QWhatsThis::enterWhatsThisMode(); break;
    case kRoll: SetRolledUp(!m_rolled); break;
    default: break;  // custom buttons belong to the skinned program
    }
}
