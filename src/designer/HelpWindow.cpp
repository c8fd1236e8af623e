#include "designer/HelpWindow.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSplitter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QString ReadPage(const QUrl& page) {
    QFile file(page.toLocalFile());
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

QUrl WithoutFragment(const QUrl& url) { return url.adjusted(QUrl::RemoveFragment | QUrl::RemoveQuery); }

}  // namespace

HelpWindow::HelpWindow(const QString& indexFile, QWidget* parent)
    : QWidget(parent, Qt::Window),
      m_index(QUrl::fromLocalFile(indexFile)),
      m_browser(new QTextBrowser(this)),
      m_contents(new QListWidget(this)),
      m_search(new QLineEdit(this)),
      m_back(new QToolButton(this)),
      m_forward(new QToolButton(this)),
      m_status(new QLabel(this)) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Vornadesk User Guide"));
    resize(900, 640);

    m_back->setText(tr("Back"));
    m_back->setEnabled(false);
    m_forward->setText(tr("Forward"));
    m_forward->setEnabled(false);
    auto* home = new QToolButton(this);
    home->setText(tr("Contents"));
    m_search->setPlaceholderText(tr("Search the guide"));
    m_search->setClearButtonEnabled(true);
    auto* find = new QToolButton(this);
    find->setText(tr("Find"));

    auto* bar = new QHBoxLayout;
    bar->addWidget(m_back);
    bar->addWidget(m_forward);
    bar->addWidget(home);
    bar->addStretch();
    bar->addWidget(m_search, 1);
    bar->addWidget(find);

    // Links to other sites leave the guide; the pages themselves stay here.
    m_browser->setOpenExternalLinks(true);
    auto* split = new QSplitter(this);
    split->addWidget(m_contents);
    split->addWidget(m_browser);
    split->setStretchFactor(1, 1);
    split->setSizes({200, 700});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(split, 1);
    layout->addWidget(m_status);

    connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QToolButton::setEnabled);
    connect(home, &QToolButton::clicked, this, &HelpWindow::ShowIndex);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::SyncContents);
    connect(m_contents, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        const int row = m_contents->row(item);
        if (row >= 0 && row < m_pages.size() && WithoutFragment(m_browser->source()) != m_pages[row])
            m_browser->setSource(m_pages[row]);
    });
    connect(m_contents, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row < m_pages.size() && WithoutFragment(m_browser->source()) != m_pages[row])
            m_browser->setSource(m_pages[row]);
    });
    auto search = [this] { Find(m_search->text()); };
    connect(m_search, &QLineEdit::returnPressed, this, search);
    connect(find, &QToolButton::clicked, this, search);

    BuildContents();
    ShowIndex();
}

QString HelpWindow::StatusText() const { return m_status->text(); }

void HelpWindow::ShowIndex() {
    if (WithoutFragment(m_browser->source()) != m_index) m_browser->setSource(m_index);
}

// The contents are the index's links to pages of the guide, first mention first, the index itself leading.
void HelpWindow::BuildContents() {
    m_pages = {m_index};
    QStringList titles = {tr("Welcome")};
    QTextDocument index;
    index.setHtml(ReadPage(m_index));
    for (QTextBlock block = index.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid() || !fragment.charFormat().isAnchor()) continue;
            const QUrl target = WithoutFragment(m_index.resolved(QUrl(fragment.charFormat().anchorHref())));
            if (!target.isLocalFile() || m_pages.contains(target)) continue;
            m_pages.append(target);
            titles.append(fragment.text().trimmed());
        }
    }
    m_contents->addItems(titles);
}

void HelpWindow::SyncContents(const QUrl& url) {
    const int row = m_pages.indexOf(WithoutFragment(url));
    if (row >= 0 && m_contents->currentRow() != row) {
        const QSignalBlocker blocker(m_contents);
        m_contents->setCurrentRow(row);
    }
}

bool HelpWindow::PageContains(const QUrl& page, const QString& text) {
    QTextDocument document;
    document.setHtml(ReadPage(page));
    return document.toPlainText().contains(text, Qt::CaseInsensitive);
}

bool HelpWindow::Find(const QString& wanted) {
    const QString text = wanted.trimmed();
    m_status->clear();
    if (text.isEmpty()) return false;
    if (m_browser->find(text)) return true;
    const int current = m_pages.indexOf(WithoutFragment(m_browser->source()));
    for (int step = 1; step <= m_pages.size(); ++step) {
        const int row = (std::max(current, 0) + step) % static_cast<int>(m_pages.size());
        if (!PageContains(m_pages[row], text)) continue;
        if (WithoutFragment(m_browser->source()) != m_pages[row]) m_browser->setSource(m_pages[row]);
        m_browser->moveCursor(QTextCursor::Start);
        if (m_browser->find(text)) return true;
    }
    m_status->setText(tr("\"%1\" is not in the guide.").arg(text));
    return false;
}
