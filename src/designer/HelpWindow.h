#pragma once
// The user guide inside the designer: a browser over the bundled HTML pages with the guide's contents,
// back and forward, and a search that looks in the open page first and then in the other pages. The
// guide never depends on a web browser being installed.

#include <QStringList>
#include <QUrl>
#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QTextBrowser;
class QToolButton;

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    // indexFile: the guide's index.html; its links, in order, make the contents.
    explicit HelpWindow(const QString& indexFile, QWidget* parent = nullptr);

    QTextBrowser* Browser() const { return m_browser; }
    QListWidget* Contents() const { return m_contents; }
    QLineEdit* SearchField() const { return m_search; }
    QToolButton* BackButton() const { return m_back; }
    QToolButton* ForwardButton() const { return m_forward; }
    QString StatusText() const;

    void ShowIndex();
    // Finds the next match of text after the cursor, going on to the following pages of the contents
    // (and round to the start) when the open page has none. False when no page has it.
    bool Find(const QString& text);

private:
    void BuildContents();
    void SyncContents(const QUrl& url);
    static bool PageContains(const QUrl& page, const QString& text);

    QUrl m_index;
    QList<QUrl> m_pages;  // contents order
    QTextBrowser* m_browser;
    QListWidget* m_contents;
    QLineEdit* m_search;
    QToolButton* m_back;
    QToolButton* m_forward;
    QLabel* m_status;
};
