#pragma once
// The About box: the product's name and version, the application icon, a link to the home page and "OK".
// The link is handed to a callback (the dialog provider's OpenUrl) rather than opened here, so tests see
// which page would open.

#include <QDialog>

#include <functional>

class QLabel;

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    using OpenUrl = std::function<void(const QString& url)>;

    explicit CAboutDlg(OpenUrl openUrl, QWidget* parent = nullptr);

    QLabel* Link() const { return m_link; }
    // What a click on the link does.
    void ActivateLink();

private:
    OpenUrl m_openUrl;
    QLabel* m_link;
};
