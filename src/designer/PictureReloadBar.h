#pragma once
// The bar above the design view that offers to reload pictures whose files changed on disk: a message,
// "Reload" (the first picture named), "Reload all" and a close button. It also says when a file could not
// be reloaded.

#include <QFrame>
#include <vector>

class QLabel;
class QPushButton;
class QToolButton;
class SkinSession;
struct DocumentChange;

class PictureReloadBar : public QFrame {
    Q_OBJECT
public:
    explicit PictureReloadBar(SkinSession& session, QWidget* parent = nullptr);

    // Adds pictures to those offered and shows the bar.
    void Offer(const std::vector<int>& pictureIds);
    const std::vector<int>& Pending() const { return m_pending; }
    QString Message() const;

    void ReloadFirst();
    void ReloadAll();
    void Dismiss();

    QPushButton* ReloadButton() const { return m_reload; }
    QPushButton* ReloadAllButton() const { return m_reloadAll; }
    QToolButton* CloseButton() const { return m_close; }

private:
    void Reload(const std::vector<int>& ids);
    void OnDocumentChanged(const DocumentChange& change);
    void Refresh();

    SkinSession& m_session;
    std::vector<int> m_pending;
    QString m_problem;  // what the last reload could not do
    QLabel* m_message;
    QPushButton* m_reload;
    QPushButton* m_reloadAll;
    QToolButton* m_close;
};
