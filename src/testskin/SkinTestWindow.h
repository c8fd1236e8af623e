#pragma once
// The test program's main window: a frameless top-level widget that paints its own borders, caption,
// caption buttons and menu bar from one frame record of a skin, follows activation with the active and
// inactive pictures, moves and resizes through the window system, and reloads the package when the file
// changes on disk. The window owns the open document; the client panel holds ordinary Qt widgets.

#include <QFileSystemWatcher>
#include <QLabel>
#include <QPointer>
#include <QWidget>

#include <memory>

#include "Resource/ResObjects/ResFrame.h"
#include "Resource/SkinDocument.h"

struct SkinSysButton;

class CSkinTestWindow : public QWidget {
    Q_OBJECT
public:
    explicit CSkinTestWindow(QWidget* parent = nullptr);
    ~CSkinTestWindow() override;

    // Shows doc through the frame named frameName (the first frame when empty). False, keeping the skin
    // shown before, when the skin has no such frame; error then says why.
    bool SetSkin(std::unique_ptr<CSkinDocument> doc, const QString& frameName, const QString& title,
                 QString* error = nullptr);
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

private:
    // The frame as the current activation shows it: the inactive pictures and text styles swapped in.
    SkinFrame ShownFrame() const;
    int ButtonAt(QPoint pos) const;      // index into CaptionButtons(), -1 for none
    int MenuItemAt(QPoint pos) const;    // index into MenuBarItemRects(), -1 for none
    Qt::Edges EdgesAt(QPoint pos) const;
    void ActOn(const SkinSysButton& button);
    void ToggleMaximized();
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
    int m_missingRetries = 0;
    QFileSystemWatcher m_watcher;
    QWidget* m_panel = nullptr;
    QLabel* m_status = nullptr;
};
