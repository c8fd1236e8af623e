// The skin check: which faults it finds, in which order, how a finding reads, and that hostile values in a
// document only ever become findings.
#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <memory>
#include <ostream>
#include <set>
#include <stdexcept>

#include "Helpers/EnBitmapWin.h"
#include "Resource/ResObjects/ResPicture.h"
#include "Resource/SkinCheck.h"
#include "Resource/SkinCheckWalk.h"
#include "Resource/SkinDocument.h"

// Failures show findings as lines rather than bytes.
void PrintTo(const CheckFinding& finding, std::ostream* out) {
    *out << "[" << finding.code << " #" << finding.id << "] " << FormatFinding(finding);
}

namespace {

using S = CheckSeverity;

std::shared_ptr<const CEnBitmap> Image(int w, int h) {
    return CWinBitmap::FromBgra(kImageBmp, w, h, std::vector<uint8_t>(size_t(w) * size_t(h) * 4, 0x80), false);
}

Picture* AddPicture(CSkinDocument& doc, const std::string& name, int w, int h) {
    Picture* p = doc.AddPicture("memory", name, Image(w, h));
    if (!p || p->name != name) throw std::logic_error("picture not added under its name");
    return p;
}

void Slice(SkinImageBase& image, const std::string& name, int left, int top, int right, int bottom) {
    image.name = name;
    image.left = left;
    image.top = top;
    image.right = right;
    image.bottom = bottom;
}

CheckOptions FontsBut(std::set<std::string> missing) {
    CheckOptions options;
    options.fontAvailable = [missing](const std::string& face) { return missing.count(face) == 0; };
    return options;
}

// A small skin without a fault: every picture used, every slice inside its picture, every owner present.
struct CleanSkin {
    CSkinDocument doc;
    SkinFrame* frame = nullptr;
    SkinButtonStruct* button = nullptr;
    SkinSysButton* close = nullptr;
    SkinToolBar* toolbar = nullptr;

