#include "SampleControls.h"

#include "ControlArtwork.h"
#include "Resource/ResObjects/ResComboBox.h"
#include "Resource/ResObjects/ResHeader.h"
#include "Resource/ResObjects/ResIPAddress.h"
#include "Resource/ResObjects/ResListBox.h"
#include "Resource/ResObjects/ResProgressBar.h"
#include "Resource/ResObjects/ResScrollBar.h"
#include "Resource/ResObjects/ResStatusBar.h"
#include "Resource/ResObjects/ResToolBar.h"
#include "Resource/SkinDocument.h"
#include "SampleParts.h"

namespace amber {
namespace {

constexpr const char* kToolBarPicture = "Amber_ToolBar.png";
constexpr const char* kStatusBarPicture = "Amber_StatusBar.png";
constexpr const char* kProgressPicture = "Amber_Progress.png";
constexpr const char* kScrollBarPicture = "Amber_ScrollBar.png";
constexpr const char* kControlsPicture = "Amber_Controls.png";

const Color kWhiteInk{255, 255, 255};
const Color kGreyInk{176, 150, 112};
const Color kGlyphInk{96, 52, 8};

void DescribeToolBar(SkinToolBar& t) {
    t.Caption = "AmberToolBar";
    // The sample bar is inset by 10 on every side and 30 high while captions sit beside the icons.
    t.previewWidth = 450;
    t.previewHeight = kToolBarHeight + 20;
    t.backgroundColor = Color(250, 238, 220);
    t.background = SliceEven(kToolBarPicture, ToolBarBackground(), 4);
    t.transparentBk = 0;
    const Color inks[5] = {kInk, kWhiteInk, kGreyInk, kInk, kInk};
    for (int state = 0; state < 5; ++state) {
        t.buttonImages[state] = SliceEven(kToolBarPicture, ToolBarButton(state), 4);
        t.buttonStyles[state] = Text(inks[state]);
        t.dropLeft[state] = Slice(kToolBarPicture, ToolBarDropLeft(state), 4, 4, 2, 4);
        t.dropRight[state] = Slice(kToolBarPicture, ToolBarDropRight(state), 2, 4, 4, 4);
        t.dropArrow[state] = Slice(kToolBarPicture, ToolBarDropArrow(state));
        t.arrowColors[state] = state == 1 ? kWhiteInk : state == 2 ? kGreyInk : kGlyphInk;
    }
    t.buttonStyles[1].leftOffset = t.buttonStyles[1].topOffset = 2;  // pressed captions sink with the face
    t.separator = Slice(kToolBarPicture, ToolBarSeparator(false), 0, 3, 0, 3);
    t.separatorHorz = Slice(kToolBarPicture, ToolBarSeparator(true), 3, 0, 3, 0);
    t.gripper = Slice(kToolBarPicture, ToolBarGripper(false));
    t.gripperHorz = Slice(kToolBarPicture, ToolBarGripper(true));
    t.font = Font(-12);
    t.textAlign = 0;
}

void DescribeStatusBar(SkinStatusBar& s) {
    s.Caption = "AmberStatusBar";
    s.previewWidth = 480;
    s.previewHeight = kStatusBarHeight;
    s.background = Slice(kStatusBarPicture, StatusBarBackground(), 0, 2, 0, 0);
    // The slices keep the wells' rounded corners and the air around them whole.
    s.itemImage = Slice(kStatusBarPicture, StatusBarPane(false), 4, 6, 6, 5);
    s.lastItemImage = Slice(kStatusBarPicture, StatusBarPane(true), 4, 6, 4, 5);
    s.itemTextStyle = Text(kInk, 0, 8);
    s.font = Font(-12);
    s.gripper = Slice(kStatusBarPicture, StatusBarGripper());
}

void DescribeProgress(SkinProgressBar& p) {
    p.Caption = "AmberProgress";
    p.previewWidth = 360;
    p.previewHeight = 240;
    p.background = SliceEven(kProgressPicture, ProgressTrack(), 5);
    p.foreground = Slice(kProgressPicture, ProgressBlock());
    p.foregroundSmooth = SliceEven(kProgressPicture, ProgressSmooth(), 4);
    p.drawType = 1;  // the smooth glossy fill
    // The colour form, for skins switched to "Color": a cream well and an amber fill.
    p.bkStart = Color(240, 226, 200);
    p.bkEnd = Color(255, 252, 244);
    p.bkDrawType = 1;
    p.fgStart = Color(255, 208, 116);
    p.fgEnd = Color(234, 138, 28);
    p.fgDrawType = 1;
    p.highlight3d = Color(255, 255, 255);
    p.shadow3d = Color(200, 156, 96);
    p.showText = 1;
    p.textFormat = "%.0f%%";
    p.textNormal = kInk;
    p.textOver = kWhiteInk;
    p.barTextStyle = Text(kInk);
    p.font = Font(-12, 700);
}

void DescribeScrollBar(SkinScrollBar& s) {
    s.Caption = "AmberScrollBar";
    for (int st = 0; st < 4; ++st) {
        s.hBk[st] = Slice(kScrollBarPicture, ScrollTrack(false, st), 0, 1, 0, 1);
        s.vBk[st] = Slice(kScrollBarPicture, ScrollTrack(true, st), 1, 0, 1, 0);
        s.hBar[st] = SliceEven(kScrollBarPicture, ScrollThumbBody(false, st), 5);
        s.vBar[st] = SliceEven(kScrollBarPicture, ScrollThumbBody(true, st), 5);
        s.hThumb[st] = Slice(kScrollBarPicture, ScrollGrip(false, st));
        s.vThumb[st] = Slice(kScrollBarPicture, ScrollGrip(true, st));
        for (SkinScrollBar::States* face : {&s.leftBtn, &s.rightBtn, &s.upBtn, &s.downBtn})
            (*face)[st] = SliceEven(kScrollBarPicture, ScrollButton(st), 4);
        s.leftArrow[st] = Slice(kScrollBarPicture, ScrollArrowGlyph(kArrowLeft, st));
        s.rightArrow[st] = Slice(kScrollBarPicture, ScrollArrowGlyph(kArrowRight, st));
        s.upArrow[st] = Slice(kScrollBarPicture, ScrollArrowGlyph(kArrowUp, st));
        s.downArrow[st] = Slice(kScrollBarPicture, ScrollArrowGlyph(kArrowDown, st));
    }
    s.deadCorner[0] = Slice(kScrollBarPicture, ScrollDeadCorner(false));
    s.deadCorner[1] = Slice(kScrollBarPicture, ScrollDeadCorner(true));
    s.border = SliceEven(kScrollBarPicture, ScrollBorder(), 2);
    s.hHeight = s.vWidth = s.hBtnWidth = s.vBtnHeight = kScrollThickness;
}

void DescribeHeader(SkinHeader& h) {
    h.Caption = "AmberHeader";
    // Four sample items of 80, 80, 100 and 80 pixels inside a 7-pixel frame.
    h.previewWidth = 380;
    h.previewHeight = 64;
    h.background = Slice(kControlsPicture, HeaderBackground(), 0, 1, 0, 1);
    const Color inks[4] = {kInk, kInk, kGreyInk, Color(150, 74, 4)};
    for (int st = 0; st < 4; ++st) {
        h.itemImages[st] = Slice(kControlsPicture, HeaderItem(st), 1, 2, 3, 3);
        h.itemStyles[st] = Text(inks[st]);
        h.upArrows[st] = Slice(kControlsPicture, HeaderArrow(true, st));
        h.downArrows[st] = Slice(kControlsPicture, HeaderArrow(false, st));
    }
    h.itemStyles[1].leftOffset = h.itemStyles[1].topOffset = 2;
    h.font = Font(-12);
}

// Combo boxes and date-time pickers share their field and button; the picker shows a calendar on it.
void DescribeDropDown(SkinComboBox& c, const char* caption, bool calendar) {
    c.Caption = caption;
    c.edges[0] = SliceEven(kControlsPicture, ComboEdge(false), 4);
    c.edges[1] = SliceEven(kControlsPicture, ComboEdge(true), 4);
    for (int st = 0; st < 4; ++st) {
        c.buttons[st] = Slice(kControlsPicture, ComboButton(st), 1, 4, 4, 4);
        c.arrows[st] = Slice(kControlsPicture, calendar ? DateTimeGlyph(st) : ComboArrow(st));
    }
}

void DescribeField(SkinIPAddress& f, const char* caption) {
    f.Caption = caption;
    f.previewHeight = 50;  // the 40-pixel control area inside a 5-pixel margin
    for (int st = 0; st < 3; ++st) f.edges[st] = SliceEven(kControlsPicture, FieldEdge(st), 4);
}

void DescribeListBox(SkinListBox& l) {
    l.Caption = "AmberListBox";
    l.itemHeight = 20;
    l.background = SliceEven(kControlsPicture, ListBackground(), 3);
    l.selectedBackground = SliceEven(kControlsPicture, ListSelected(), 4);
    l.transparent = 0;
    l.type = 0;
    l.itemImageHeight = 16;
    l.itemImageWidth = 16;
    l.selection = Color(232, 140, 30);
    l.textNormal = Text(kInk, 0, 6);
    l.textSelected = Shadowed(Text(kWhiteInk, 0, 6));
    l.font = Font(-12);
}

template <class Record>
Record* New(CSkinDocument& doc, int typeBase, std::string* error) {
    return static_cast<Record*>(doc.NewItemOfType(typeBase, error));
}

}  // namespace

std::vector<NamedPicture> ControlPictures() {
    return {{kToolBarPicture, ToolBarPicture()},
            {kStatusBarPicture, StatusBarPicture()},
            {kProgressPicture, ProgressPicture()},
            {kScrollBarPicture, ScrollBarPicture()},
            {kControlsPicture, ControlsPicture()}};
}

bool AddControls(CSkinDocument& doc, std::string* error) {
    auto* toolBar = New<SkinToolBar>(doc, 4000, error);
    auto* statusBar = toolBar ? New<SkinStatusBar>(doc, 5000, error) : nullptr;
    auto* progress = statusBar ? New<SkinProgressBar>(doc, 6000, error) : nullptr;
    auto* scrollBar = progress ? New<SkinScrollBar>(doc, 7000, error) : nullptr;
    auto* header = scrollBar ? New<SkinHeader>(doc, 8000, error) : nullptr;
    auto* combo = header ? New<SkinComboBox>(doc, 9000, error) : nullptr;
    auto* ipAddress = combo ? New<SkinIPAddress>(doc, 10000, error) : nullptr;
    auto* hotKey = ipAddress ? New<SkinHotKey>(doc, 11000, error) : nullptr;
    auto* edit = hotKey ? New<SkinEdit>(doc, 29000, error) : nullptr;
    auto* dateTime = edit ? New<SkinDatetime>(doc, 25000, error) : nullptr;
    auto* listBox = dateTime ? New<SkinListBox>(doc, 27000, error) : nullptr;
    if (!listBox) return false;
    DescribeToolBar(*toolBar);
    DescribeStatusBar(*statusBar);
    DescribeProgress(*progress);
    DescribeScrollBar(*scrollBar);
    DescribeHeader(*header);
    DescribeDropDown(*combo, "AmberCombo", false);
    DescribeDropDown(*dateTime, "AmberDateTime", true);
    DescribeField(*ipAddress, "AmberIPAddress");
    DescribeField(*hotKey, "AmberHotKey");
    DescribeField(*edit, "AmberEdit");
    DescribeListBox(*listBox);
    return true;
}

}  // namespace amber
