// Keys, defaults and orders of individual kinds where the file format has surprises.
#include <gtest/gtest.h>

#include "Resource/ResObjects/ResApp.h"
#include "Resource/ResObjects/ResButton.h"
#include "Resource/ResObjects/ResComboBox.h"
#include "Resource/ResObjects/ResControlBar.h"
#include "Resource/ResObjects/ResFrame.h"
#include "Resource/ResObjects/ResFreeFrame.h"
#include "Resource/ResObjects/ResHeader.h"
#include "Resource/ResObjects/ResIPAddress.h"
#include "Resource/ResObjects/ResListBox.h"
#include "Resource/ResObjects/ResProgressBar.h"
#include "Resource/ResObjects/ResScrollBar.h"
#include "Resource/ResObjects/ResSpin.h"
#include "Resource/ResObjects/ResStatusBar.h"
#include "Resource/ResObjects/ResSysButton.h"
#include "Resource/ResObjects/ResTabCtrl.h"
#include "Resource/ResObjects/ResToolBar.h"
#include "Resource/ResObjects/ResToolWindow.h"
#include "Resource/ResObjects/ResTrackBar.h"
#include "Resource/SkinDocument.h"

namespace {

// A machine whose system colours and metrics all differ from the defaults.
SystemEnvironment OtherMachine() {
    SystemEnvironment env = SystemEnvironment::Default();
    for (size_t i = 0; i < env.colors.size(); ++i)
        env.colors[i] = Color(static_cast<int>(i * 7 + 1), static_cast<int>(i * 5 + 2), static_cast<int>(i * 3 + 3));
    env.cxHScroll = 21;
    env.cyVScroll = 19;
    return env;
}

std::string Section(const std::string& text, const std::string& name) {
    const size_t start = text.find("[" + name + "]\r\n");
    if (start == std::string::npos) return {};
    return text.substr(start, text.find("\r\n\r\n", start) + 4 - start);
}

bool HasKey(const std::string& text, const std::string& key) {
    return text.find("\r\n" + key + "=") != std::string::npos;
}

TEST(Buttons, NewButtonWritesHeightFiftyButNotItsWidth) {
    CSkinDocument doc;
    doc.NewItemOfType(2000);
    EXPECT_EQ(doc.SaveConfigText(),
              "[Buttons]\r\n1ID=2001\r\n1Caption=SkinButton1\r\n1VornadeskPreviewHeight=50\r\nIndexs=1\r\n\r\n");
}

TEST(Buttons, OnlyAnIdKeyGivesTheLoadDefaults) {
    CSkinDocument doc;
    doc.Cfg().Parse("[Buttons]\r\n1ID=2001\r\nIndexs=1\r\n");
    doc.LoadAll();
    const SkinButtonStruct& b = *doc.Buttons().At(0);
    EXPECT_EQ(b.previewHeight, 100);
    EXPECT_EQ(b.previewWidth, 200);
    EXPECT_EQ(b.cursor, 32512);
    EXPECT_EQ(b.skinnable, 1);
    EXPECT_EQ(b.placement.horz.ignore, 1);
    EXPECT_EQ(b.font, LogFont{});
}

TEST(Buttons, KeysOfNestedRecordsFollowTheItemNumber) {
    CSkinDocument doc;
    doc.NewItemOfType(2000);
    doc.NewItemOfType(2000);
    auto* b = doc.Buttons().At(1);
    b->images[1].name = "press.bmp";
    b->images[1].left = 3;
    b->styles[1].horzAlign = 0;
    b->font.height = -15;
    b->placement.horz.alignType = 2;
    b->ownerFrameId = 3001;
    const std::string text = doc.SaveConfigText();
    EXPECT_TRUE(HasKey(text, "2PImg"));
    EXPECT_TRUE(HasKey(text, "2PImgL"));
    EXPECT_TRUE(HasKey(text, "2PHorzAlign"));
    EXPECT_TRUE(HasKey(text, "2FontHeight"));
    EXPECT_TRUE(HasKey(text, "2HorzAlignType"));
    EXPECT_TRUE(HasKey(text, "2OwnerFrameID"));
    std::vector<int> owned;
    doc.Buttons().ForEachOwnedBy(3001, [&](int, SkinButtonStruct& s) { owned.push_back(s.ID); });
    EXPECT_EQ(owned, std::vector<int>{2002});
}

TEST(CaptionButtons, TypeNamesAndOrder) {
    EXPECT_STREQ(kSysButtonTypeNames[6], "Min-Close");
    CSkinDocument doc;
    auto* s = static_cast<SkinSysButton*>(doc.NewItemOfType(3500));
    s->ownerResId = 7;
    s->visible = 0;
    s->tooltip = "Close";
    const std::string text = doc.SaveConfigText();
    // ID, OwnerResID, Visible, Caption, preview height (50 differs from the key default 100), Tooltip.
    EXPECT_EQ(Section(text, "SysButtons"),
              "[SysButtons]\r\n1ID=3501\r\n1OwnerResID=7\r\n1Visible=0\r\n1Caption=SkinCaptionButton1\r\n"
              "1VornadeskPreviewHeight=50\r\n1Tooltip=Close\r\nIndexs=1\r\n\r\n");
}

TEST(TextStyles, BlackTextLoadsAsTheLoadingMachinesWindowText) {
    const SystemEnvironment other = OtherMachine();
    CSkinDocument doc(other);
    doc.Cfg().Parse("[Frames]\r\n1ID=3001\r\nIndexs=1\r\n");
    doc.LoadAll();
    const SkinFrame& f = *doc.Frames().At(0);
    EXPECT_EQ(f.captionActive.textColor, other.SysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(f.captionActive.shadowColor, other.SysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(f.background, other.SysColor(COLOR_BTNFACE));
    // A fresh style is black text.
    EXPECT_EQ(SkinTextStyle::Fresh(other).textColor, Color(0, 0, 0));
}

TEST(Colours, FewerComponentsReadAsZeroAndEmptyGivesTheDefault) {
    CSkinDocument doc;
    doc.Cfg().Parse("[FreeFrames]\r\n1ID=26001\r\n1clrTrans=12 34\r\n2ID=26002\r\n2clrTrans=\r\nIndexs=1,2\r\n");
    doc.LoadAll();
    EXPECT_EQ(doc.FreeFrames().At(0)->transparentKey, Color(12, 34, 0));
    EXPECT_EQ(doc.FreeFrames().At(1)->transparentKey, Color(255, 0, 255));
    EXPECT_EQ(ParseColor("1\t2\n3"), Color(1, 2, 3));
    EXPECT_EQ(ParseColor("300 -1 7"), Color(44, 255, 7));  // each component cut to a byte
}

TEST(Frames, OnlyAnIdKeyGivesTheDocumentedDefaults) {
    CSkinDocument doc;
    doc.Cfg().Parse("[Frames]\r\n1ID=3001\r\nIndexs=1\r\n");
    doc.LoadAll();
    const SkinFrame& f = *doc.Frames().At(0);
    EXPECT_EQ(f.topMargin, 20);
    EXPECT_EQ(f.leftMargin, 5);
    EXPECT_EQ(f.rightMargin, 5);
    EXPECT_EQ(f.bottomMargin, 5);
    EXPECT_EQ(f.menuBarHeight, 23);
    EXPECT_EQ(f.menuBarItemHeight, 18);
    EXPECT_EQ(f.menuBarItemSpace, 5);
    EXPECT_EQ(f.menu.itemHeight, 20);
    EXPECT_EQ(f.menu.shadowCx, 4);
    EXPECT_EQ(f.menu.shadowCy, 4);
    EXPECT_EQ(f.menu.transparency, 255);
    EXPECT_EQ(f.menu.cursor, 32512);
    EXPECT_EQ(f.menu.text[0].horzAlign, 1);  // the key default; only new frames align left
}

TEST(Frames, NewFrameAlignsMenuTextLeftAndSavesThat) {
    CSkinDocument doc;
    auto* f = static_cast<SkinFrame*>(doc.NewItemOfType(3000));
    EXPECT_EQ(f->Caption, "SkinFrameWnd1");
    EXPECT_EQ(f->menu.text[2].horzAlign, 0);
    const std::string text = doc.SaveConfigText();
    EXPECT_TRUE(HasKey(text, "1TextNormalHorzAlign"));
    EXPECT_TRUE(HasKey(text, "1TextDefaultHorzAlign"));
    EXPECT_FALSE(HasKey(text, "1CaptionHorzAlign"));
}

TEST(Frames, IndexedKeysAndTheCheckImageOrder) {
    CSkinDocument doc;
    doc.NewItemOfType(3000);
    auto* f = static_cast<SkinFrame*>(doc.NewItemOfType(3000));
    f->menuBarItemImages[3].name = "bar.bmp";
    f->mdiClose[0].name = "close.bmp";
    f->menuBarFont.weight = 700;
    f->menu.radio.name = "radio.bmp";
    f->menu.checkBk.name = "checkbk.bmp";
    const std::string text = doc.SaveConfigText();
    EXPECT_TRUE(HasKey(text, "2MenuBarItem3Img"));
    EXPECT_TRUE(HasKey(text, "2MDIClose0Img"));
    EXPECT_TRUE(HasKey(text, "2MenuBarItemFontWeight"));
    EXPECT_LT(text.find("2CheckImageBkImg="), text.find("2RadioImageImg="));
}

TEST(Frames, MenuItemEntriesStopAtTheFirstGapAndRepeatedIdsMerge) {
    CSkinDocument doc;
    doc.Cfg().Parse(
        "[Frames]\r\n1ID=3001\r\n"
        "1MenuItem1ID=100\r\n1MenuItem1CheckImage=a.bmp\r\n1MenuItem1DoubleRow=1\r\n"
        "1MenuItem2ID=200\r\n1MenuItem2UnCheckImage=b.bmp\r\n1MenuItem2DoubleRow=\r\n"
        "1MenuItem3ID=100\r\n1MenuItem3CheckImage=c.bmp\r\n"
        "1MenuItem5ID=500\r\nIndexs=1\r\n");
    doc.LoadAll();
    const SkinFrame& f = *doc.Frames().At(0);
    ASSERT_EQ(f.menu.items.size(), 2u);
    EXPECT_EQ(f.menu.items.at(100).checkImage, "c.bmp");  // the later entry wins
    EXPECT_EQ(f.menu.items.at(100).doubleRow, 0);
    EXPECT_EQ(f.menu.items.at(200).uncheckImage, "b.bmp");
    const std::string text = doc.SaveConfigText();
    EXPECT_TRUE(HasKey(text, "1MenuItem1ID"));
    EXPECT_TRUE(HasKey(text, "1MenuItem2ID"));
    EXPECT_FALSE(HasKey(text, "1MenuItem3ID"));
}

TEST(EntryLists, AnEntryWithIdZeroSurvivesSavingAndLoading) {
    // Found by fuzzing: an ID equal to the integer default was left out, and the reload stopped there.
    CSkinDocument doc;
    doc.Cfg().Parse("[Frames]\r\n1ID=3001\r\n1MenuItem1ID=0\r\n1MenuItem1CheckImage=a.bmp\r\n1MenuItem2ID=5\r\n"
                    "Indexs=1\r\n[StatusBars]\r\n1ID=5001\r\n1Item1ID=0\r\n1Item1HorzAlign=2\r\nIndexs=1\r\n"
                    "[Headers]\r\n1ID=8001\r\n1Item1ID=0\r\n1Item1IDImg=h.bmp\r\nIndexs=1\r\n");
    doc.LoadAll();
    const std::string text = doc.SaveConfigText();
    CSkinDocument back;
    back.Cfg().Parse(text);
    back.LoadAll();
    EXPECT_EQ(back.Frames().At(0)->menu.items.size(), 2u);
    EXPECT_EQ(back.Frames().At(0)->menu.items.at(0).checkImage, "a.bmp");
    EXPECT_EQ(back.StatusBars().At(0)->paneStyles.at(0).horzAlign, 2);
    EXPECT_EQ(back.Headers().At(0)->itemImageMap.at(0).name, "h.bmp");
    EXPECT_EQ(back.SaveConfigText(), text);
}

TEST(Frames, BackgroundEqualToTheSystemFaceIsNotStored) {
    CSkinDocument doc;
    doc.NewItemOfType(3000);
    EXPECT_FALSE(HasKey(doc.SaveConfigText(), "1Background"));
    // Saved on another machine, the same default is that machine's colour.
    CSkinDocument other(OtherMachine());
    other.Cfg().Parse("[Frames]\r\n1ID=3001\r\nIndexs=1\r\n");
    other.LoadAll();
    EXPECT_EQ(other.Frames().At(0)->background, OtherMachine().SysColor(COLOR_BTNFACE));
}

TEST(ToolWindows, CaptionIsWrittenOnceAfterResIdAndDefaultsLoad) {
    CSkinDocument doc;
    auto* t = static_cast<SkinToolWindow*>(doc.NewItemOfType(18000));
    t->ResID = "9";
    EXPECT_EQ(Section(doc.SaveConfigText(), "ToolWindows"),
              "[ToolWindows]\r\n1ID=18001\r\n1ResID=9\r\n1Caption=MiniFrameWnd1\r\nIndexs=1\r\n\r\n");
    CSkinDocument loaded;
    loaded.Cfg().Parse("[ToolWindows]\r\n1ID=18001\r\nIndexs=1\r\n");
    loaded.LoadAll();
    const SkinToolWindow& w = *loaded.ToolWindows().At(0);
    EXPECT_EQ((std::array<int, 6>{w.leftMargin, w.rightMargin, w.topMargin, w.bottomMargin, w.previewWidth,
                                  w.previewHeight}),
              (std::array<int, 6>{5, 5, 20, 5, 300, 200}));
    EXPECT_EQ(w.background, SystemEnvironment::Default().SysColor(COLOR_BTNFACE));
}

TEST(FreeFrames, MagentaKeyIsNotStoredOtherKeysAre) {
    CSkinDocument doc;
    auto* f = static_cast<SkinFreeFrame*>(doc.NewItemOfType(26000));
    EXPECT_EQ(f->Caption, "SkinShapeWnd1");
    EXPECT_FALSE(HasKey(doc.SaveConfigText(), "1clrTrans"));
    f->transparentKey = Color(0, 255, 0);
    EXPECT_NE(doc.SaveConfigText().find("1clrTrans=0 255 0\r\n"), std::string::npos);
}

TEST(ToolBars, ColoursAreAlwaysWrittenAndNewWidthIsSaved) {
    CSkinDocument doc;
    doc.NewItemOfType(4000);
    const std::string text = doc.SaveConfigText();
    EXPECT_NE(text.find("1VornadeskPreviewWidth=400\r\n"), std::string::npos);
    EXPECT_FALSE(HasKey(text, "1VornadeskPreviewHeight"));
    EXPECT_NE(text.find("1BackgroundColor=240 240 240\r\n"), std::string::npos);
    for (const char* key : {"1DropdownArrowNormalColor=0 0 0", "1DropdownArrowPressColor=255 255 255",
                            "1DropdownArrowHotColor=255 255 255", "1DropdownArrowDisabledColor=109 109 109",
                            "1DropdownArrowFloatedColor=0 0 0"})
        EXPECT_NE(text.find(std::string(key) + "\r\n"), std::string::npos) << key;
    // File order of the arrow colours: Normal, Press, Hot, Disabled, Floated.
    EXPECT_LT(text.find("1DropdownArrowHotColor"), text.find("1DropdownArrowDisabledColor"));
    CSkinDocument loaded;
    loaded.Cfg().Parse(text);
    loaded.LoadAll();
    EXPECT_EQ(loaded.ToolBars().At(0)->previewWidth, 400);
    EXPECT_EQ(loaded.ToolBars().At(0)->previewHeight, 80);
    CSkinDocument bare;
    bare.Cfg().Parse("[ToolBars]\r\n1ID=4001\r\nIndexs=1\r\n");
    bare.LoadAll();
    EXPECT_EQ(bare.ToolBars().At(0)->previewWidth, 800);
}

TEST(ToolBars, CommandEntriesRoundTripWithoutTheTwoRowFlag) {
    CSkinDocument doc;
    doc.Cfg().Parse("[ToolBars]\r\n1ID=4001\r\n1Item1ID=32771\r\n1Item1CheckImage=c.bmp\r\n1Item1DoubleRow=1\r\n"
                    "1Item2ID=32772\r\nIndexs=1\r\n");
    doc.LoadAll();
    const SkinToolBar& t = *doc.ToolBars().At(0);
    ASSERT_EQ(t.commands.size(), 2u);
    EXPECT_EQ(t.commands.at(32771).checkImage, "c.bmp");
    EXPECT_EQ(t.commands.at(32771).doubleRow, 0);
    EXPECT_FALSE(HasKey(doc.SaveConfigText(), "1Item1DoubleRow"));
}

TEST(StatusBars, PanesStopAtTheFirstGap) {
    CSkinDocument doc;
    doc.Cfg().Parse("[StatusBars]\r\n1ID=5001\r\n1Item1ID=59392\r\n1Item1HorzAlign=0\r\n1Item3ID=7\r\nIndexs=1\r\n");
    doc.LoadAll();
    const SkinStatusBar& s = *doc.StatusBars().At(0);
    ASSERT_EQ(s.paneStyles.size(), 1u);
    EXPECT_EQ(s.paneStyles.at(59392).horzAlign, 0);
    EXPECT_EQ(s.paneStyles.at(59392).vertAlign, 1);
    EXPECT_NE(doc.SaveConfigText().find("1Item1ID=59392\r\n1Item1HorzAlign=0\r\n"), std::string::npos);
}

TEST(ProgressBars, DefaultTextFormatIsNotStored) {
    CSkinDocument doc;
    auto* p = static_cast<SkinProgressBar*>(doc.NewItemOfType(6000));
    EXPECT_EQ(p->textFormat, "%.0f%%");
    EXPECT_FALSE(HasKey(doc.SaveConfigText(), "1Txt"));
    EXPECT_EQ(p->fgStart, SystemEnvironment::Default().SysColor(COLOR_HIGHLIGHT));
    EXPECT_EQ(p->highlight3d, SystemEnvironment::Default().SysColor(COLOR_BTNHIGHLIGHT));
}

TEST(ScrollBars, StateKeysAndSystemMetricDefaults) {
    CSkinDocument doc;
    for (int i = 0; i < 12; ++i) doc.NewItemOfType(7000);
    auto* s = static_cast<SkinScrollBar*>(doc.FindItem(7012));
    EXPECT_EQ(s->hHeight, 17);
    s->vThumb[2].name = "thumb.bmp";
    s->leftArrow[3].name = "arrow.bmp";
    const std::string text = doc.SaveConfigText();
    EXPECT_TRUE(HasKey(text, "12vTh2Img"));
    EXPECT_TRUE(HasKey(text, "12lBtnArr3Img"));
    EXPECT_FALSE(HasKey(text, "12HH"));
    // On a machine with other metrics the missing keys load as that machine's metrics, and are not written.
    CSkinDocument other(OtherMachine());
    other.Cfg().Parse(text);
    other.LoadAll();
    const auto* o = static_cast<SkinScrollBar*>(other.FindItem(7012));
    EXPECT_EQ(o->hHeight, 21);
    EXPECT_EQ(o->hBtnWidth, 21);
    EXPECT_EQ(o->vWidth, 19);
    EXPECT_EQ(o->vBtnHeight, 19);
    EXPECT_FALSE(HasKey(other.SaveConfigText(), "12HH"));
}

TEST(EditLikeControls, PreviewKeysAndEdgeIndices) {
    CSkinDocument doc;
    doc.NewItemOfType(25000);
    const std::string text = doc.SaveConfigText();
    EXPECT_NE(text.find("[Datetimes]\r\n1ID=25001\r\n1Caption=Datetime1\r\n1VornadeskPreviewWidth=500\r\n"
                        "1VornadeskPreviewHeight=100\r\n"),
              std::string::npos);
    CSkinDocument bare;
    bare.Cfg().Parse("[Datetimes]\r\n1ID=25001\r\nIndexs=1\r\n[ComboBoxs]\r\n1ID=9001\r\n1EdgeImage1Img=dis.bmp\r\n"
                     "Indexs=1\r\n[Edits]\r\n12ID=29012\r\n12EdgeImage2Img=dis.bmp\r\nIndexs=12\r\n");
    bare.LoadAll();
    EXPECT_EQ(bare.Datetimes().At(0)->previewWidth, 300);
    EXPECT_EQ(bare.Datetimes().At(0)->previewHeight, 250);
    EXPECT_EQ(bare.ComboBoxes().At(0)->edges[1].name, "dis.bmp");
    EXPECT_EQ(static_cast<SkinEdit*>(bare.FindItem(29012))->edges[2].name, "dis.bmp");
}

TEST(ListBoxes, NewListBoxWritesOnlyTheSelectedTextColour) {
    CSkinDocument doc;
    auto* l = static_cast<SkinListBox*>(doc.NewItemOfType(27000));
    EXPECT_EQ(l->Caption, "ListBox1");
    const std::string text = Section(doc.SaveConfigText(), "ListBoxs");
    for (const char* key : {"1ItemHeight", "1ItemImgH", "1ItemImgW", "1Type", "1Transparent", "1clrSelection",
                            "1tsTextNormalTextColor"})
        EXPECT_FALSE(HasKey(text, key)) << key;
    EXPECT_NE(text.find("1tsTextSelectedTextColor=255 255 255\r\n"), std::string::npos);
    // Written order: Transparent and Type before ItemImgH and ItemImgW.
    l->transparent = 1;
    l->itemImageHeight = 5;
    const std::string changed = doc.SaveConfigText();
    EXPECT_LT(changed.find("1Transparent="), changed.find("1ItemImgH="));
}

TEST(Headers, ItemImagesAreNumberedDenselyAndStopAtAGap) {
    CSkinDocument doc;
    doc.NewItemOfType(8000);
    doc.NewItemOfType(8000);
    auto* h = static_cast<SkinHeader*>(doc.FindItem(8002));
    h->itemImageMap[5].name = "five.bmp";
    h->itemImageMap[9].name = "nine.bmp";
    const std::string text = doc.SaveConfigText();
    EXPECT_NE(text.find("2Item1ID=5\r\n2Item1IDImg=five.bmp\r\n2Item2ID=9\r\n2Item2IDImg=nine.bmp\r\n"),
              std::string::npos);
    CSkinDocument gap;
    gap.Cfg().Parse("[Headers]\r\n1ID=8001\r\n1Item1ID=5\r\n1Item3ID=9\r\nIndexs=1\r\n");
    gap.LoadAll();
    EXPECT_EQ(gap.Headers().At(0)->itemImageMap.size(), 1u);
}

TEST(StateSets, FourStateSetsHaveNoDefaultAndTabsHaveOne) {
    CSkinDocument doc;
    auto* tab = static_cast<SkinTabCtrl*>(doc.NewItemOfType(16000));
    tab->sides[0].items.images[4].name = "default.bmp";
    tab->sides[0].hOffsets[1] = 3;
    auto* spin = static_cast<SkinSpin*>(doc.NewItemOfType(15000));
    spin->upArrow.images[2].name = "up.bmp";
    const std::string text = doc.SaveConfigText();
    EXPECT_TRUE(HasKey(text, "1ItemTopDefaultImg"));
    EXPECT_TRUE(HasKey(text, "1THO1"));
    EXPECT_TRUE(HasKey(text, "1UpArrowDisabledImg"));
    EXPECT_NE(text.find("1VornadeskPreviewWidth=400\r\n1VornadeskPreviewHeight=200\r\n"), std::string::npos);
    CSkinDocument loaded;
    loaded.Cfg().Parse(text);
    loaded.LoadAll();
    EXPECT_EQ(loaded.TabCtrls().At(0)->sides[0].items.images[4].name, "default.bmp");
    // A new tab control writes no offsets; a new trackbar none of its size keys.
    CSkinDocument fresh;
    fresh.NewItemOfType(16000);
    fresh.NewItemOfType(14000);
    const std::string plain = fresh.SaveConfigText();
    EXPECT_EQ(plain.find("HO"), std::string::npos);
    EXPECT_EQ(plain.find("Thumb"), std::string::npos);
    EXPECT_EQ(plain.find("Custom"), std::string::npos);
}

TEST(Containers, ControlBarColoursStayWhatWasStoredAndRebarsAddAGripper) {
    CSkinDocument other(OtherMachine());
    other.NewItemOfType(20000);
    auto* rebar = static_cast<SkinReBar*>(other.NewItemOfType(21000));
    rebar->gripper.name = "grip.bmp";
    const std::string text = other.SaveConfigText();
    EXPECT_FALSE(HasKey(Section(text, "ControlBars"), "1clrBkStart"));
    // The other machine's defaults are stored by nothing; loaded here they become this machine's colours.
    CSkinDocument here;
    here.Cfg().Parse(text);
    here.LoadAll();
    EXPECT_EQ(here.ControlBars().At(0)->start, SystemEnvironment::Default().SysColor(COLOR_BTNFACE));
    EXPECT_EQ(here.ReBars().At(0)->gripper.name, "grip.bmp");
    // A changed colour saved on the other machine stays as stored.
    other.ControlBars().At(0)->start = Color(1, 2, 3);
    here.ClearAll();
    here.Cfg().Parse(other.SaveConfigText());
    here.LoadAll();
    EXPECT_EQ(here.ControlBars().At(0)->start, Color(1, 2, 3));
    EXPECT_EQ(static_cast<SkinResStruct*>(here.NewItemOfType(19000))->Caption, "SkinMDIClient1");
}

TEST(Application, CaptionIsStoredAsApplicationAndUnchangedColoursAreNot) {
    CSkinDocument doc;
    auto* app = static_cast<SkinApp*>(doc.NewItemOfType(17000));
    EXPECT_EQ(app->Caption, "Application1");
    EXPECT_EQ(app->colors[15], SystemEnvironment::Default().SysColor(COLOR_BTNSHADOW));  // "CLR_BTNFSHADOW"
    EXPECT_EQ(doc.SaveConfigText(), "[Application]\r\n1ID=17001\r\n1Caption=Application\r\nIndexs=1\r\n\r\n");
    app->colors[24] = Color(1, 2, 3);
    EXPECT_NE(doc.SaveConfigText().find("1CLR_HOT=1 2 3\r\n"), std::string::npos);
}

}  // namespace
