// The user guide inside the designer: Help Topics opens the help window on the guide's index with its
// contents, back and forward follow the pages visited, and the search finds words in the open page and
// in the other pages.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolButton>

#include "ScriptedDialogs.h"
#include "designer/HelpWindow.h"
#include "designer/MainFrame.h"

namespace {

// A small guide of three pages written for the test, so each page's words are known here.
class HelpWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        Write("index.html",
              "<html><body><nav><a href=\"index.html\">Welcome</a> <a href=\"one.html\">First page</a> "
              "<a href=\"two.html\">Second page</a></nav><h1>Start here</h1>"
              "<p>See <a href=\"two.html#part\">the second page</a> and <a href=\"https://example.com/\">a site</a>."
              "</p></body></html>");
        Write("one.html", "<html><body><h1>One</h1><p>Apples grow on trees.</p></body></html>");
        Write("two.html", "<html><body><h1>Two</h1><p id=\"part\">Zebras are striped. Apples again.</p></body></html>");
        m_help = std::make_unique<HelpWindow>(m_dir.filePath(QStringLiteral("index.html")));
    }
    void Write(const char* name, const char* html) {
        QFile file(m_dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(html);
    }
    QString Page() const { return m_help->Browser()->source().fileName(); }
    QString Selected() const { return m_help->Browser()->textCursor().selectedText(); }

    QTemporaryDir m_dir;
    std::unique_ptr<HelpWindow> m_help;
};

TEST_F(HelpWindowTest, ShowsTheIndexWithTheGuidesPagesAsContents) {
    EXPECT_EQ(Page(), QStringLiteral("index.html"));
    EXPECT_TRUE(m_help->Browser()->toPlainText().contains(QStringLiteral("Start here")));
    QStringList contents;
    for (int i = 0; i < m_help->Contents()->count(); ++i) contents << m_help->Contents()->item(i)->text();
    // Each page once, in the order the index first links it; other sites are not part of the guide.
    EXPECT_EQ(contents, (QStringList{"Welcome", "First page", "Second page"}));
    m_help->Contents()->setCurrentRow(2);
    EXPECT_EQ(Page(), QStringLiteral("two.html"));
}

TEST_F(HelpWindowTest, BackAndForwardFollowTheVisitedPages) {
    EXPECT_FALSE(m_help->BackButton()->isEnabled());
    EXPECT_FALSE(m_help->ForwardButton()->isEnabled());
    m_help->Contents()->setCurrentRow(1);
    m_help->Contents()->setCurrentRow(2);
    ASSERT_EQ(Page(), QStringLiteral("two.html"));
    ASSERT_TRUE(m_help->BackButton()->isEnabled());
    m_help->BackButton()->click();
    EXPECT_EQ(Page(), QStringLiteral("one.html"));
    EXPECT_EQ(m_help->Contents()->currentRow(), 1);  // the contents follow the page shown
    EXPECT_TRUE(m_help->ForwardButton()->isEnabled());
    m_help->BackButton()->click();
    EXPECT_EQ(Page(), QStringLiteral("index.html"));
    EXPECT_FALSE(m_help->BackButton()->isEnabled());
    m_help->ForwardButton()->click();
    m_help->ForwardButton()->click();
    EXPECT_EQ(Page(), QStringLiteral("two.html"));
    EXPECT_FALSE(m_help->ForwardButton()->isEnabled());
}

TEST_F(HelpWindowTest, SearchFindsInThisPageThenInTheNextPagesAndSaysWhenNowhere) {
    // Not on the index: the first later page that has it opens with the word selected.
    ASSERT_TRUE(m_help->Find(QStringLiteral("zebras")));
    EXPECT_EQ(Page(), QStringLiteral("two.html"));
    EXPECT_EQ(Selected(), QStringLiteral("Zebras"));
    // "Apples" is later on this page; the next search goes round to the first page that has it.
    ASSERT_TRUE(m_help->Find(QStringLiteral("Apples")));
    EXPECT_EQ(Page(), QStringLiteral("two.html"));
    ASSERT_TRUE(m_help->Find(QStringLiteral("Apples")));
    EXPECT_EQ(Page(), QStringLiteral("one.html"));
    EXPECT_EQ(Selected(), QStringLiteral("Apples"));

    EXPECT_FALSE(m_help->Find(QStringLiteral("giraffe")));
    EXPECT_TRUE(m_help->StatusText().contains(QStringLiteral("giraffe")));
    EXPECT_EQ(Page(), QStringLiteral("one.html"));  // a failed search stays where it was
    EXPECT_TRUE(m_help->Find(QStringLiteral("start")));  // matches ignore case
    EXPECT_TRUE(m_help->StatusText().isEmpty());
}

TEST_F(HelpWindowTest, SearchFieldEnterSearches) {
    m_help->SearchField()->setText(QStringLiteral("Zebras"));
    emit m_help->SearchField()->returnPressed();
    EXPECT_EQ(Page(), QStringLiteral("two.html"));
}

// Help Topics shows the guide copied beside the program in the designer's own window, once per session.
TEST(HelpTopics, OpensTheHelpWindowOnTheGuideIndexWithoutABrowser) {
    const QString index = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("docs/help/index.html"));
    if (!QFile::exists(index)) GTEST_SKIP() << "the user guide is not beside the test program";
    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    CMainFrame frame(&dialogs, dir.filePath(QStringLiteral("settings.ini")));
    ASSERT_TRUE(frame.OnHelpTopics());
    EXPECT_TRUE(dialogs.urls.isEmpty());
    auto* help = frame.findChild<HelpWindow*>();
    ASSERT_TRUE(help);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->isWindow());
    EXPECT_EQ(help->Browser()->source().fileName(), QStringLiteral("index.html"));
    EXPECT_TRUE(help->Browser()->toPlainText().contains(QStringLiteral("Welcome to Vornadesk")));
    EXPECT_GE(help->Contents()->count(), 8);
    ASSERT_TRUE(frame.OnHelpTopics());
    EXPECT_EQ(frame.findChildren<HelpWindow*>().size(), 1);
}

}  // namespace
