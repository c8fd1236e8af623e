// Which faces count as installed for the skin check: the face itself or its stand-in, any letter case.

#include <gtest/gtest.h>

#include <QFontDatabase>

#include "platform/InstalledFaces.h"

using vd::InstalledFaces;

namespace {

bool DatabaseHas(const char* family) { return QFontDatabase::families().contains(QString::fromLatin1(family)); }

TEST(InstalledFaces, InstalledFamilyInAnyLetterCase) {
    if (!DatabaseHas("DejaVu Sans")) GTEST_SKIP() << "DejaVu Sans is not installed here";
    const InstalledFaces faces;
    EXPECT_TRUE(faces.Has("DejaVu Sans"));
    EXPECT_TRUE(faces.Has("dejavu SANS"));
    EXPECT_TRUE(faces.Has("  DejaVu Sans "));  // stored faces may carry blanks; drawing trims them too
}

TEST(InstalledFaces, WindowsFacesCountThroughTheirStandIns) {
    if (!DatabaseHas("Liberation Sans") || !DatabaseHas("DejaVu Sans"))
        GTEST_SKIP() << "the stand-in faces are not installed here";
    const InstalledFaces faces;
    EXPECT_TRUE(faces.Has("Arial"));
    EXPECT_TRUE(faces.Has("ARIAL"));
    EXPECT_TRUE(faces.Has("MS Sans Serif"));
    EXPECT_TRUE(faces.Has("Tahoma"));
}

TEST(InstalledFaces, UnknownFacesAreMissingAndBlankFacesAreNot) {
    const InstalledFaces faces;
    EXPECT_FALSE(faces.Has("Vornadesk No Such Face"));
    EXPECT_FALSE(faces.Has("Arial Narrowish"));  // only a whole Windows face name has a stand-in
    EXPECT_TRUE(faces.Has(""));
    EXPECT_TRUE(faces.Has("   "));
}

}  // namespace
