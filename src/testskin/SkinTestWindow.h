#pragma once
// The test program's main window: a frameless top-level widget that paints its own borders, caption,
// caption buttons and menu bar from one frame record of a skin, follows activation with the active and
// inactive pictures, moves and resizes through the window system, opens real menus from its menu bar, rolls
// up to its caption, and reloads the package when the file changes on disk. The window owns the open
// document; the client panel holds ordinary Qt widgets.

#include <QFileSystemWatcher>
#include <QLabel>
#include <QPointer>
#include <QWidget>

#include <memory>

#include "Resource/ResObjects/ResFrame.h"
#include "Resource/SkinDocument.h"

struct SkinSysButton;
class CSkinStyle;
class CSkinTestMenus;
class QComboBox;
class QMenu;

class CSkinTestWindow : public QWidget {
    Q_OBJECT
public:
    explicit CSkinTestWindow(QWidget* parent = nullptr);
    ~CSkinTestWindow() override;

    // Shows doc through the frame named frameName (the first frame when empty). False, keeping the skin
    // shown before, when the skin has no such frame; error then says why.
    bool SetSkin(std::unique_ptr<CSkinDocument> doc, const QString& frameName, const QString& title,
                 QString* error = nullptr);
    // Dresses the window in another frame of the same skin (by name or caption); false, with a status
    // message, when there is none.
    bool ShowFrame(const QString& name);
    // Dresses the window in the skin's frame at index (collection order); false when there is none.
    bool ShowFrameAt(int index);
    // The frames of the skin as the frame picker and the View menu list them, and the one worn now.
    QStringList FrameLabels() const;
    int FrameIndex() const;
    // Watches the package so a save in the designer shows here at once; the password reopens it.
    void WatchPackage(const QString& path, const QString& password);

    const CSkinDocument* Document() const { return m_doc.get(); }
    const SkinFrame* Frame() const { return m_frame; }
    QString StatusText() const { return m_status->text(); }
    QStringList WatchedFiles() const { return m_watcher.files(); }
    bool ActiveLook() const { return m_active; }
    void SetActiveLook(bool active);

    // The caption buttons of the frame that a main window shows, with where each sits now.
    struct CaptionButton {
        const SkinSysButton* button;
        QRect rect;
    };
    QList<CaptionButton> CaptionButtons() const;
    // Where the menu bar's items sit, "File" first.
    QList<QRect> MenuBarItemRects() const;
    QRect CaptionRect() const;
    QRect ClientRect() const;
    QWidget* ClientPanel() const { return m_panel; }
    CSkinStyle* Style() const { return m_style; }
    QComboBox* FramePicker() const { return m_framePicker; }
    QString PackagePath() const { return m_path; }

    // The menu the menu bar's item at index opens ("File" first), and the one open now (-1 for none).
    QMenu* BarMenu(int index) const;
    int OpenMenuIndex() const { return m_openMenu; }
    // Opens the menu of the menu bar's item at index under the item, closing any other; -1 closes.
    void OpenMenu(int index);

    // Rolled up, the window shows only its caption and menu bar over its bottom border, keeping its width;
    // rolled down again it takes back the height it had.
    bool IsRolledUp() const { return m_rolled; }
    void SetRolledUp(bool rolled);
    // The caption, menu bar and bottom border heights, but never more than the height unrolled.
    int RolledHeight() const;
    void SetMaximised(bool maximised);

public slots:
    // Reopens the watched package; a failure keeps the skin shown and reports on stderr and in the status.
    void ReloadPackage();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    // Watches the open menu: moving or pressing along the menu bar switches menus, a press on the open
    // menu's own item closes it, the left and right keys step along the bar.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The frame as the current activation shows it: the inactive pictures and text styles swapped in.
    SkinFrame ShownFrame() const;
    // Takes frame (of the current document) as the window's dress.
    void Dress(const SkinFrame* frame, const QString& frameName);
    int ButtonAt(QPoint pos) const;      // index into CaptionButtons(), -1 for none
    int MenuItemAt(QPoint pos) const;    // index into MenuBarItemRects(), -1 for none
    Qt::Edges EdgesAt(QPoint pos) const;
    void ActOn(const SkinSysButton& button);
    void ToggleMaximized();
    void ApplyRolledHeight();
    void SetHover(int button, int menuItem);
    void DrawButtons(QPainter& painter) const;
    void DrawMenuBar(QPainter& painter, const SkinFrame& shown) const;
    void LayoutPanel();
    void ReportStatus(const QString& text, bool failure);

    std::unique_ptr<CSkinDocument> m_doc;
    const SkinFrame* m_frame = nullptr;
    QString m_frameName;
    QString m_title;
    QString m_path;
    QString m_password;
    bool m_active = true;
    int m_hoverButton = -1;
    int m_pressedButton = -1;
    int m_hoverMenu = -1;
    int m_pressedMenu = -1;
    int m_openMenu = -1;
    bool m_rolled = false;
    int m_unrolledHeight = 0;
    int m_missingRetries = 0;
    QFileSystemWatcher m_watcher;
    QWidget* m_panel = nullptr;
    QLabel* m_status = nullptr;
    QComboBox* m_framePicker = nullptr;
    CSkinStyle* m_style = nullptr;
    CSkinTestMenus* m_menus = nullptr;
};
