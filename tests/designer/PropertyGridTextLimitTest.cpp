// Text rows bound to fixed-size record fields never hand the setter more UTF-8 bytes than the field holds,
// whichever way the text arrives, and never split a character to get there.

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "designer/propertygrid/LineTextEditor.h"
#include "designer/propertygrid/PropertyBuilders.h"
#include "designer/propertygrid/PropertyGrid.h"
#include "designer/propertygrid/TextItem.h"
#include "designer/propertygrid/Utf8ByteValidator.h"
#include "designer/propertygrid/Utf8Limit.h"

using namespace vd;

namespace {

struct CutCase {
    const char* text;  // UTF-8
    int maxBytes;
    const char* expected;
};

class Utf8CutTest : public ::testing::TestWithParam<CutCase> {};

TEST_P(Utf8CutTest, KeepsTheLongestWholePrefix) {
    const CutCase& c = GetParam();
    const QString cut = truncateToUtf8Bytes(QString::fromUtf8(c.text), c.maxBytes);
    EXPECT_EQ(cut.toUtf8().toStdString(), std::string(c.expected));
    EXPECT_LE(utf8Length(cut), std::max(c.maxBytes, 0));
}

INSTANTIATE_TEST_SUITE_P(Cases, Utf8CutTest,
                         ::testing::Values(CutCase{"hello", 5, "hello"}, CutCase{"hello", 4, "hell"},
                                           CutCase{"h\xC3\xA9llo", 3, "h\xC3\xA9"},       // é is 2 bytes
                                           CutCase{"h\xC3\xA9llo", 2, "h"},               // not half of é
                                           CutCase{"a\xE2\x82\xAC", 3, "a"},              // € is 3 bytes
                                           CutCase{"\xF0\x9F\x98\x80x", 3, ""},           // an emoji is 4
                                           CutCase{"\xF0\x9F\x98\x80x", 5, "\xF0\x9F\x98\x80x"},
                                           CutCase{"abc", 0, ""}, CutCase{"", 10, ""}));

struct EditCase {
    const char* name;
    const char* before;   // accepted text in the line edit
    int cursor;           // where the insertion happens
    const char* inserted; // typed or pasted
    const char* expected;
};

class ByteValidatorTest : public ::testing::TestWithParam<EditCase> {};

TEST_P(ByteValidatorTest, CutsOnlyWhatWasInserted) {
    const EditCase& c = GetParam();
    QLineEdit edit;
    edit.setValidator(new Utf8ByteValidator(6, &edit));
    edit.setText(QString::fromUtf8(c.before));
    edit.setCursorPosition(c.cursor);
    edit.insert(QString::fromUtf8(c.inserted));
    EXPECT_EQ(edit.text().toUtf8().toStdString(), std::string(c.expected)) << c.name;
    EXPECT_LE(utf8Length(edit.text()), 6);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ByteValidatorTest,
    ::testing::Values(EditCase{"fits", "abc", 3, "def", "abcdef"},
                      EditCase{"typing at the limit is refused", "abcdef", 6, "g", "abcdef"},
                      EditCase{"a long paste is cut", "ab", 2, "cdefghij", "abcdef"},
                      EditCase{"a paste in the middle keeps the tail", "ab", 1, "XYZWVU", "aXYZWb"},
                      EditCase{"no half characters", "abcd", 4, "\xC3\xA9\xC3\xA9", "abcd\xC3\xA9"},
                      EditCase{"an emoji that does not fit is dropped", "abc", 3, "\xF0\x9F\x98\x80", "abc"}),
    [](const ::testing::TestParamInfo<EditCase>& info) { return std::to_string(info.index); });

TEST(TextItemLimitTest, SetterNeverSeesMoreThanTheLimit) {
    PropertyGrid grid;
    std::string field = "start";  // a 8-byte record buffer: 7 bytes of text
    QStringList written;
    auto* cat = grid.addCategory(QStringLiteral("General"));
    TextItem* text = addText(cat, QStringLiteral("Name"),
                             {[&] { return QString::fromStdString(field); },
                              [&](const QString& s) {
                                  written.append(s);
                                  field = s.toStdString();
                              }},
                             7);
    text->setValue(QStringLiteral("abcdefghij"));
    EXPECT_EQ(field, "abcdefg");
    EXPECT_TRUE(grid.commitValue(text, QString::fromUtf8("\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9")));
    EXPECT_EQ(field, "\xC3\xA9\xC3\xA9\xC3\xA9");
    // Through the editor: a paste that does not fit arrives cut.
    grid.setCurrentItem(text);
    auto* editor = qobject_cast<LineTextEditor*>(grid.activeEditor());
    ASSERT_NE(editor, nullptr);
    editor->lineEdit()->selectAll();
    editor->lineEdit()->insert(QStringLiteral("0123456789"));
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(editor->lineEdit(), &enter);
    EXPECT_EQ(field, "0123456");
    for (const QString& s : written)
        EXPECT_LE(utf8Length(s), 7) << s.toStdString();
}

TEST(TextItemLimitTest, UnlimitedTextIsKeptWhole) {
    TextItem text(QStringLiteral("Note"));
    const QString longText(4000, QLatin1Char('x'));
    text.setValue(longText);
    EXPECT_EQ(text.value().toString(), longText);
}

}  // namespace
