// Escaping text from outside before a person sees it: what could move a terminal's cursor, fake a line or
// reorder a name is escaped; ordinary text of any language is kept byte for byte.
#include "Resource/ControlEscapes.h"

#include <gtest/gtest.h>

namespace {

TEST(ControlEscapes, ControlsBecomeVisibleAndTextStays) {
    EXPECT_EQ(vd::EscapeControls("plain name.bmp"), "plain name.bmp");
    EXPECT_EQ(vd::EscapeControls("a\nb\r\tc"), "a\\nb\\r\\tc");
    EXPECT_EQ(vd::EscapeControls(std::string("x\0y", 3)), "x\\x00y");
    EXPECT_EQ(vd::EscapeControls("\x1b[31mred\x7f"), "\\x1b[31mred\\x7f");
    // C1 controls (U+009B is a terminal's one-byte escape introducer) and the right-to-left override.
    EXPECT_EQ(vd::EscapeControls("\xc2\x9b" "2J"), "\\u009b2J");
    EXPECT_EQ(vd::EscapeControls("photo\xe2\x80\xaegnp.exe"), "photo\\u202egnp.exe");
    EXPECT_EQ(vd::EscapeControls("line\xe2\x80\xa8two"), "line\\u2028two");
    // Letters of other languages are kept; bytes that are not UTF-8 (a lone continuation byte, an overlong
    // form, a cut sequence) are shown as bytes.
    EXPECT_EQ(vd::EscapeControls("\xc3\xa9t\xc3\xa9 \xe6\x97\xa5"), "\xc3\xa9t\xc3\xa9 \xe6\x97\xa5");
    EXPECT_EQ(vd::EscapeControls("\x80" "a\xc0\xaf" "b\xe6\x97"), "\\x80a\\xc0\\xafb\\xe6\\x97");
}

TEST(ControlEscapes, KeepingLinesKeepsLineEndsAndTabsOnly) {
    EXPECT_EQ(vd::EscapeControls("a\r\nb\n\tc", true), "a\r\nb\n\tc");
    // A carriage return that does not end a line could overwrite it: still escaped.
    EXPECT_EQ(vd::EscapeControls("safe\rEVIL\n", true), "safe\\rEVIL\n");
    EXPECT_EQ(vd::EscapeControls("\x1b]0;title\x07\n", true), "\\x1b]0;title\\x07\n");
}

}  // namespace