    CleanSkin() {
        AddPicture(doc, "top.png", 32, 20);
        AddPicture(doc, "check.bmp", 16, 16);
        frame = doc.Frames().NewRecord();
        frame->Caption = "Amberline";
        Slice(frame->activeTop, "top.png", 0, 0, 32, 20);
        frame->activeTop.leftWidth = 10;
        frame->activeTop.rightWidth = 22;  // exactly as wide as the slice
        frame->activeTop.topHeight = 20;
        Slice(frame->inactiveTop, "TOP.PNG", 0, 10, 32, 20);  // names are matched ignoring case
        button = doc.Buttons().NewRecord();
        button->ownerFrameId = frame->ID;
        close = doc.SysButtons().NewRecord();
        close->ownerFrameId = frame->ID;
        toolbar = doc.ToolBars().NewRecord();
        toolbar->commands[40001].checkImage = "check.bmp";
    }
};

TEST(SkinCheck, ACleanSkinGivesNoFindings) {
    CleanSkin skin;
    EXPECT_EQ(CheckSkin(skin.doc, FontsBut({})), std::vector<CheckFinding>{});
    CSkinDocument empty;
    EXPECT_EQ(CheckSkin(empty), std::vector<CheckFinding>{});
}

TEST(SkinCheck, OneFaultOfEachKindGivesExactlyTheExpectedFindings) {
    CleanSkin skin;
    CSkinDocument& doc = skin.doc;
    Picture* unused = AddPicture(doc, "spare.png", 4, 4);
    Picture* twin = AddPicture(doc, "Check2.bmp", 4, 4);
    twin->name = "Check.bmp";  // differs from "check.bmp" only in case
    twin->Caption = "Check.bmp";

    skin.frame->activeLeft.name = "x.png";                            // missing picture
    Slice(skin.frame->activeRight, "top.png", 0, 0, 40, 20);          // outside its picture
    Slice(skin.frame->activeBottom, "top.png", 10, 0, 10, 20);        // empty
    Slice(skin.frame->inactiveBottom, "top.png", 20, 0, 10, 20);      // inverted
    skin.frame->inactiveLeft = skin.frame->activeTop;
    skin.frame->inactiveLeft.leftWidth = 20;                          // corners wider than the slice
    skin.frame->inactiveLeft.rightWidth = 30;
    skin.frame->inactiveRight = skin.frame->activeTop;
    skin.frame->inactiveRight.topHeight = 15;                         // corners higher than the slice
    skin.frame->inactiveRight.bottomHeight = 6;
    skin.frame->captionFont.faceName = "Nowhere Sans";                // a face this machine lacks
    skin.button->ownerFrameId = 3005;                                 // no such frame
    skin.toolbar->commands[40002].uncheckImage = "gone.bmp";          // command naming a missing picture
    SkinFrame* second = doc.Frames().NewRecord();
    second->Caption = "Amberline";                                    // a name twice in one kind
    SkinButtonStruct* clash = doc.Buttons().NewRecord();
    clash->ID = skin.button->ID;                                      // an ID twice
    clash->Caption = "Clash";

    const int f = skin.frame->ID, b = skin.button->ID, t = skin.toolbar->ID;
    const std::vector<CheckFinding> expected = {
        {S::Error, "missing-owner", "Buttons", b, "SkinButton1", "OwnerFrameID", "owner frame 3005 does not exist"},
        {S::Error, "duplicate-id", "Buttons", b, "Clash", "", "ID 2001 is also used by Buttons/SkinButton1"},
        {S::Error, "missing-picture", "Frames", f, "Amberline", "ActiveLeft", "picture 'x.png' is not in the skin"},
        {S::Error, "corners-too-wide", "Frames", f, "Amberline", "InactiveLeft",
         "corners 20 + 30 are wider than the slice (32)"},
        {S::Error, "slice-outside", "Frames", f, "Amberline", "ActiveRight",
         "slice 0,0,40,20 runs outside the picture (32 x 20)"},
        {S::Error, "corners-too-high", "Frames", f, "Amberline", "InactiveRight",
         "corners 15 + 6 are higher than the slice (20)"},
        {S::Error, "slice-empty", "Frames", f, "Amberline", "ActiveBottom", "slice 10,0,10,20 is empty"},
        {S::Error, "slice-inverted", "Frames", f, "Amberline", "InactiveBottom", "slice 20,0,10,20 is inverted"},
        {S::Error, "missing-check-picture", "ToolBars", t, "ToolBar1", "Commands",
         "command 40002: uncheck picture 'gone.bmp' is not in the skin"},
        {S::Warning, "picture-name-case", "Pictures", twin->ID, "Check.bmp", "",
         "differs only in case from 'check.bmp' (Pictures 1002)"},
        {S::Warning, "missing-font", "Frames", f, "Amberline", "Caption",
         "font 'Nowhere Sans' is not on this machine; text falls back to another font"},
        {S::Warning, "duplicate-name", "Frames", second->ID, "Amberline", "", "also named 'Amberline': Frames 3001"},
        {S::Note, "unused-picture", "Pictures", unused->ID, "spare.png", "", "no object uses this picture"},
        {S::Note, "unused-picture", "Pictures", twin->ID, "Check.bmp", "", "no object uses this picture"},
    };
    EXPECT_EQ(CheckSkin(doc, FontsBut({"Nowhere Sans"})), expected);
}

TEST(SkinCheck, ErrorsComeFirstThenWarningsThenNotesEachInDocumentOrder) {
    CSkinDocument doc;
    AddPicture(doc, "a.png", 8, 8);                       // unused: a note, found first in the document
    SkinButtonStruct* first = doc.Buttons().NewRecord();  // buttons come before frames in the document
    first->font.faceName = "Gone";
    SkinFrame* frame = doc.Frames().NewRecord();
    frame->activeTop.name = "none.png";
    frame->menu.items[7].checkImage = "none.png";
    SkinButtonStruct* second = doc.Buttons().NewRecord();
    second->images[0].name = "none.png";

    std::vector<std::pair<S, std::string>> got;
    for (const CheckFinding& finding : CheckSkin(doc, FontsBut({"Gone"})))
        got.emplace_back(finding.severity, finding.section + " " + finding.code + " " + finding.key);
    const std::vector<std::pair<S, std::string>> expected = {
        {S::Error, "Buttons missing-picture N"},
        {S::Error, "Frames missing-picture ActiveTop"},
        {S::Error, "Frames missing-check-picture MenuItems"},
        {S::Warning, "Buttons missing-font FontName"},
        {S::Note, "Pictures unused-picture "},
    };
    EXPECT_EQ(got, expected);
}

TEST(SkinCheck, FindingsReadAsOneLine) {
    struct Case {
        CheckFinding finding;
        const char* line;
    };
    const Case cases[] = {
        {{S::Error, "missing-picture", "Frames", 3001, "Amberline", "ActiveTop", "picture 'x.png' is not in the skin"},
         "error: Frames/Amberline ActiveTop: picture 'x.png' is not in the skin"},
        {{S::Warning, "duplicate-name", "Frames", 3002, "Amberline", "", "also named 'Amberline': Frames 3001"},
         "warning: Frames/Amberline: also named 'Amberline': Frames 3001"},
        {{S::Note, "unused-picture", "Pictures", 1001, "a.png", "", "no object uses this picture"},
         "note: Pictures/a.png: no object uses this picture"},
        {{S::Error, "x", "", 0, "", "", "the skin has no frame"}, "error: the skin has no frame"},
        {{S::Error, "x", "Buttons", 2003, "", "N", "m"}, "error: Buttons/2003 N: m"},
    };
    for (const Case& c : cases) EXPECT_EQ(FormatFinding(c.finding), c.line);
    EXPECT_STREQ(SeverityName(S::Error), "error");
    EXPECT_STREQ(SeverityName(S::Warning), "warning");
    EXPECT_STREQ(SeverityName(S::Note), "note");
}

TEST(SkinCheck, ObjectsWithoutCaptionGoByResourceIdThenById) {
    CSkinDocument doc;
    SkinButtonStruct* byResId = doc.Buttons().NewRecord();
    byResId->Caption.clear();
    byResId->ResID = "IDOK";
    byResId->images[1].name = "a.png";
    SkinButtonStruct* byId = doc.Buttons().NewRecord();
    byId->Caption.clear();
    byId->images[1].name = "a.png";
    const auto findings = CheckSkin(doc);
    ASSERT_EQ(findings.size(), 2u);
    EXPECT_EQ(findings[0].name, "IDOK");
    EXPECT_EQ(findings[1].name, std::to_string(byId->ID));
}

TEST(SkinCheck, OwnersMayBeFramesToolWindowsFreeFramesOrNone) {
    CSkinDocument doc;
    const int tool = doc.ToolWindows().NewRecord()->ID;
    const int free = doc.FreeFrames().NewRecord()->ID;
    SkinButtonStruct* none = doc.Buttons().NewRecord();
    none->ownerFrameId = 0;
    doc.Buttons().NewRecord()->ownerFrameId = free;
    doc.SysButtons().NewRecord()->ownerFrameId = tool;
    EXPECT_EQ(CheckSkin(doc), std::vector<CheckFinding>{});

    SkinStatic* label = doc.Statics().NewRecord();
    label->ownerFrameId = none->ID;  // exists, but is a button
    SkinSysButton* negative = doc.SysButtons().NewRecord();
    negative->ownerFrameId = -3001;
    const std::vector<CheckFinding> expected = {
        {S::Error, "missing-owner", "SysButtons", negative->ID, negative->Caption, "OwnerFrameID",
         "owner frame -3001 does not exist"},
        {S::Error, "missing-owner", "Statics", label->ID, label->Caption, "OwnerFrameID",
         "owner frame 2001 is not a frame, tool window or free frame (Buttons 2001)"},
    };
    EXPECT_EQ(CheckSkin(doc), expected);
}

TEST(SkinCheck, PerItemPicturesOfMenusToolbarsAndHeadersAreChecked) {
    CSkinDocument doc;
    AddPicture(doc, "mark.bmp", 10, 10);
    SkinFrame* frame = doc.Frames().NewRecord();
    frame->menu.items[32771].checkImage = "mark.bmp";
    frame->menu.items[32771].uncheckImage = "lost.bmp";
    SkinToolBar* bar = doc.ToolBars().NewRecord();
    bar->commands[5].checkImage = "Lost2.bmp";
    SkinHeader* header = doc.Headers().NewRecord();
    Slice(header->itemImageMap[4], "mark.bmp", 0, 0, 12, 10);
    Slice(header->itemImageMap[9], "lost3.bmp", 0, 0, 5, 5);
    const std::vector<CheckFinding> expected = {
        {S::Error, "missing-check-picture", "Frames", frame->ID, frame->Caption, "MenuItems",
         "menu item 32771: uncheck picture 'lost.bmp' is not in the skin"},
        {S::Error, "missing-check-picture", "ToolBars", bar->ID, bar->Caption, "Commands",
         "command 5: check picture 'Lost2.bmp' is not in the skin"},
        {S::Error, "slice-outside", "Headers", header->ID, header->Caption, "ItemImages",
         "item 4: slice 0,0,12,10 runs outside the picture (10 x 10)"},
        {S::Error, "missing-picture", "Headers", header->ID, header->Caption, "ItemImages",
         "item 9: picture 'lost3.bmp' is not in the skin"},
    };
    EXPECT_EQ(CheckSkin(doc), expected);
}

TEST(SkinCheck, APictureNamedOnlyByACheckEntryIsUsed) {
    CSkinDocument doc;
    AddPicture(doc, "mark.bmp", 10, 10);
    doc.ToolBars().NewRecord()->commands[1].uncheckImage = "MARK.bmp";
    EXPECT_EQ(CheckSkin(doc), std::vector<CheckFinding>{});
}

TEST(SkinCheck, PicturesSharingANameAndPicturesThatDoNotDecode) {
    CSkinDocument doc;
    Picture* a = AddPicture(doc, "a.png", 4, 4);
    Picture* b = AddPicture(doc, "b.png", 4, 4);
    b->name = "a.png";
    Picture* broken = doc.AddPicture("memory", "broken.png", nullptr);
    Picture* blank = doc.AddPicture("memory", "blank.png", Image(0, 0));
    SkinFrame* frame = doc.Frames().NewRecord();
    Slice(frame->activeTop, "a.png", 0, 0, 4, 4);
    frame->inactiveTop.name = "broken.png";
    frame->activeLeft.name = "blank.png";
    const std::vector<CheckFinding> expected = {
        {S::Error, "unreadable-picture", "Pictures", broken->ID, "broken.png", "", "the picture cannot be read"},
        {S::Error, "unreadable-picture", "Pictures", blank->ID, "blank.png", "", "the picture cannot be read"},
        {S::Warning, "duplicate-name", "Pictures", b->ID, "a.png", "",
         "also named 'a.png': Pictures " + std::to_string(a->ID)},
        {S::Note, "unused-picture", "Pictures", b->ID, "a.png", "", "no object uses this picture"},
    };
    EXPECT_EQ(CheckSkin(doc), expected);
}

TEST(SkinCheck, HostileSlicesBecomeFindingsWithoutOverflow) {
    CSkinDocument doc;
    AddPicture(doc, "p.png", 16, 16);
    SkinFrame* frame = doc.Frames().NewRecord();
    Slice(frame->activeTop, "p.png", 0, 0, INT_MAX, INT_MAX);
    frame->activeTop.leftWidth = INT_MAX;
    frame->activeTop.rightWidth = INT_MAX;
    // The widest slice there is: its width does not fit an int, and corners of INT_MAX each still fit it.
    Slice(frame->activeRight, "p.png", INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    frame->activeRight.leftWidth = INT_MAX;
    frame->activeRight.rightWidth = INT_MAX;
    Slice(frame->inactiveTop, "p.png", INT_MAX, 0, INT_MIN, 16);
    Slice(frame->activeLeft, "p.png", -4, -4, -1, -1);
    frame->activeLeft.leftWidth = INT_MIN;  // negative corners never make a slice too narrow
    frame->activeLeft.rightWidth = INT_MIN;
    frame->inactiveLeft.name = "";  // no picture: the slice is not looked at
    frame->inactiveLeft.right = INT_MIN;

    const std::string max = std::to_string(INT_MAX), min = std::to_string(INT_MIN);
    const std::vector<CheckFinding> expected = {
        {S::Error, "slice-outside", "Frames", frame->ID, frame->Caption, "ActiveLeft",
         "slice -4,-4,-1,-1 runs outside the picture (16 x 16)"},
        {S::Error, "slice-outside", "Frames", frame->ID, frame->Caption, "ActiveRight",
         "slice " + min + "," + min + "," + max + "," + max + " runs outside the picture (16 x 16)"},
        {S::Error, "slice-outside", "Frames", frame->ID, frame->Caption, "ActiveTop",
         "slice 0,0," + max + "," + max + " runs outside the picture (16 x 16)"},
        {S::Error, "corners-too-wide", "Frames", frame->ID, frame->Caption, "ActiveTop",
         "corners " + max + " + " + max + " are wider than the slice (" + max + ")"},
        {S::Error, "slice-inverted", "Frames", frame->ID, frame->Caption, "InactiveTop",
         "slice " + max + ",0," + min + ",16 is inverted"},
    };
    EXPECT_EQ(CheckSkin(doc), expected);
}

TEST(SkinCheck, EmptyNamesAndFacesAreNotFaults) {
    CSkinDocument doc;
    SkinFrame* frame = doc.Frames().NewRecord();
    frame->Caption.clear();
    frame->captionFont.faceName.clear();
    SkinFrame* other = doc.Frames().NewRecord();
    other->Caption.clear();  // two unnamed frames do not share a name
    int asked = 0;
    CheckOptions options;
    options.fontAvailable = [&asked](const std::string&) {
        ++asked;
        return true;
    };
    EXPECT_EQ(CheckSkin(doc, options), std::vector<CheckFinding>{});
    EXPECT_EQ(asked, 1);  // "Arial", asked once however many rows use it
}

// Every image row of every kind is checked, under its own key: a name no picture has, set in one row of a
// fresh record, gives exactly one finding for that row.
template <class C>
class SkinCheckEveryKind : public ::testing::Test {};
using CheckedKinds = ::testing::Types<CResApp, CResFreeFrame, CResButton, CResFrame, CResToolWindow, CResSysButton,
                                      CResToolBar, CResStatusBar, CResProgressBar, CResScrollBar, CResHeader,
                                      CResComboBox, CResIPAddress, CResHotKey, CResEdit, CResCheckBox, CResRadioBox,
                                      CResTrackBar, CResSpin, CResTabCtrl, CResClient, CResControlBar, CResReBar,
                                      CResGroupBox, CResStatic, CResDialog, CResDatetime, CResListBox>;
TYPED_TEST_SUITE(SkinCheckEveryKind, CheckedKinds);

TYPED_TEST(SkinCheckEveryKind, EveryImageRowIsChecked) {
    using R = typename TypeParam::Record;
    size_t rows = 0;
    for (const auto& field : TypeParam::Table().Fields()) {
        if (field.type != FieldType::Image || field.phase == FieldPhase::SaveOnly) continue;
        ++rows;
        CSkinDocument doc;
        TypeParam* collection = nullptr;
        for (const auto& c : doc.Collections())
            if (auto* typed = dynamic_cast<TypeParam*>(c.get())) collection = typed;
        ASSERT_NE(collection, nullptr);
        R* record = collection->NewRecord();
        ASSERT_NE(record, nullptr);
        field.template Ref<SkinImageBase>(*record).name = "absent.png";
        const auto findings = CheckSkin(doc);
        ASSERT_EQ(findings.size(), 1u) << field.key;
        EXPECT_EQ(findings[0].code, "missing-picture");
        EXPECT_EQ(findings[0].key, field.key);
        EXPECT_EQ(findings[0].section, collection->SectionName());
    }
    if constexpr (!std::is_same_v<R, SkinApp>) {
        EXPECT_GT(rows, 0u);
    }
}

}  // namespace
