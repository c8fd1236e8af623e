// What the author reads about an open: package text with its control characters escaped, the notes after
// an open split into what a save leaves out and what was changed, and the failure message's lines.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <string>
#include <vector>

#include "designer/DisplayText.h"
#include "designer/OpenFailureDetail.h"
#include "designer/OpenWarnings.h"

namespace {

TEST(DisplayText, EscapesWhatCouldBreakOrDisguiseALine) {
    struct Case {
        std::string in;
        QString out;
    };
    const std::vector<Case> cases = {
        {"plain.bmp", QStringLiteral("plain.bmp")},
        {"a\nb\rc\td", QStringLiteral("a\\nb\\rc\\td")},
        {std::string("nul\0x.bmp", 9), QStringLiteral("nul\\x00x.bmp")},
        {"\x1b[31mred", QStringLiteral("\\x1b[31mred")},
        {"del\x7f", QStringLiteral("del\\x7f")},
        {"next\xc2\x85line", QStringLiteral("next\\u0085line")},             // U+0085, a C1 control
        {"gpj\xe2\x80\xae.bmp", QStringLiteral("gpj\\u202e.bmp")},           // right-to-left override
        {"iso\xe2\x81\xa6late", QStringLiteral("iso\\u2066late")},           // left-to-right isolate
        {"caf\xc3\xa9 \xe6\x97\xa5.png", QString::fromUtf8("caf\xc3\xa9 \xe6\x97\xa5.png")},  // letters stay
        {"back\\slash", QStringLiteral("back\\slash")},
    };
    for (const Case& c : cases) EXPECT_EQ(EscapedForDisplay(c.in), c.out) << c.in;
    // Bytes that are not UTF-8 are shown as bytes, as the command-line tool shows them, never raw.
    const QString invalid = EscapedForDisplay(std::string("x\x9b" "1m"));
    EXPECT_EQ(invalid, QStringLiteral("x\\x9b1m"));
}

TEST(OpenWarnings, NothingToTellGivesNoText) {
    EXPECT_TRUE(OpenWarningsText(QStringLiteral("/skins/a.rss"), {}, {}).isEmpty());
}

TEST(OpenWarnings, DroppedLinesAndNotesAreListedApart) {
    const std::vector<std::string> warnings = {"renamed x", "lost a", "renamed x", "lost\nb"};
    const std::vector<std::string> dropped = {"lost a", "lost\nb"};
    const QString text = OpenWarningsText(QStringLiteral("/skins/line\nbreak.rss"), warnings, dropped);
    const QString expected = QDir::toNativeSeparators(QStringLiteral("/skins/line\\nbreak.rss")) +
                             QStringLiteral("\nNot kept (a save leaves these out):\n  lost a\n  lost\\nb"
                                            "\nChanged or noted while opening:\n  renamed x\n  renamed x");
    EXPECT_EQ(text, expected);
    // Only notes: no "Not kept" heading.
    EXPECT_EQ(OpenWarningsText(QStringLiteral("a.rss"), {"moved ID"}, {}),
              QStringLiteral("a.rss\nChanged or noted while opening:\n  moved ID"));
}

TEST(OpenWarnings, ALongListShowsItsFirstLinesAndHowManyMore) {
    std::vector<std::string> dropped;
    for (int i = 0; i < kOpenWarningsListed + 7; ++i) dropped.push_back("entry " + std::to_string(i));
    const QString text = OpenWarningsText(QStringLiteral("big.rss"), dropped, dropped);
    const QStringList lines = text.split(QLatin1Char('\n'));
    // The file, the heading, the listed lines and the count of the rest.
    ASSERT_EQ(lines.size(), 2 + kOpenWarningsListed + 1);
    EXPECT_EQ(lines[2], QStringLiteral("  entry 0"));
    EXPECT_EQ(lines[1 + kOpenWarningsListed], QStringLiteral("  entry %1").arg(kOpenWarningsListed - 1));
    EXPECT_EQ(lines.last(), QStringLiteral("  ... and 7 more"));
    EXPECT_FALSE(text.contains(QLatin1String("Changed or noted")));
}

TEST(OpenFailureText, MessageThenFileAndReasonThenTheOpensAccount) {
    const QString path = QStringLiteral("/nowhere/evil\x1b]0;title\x07.rss");
    const QString text = OpenFailureText(path, vd::OpenResult::BadArchive, "entry 'a\rb.bmp' is larger than 1 KiB");
    const QStringList lines = text.split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 3) << text.toStdString();
    EXPECT_EQ(lines[0].toStdString(), std::string(vd::OpenResultMessage(vd::OpenResult::BadArchive)));
    EXPECT_TRUE(lines[1].startsWith(QDir::toNativeSeparators(QStringLiteral("/nowhere/evil\\x1b]0;title\\x07.rss: "))))
        << lines[1].toStdString();
    EXPECT_EQ(lines[2], QStringLiteral("entry 'a\\rb.bmp' is larger than 1 KiB"));
    // Without an account of its own, two lines.
    EXPECT_EQ(OpenFailureText(path, vd::OpenResult::UnknownFormat, "").split(QLatin1Char('\n')).size(), 2);
}

TEST(OpenFailureText, AnAccountTheReasonAlreadyGivesIsNotRepeated) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString existing = dir.filePath(QStringLiteral("there.rss"));
    QFile file(existing);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const QString missing = dir.filePath(QStringLiteral("gone.rss"));
    struct Case {
        QString path;
        vd::OpenResult result;
        std::string account;
        int lines;
    };
    const std::vector<Case> cases = {
        {existing, vd::OpenResult::UnknownFormat, "not a skin package", 2},  // the reason says it
        {existing, vd::OpenResult::BadArchive, "damaged archive: not a zip archive", 3},
        {existing, vd::OpenResult::OutOfMemory, "out of memory", 3},
        // A missing file is told by looking at it; the system's text would only repeat the path.
        {missing, vd::OpenResult::IoError, "cannot open gone.rss: No such file or directory", 2},
        // A file that is there but failed to read: only the system's text says why.
        {existing, vd::OpenResult::IoError, "cannot read there.rss: Input/output error", 3},
    };
    for (const Case& c : cases) {
        const QStringList lines = OpenFailureText(c.path, c.result, c.account).split(QLatin1Char('\n'));
        ASSERT_EQ(lines.size(), c.lines) << c.account;
        if (c.lines == 3) {
            EXPECT_EQ(lines[2].toStdString(), c.account);
        }
    }
}

}  // namespace
