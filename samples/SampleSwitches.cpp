#include "SampleSwitches.h"

#include "ControlArtwork.h"
#include "PanelArtwork.h"
#include "Resource/ResObjects/ResCheckBox.h"
#include "Resource/ResObjects/ResClient.h"
#include "Resource/ResObjects/ResControlBar.h"
#include "Resource/ResObjects/ResDialog.h"
#include "Resource/ResObjects/ResFreeFrame.h"
#include "Resource/ResObjects/ResGroupBox.h"
#include "Resource/ResObjects/ResSpin.h"
#include "Resource/ResObjects/ResStatic.h"
#include "Resource/ResObjects/ResTabCtrl.h"
#include "Resource/ResObjects/ResTrackBar.h"
#include "Resource/SkinDocument.h"
#include "SampleParts.h"
#include "SwitchArtwork.h"

namespace amber {
namespace {

constexpr const char* kSwitchesPicture = "Amber_Switches.png";
constexpr const char* kPanelsPicture = "Amber_Panels.png";
constexpr const char* kShapePicture = "Amber_Shape.png";
constexpr const char* kToolBarPicture = "Amber_ToolBar.png";  // drawn by ControlPictures()

const Color kGreyInk{176, 150, 112};
const Color kHotInk{196, 96, 0};
const Color kPaper{255, 252, 246};

// Mark and caption texts of the four states: normal, pressed, disabled, highlighted. Captions sit left
// aligned beside the mark.
template <size_t N>
void DressMarks(SkinStateImages<N>& set, int row, bool radio) {
    const Color inks[4] = {kInk, kInk, kGreyInk, kHotInk};
    for (int state = 0; state < 4; ++state) {
        const QRect r = radio ? RadioMark(row == kMarkChecked, state) : CheckBoxMark(CheckMark(row), state);
        set.images[state] = Slice(kSwitchesPicture, r);
        set.styles[state] = Text(inks[state], 0);
    }
}

void DescribeCheckBox(SkinCheckBox& c) {
    c.Caption = "AmberCheckBox";
    DressMarks(c.unchecked, kMarkUnchecked, false);
    DressMarks(c.checked, kMarkChecked, false);
    DressMarks(c.halfChecked, kMarkHalf, false);
    c.showText = 1;
    c.font = Font(-12);
}

void DescribeRadioBox(SkinRadioBox& r) {
    r.Caption = "AmberRadio";
    DressMarks(r.unchecked, kMarkUnchecked, true);
    DressMarks(r.checked, kMarkChecked, true);
    r.showText = 1;
    r.font = Font(-12);
}

void DescribeTrackbar(SkinTrackbar& t) {
    t.Caption = "AmberTrackbar";
    for (const bool disabled : {false, true}) {
        t.horzChannel[disabled] = Slice(kSwitchesPicture, TrackChannel(false, disabled), kChannelCorner, 0, kChannelCorner, 0);
        t.vertChannel[disabled] = Slice(kSwitchesPicture, TrackChannel(true, disabled), 0, kChannelCorner, 0, kChannelCorner);
    }
    const std::pair<SkinStateImageSet<5>*, ThumbShape> thumbs[] = {
        {&t.thumbHorz, kThumbHorz}, {&t.thumbVert, kThumbVert},  {&t.thumbUp, kThumbUp},
        {&t.thumbDown, kThumbDown}, {&t.thumbLeft, kThumbLeft}, {&t.thumbRight, kThumbRight}};
    for (const auto& [set, shape] : thumbs)
        for (int state = 0; state < 5; ++state) set->images[state] = Slice(kSwitchesPicture, TrackThumb(shape, state));
}

void DescribeSpin(SkinSpin& s) {
    s.Caption = "AmberSpin";
    const struct {
        SkinStateImageSet<4>* button;
        SkinStateImageSet<4>* arrow;
        SpinSide side;
    } sides[] = {{&s.leftBtn, &s.leftArrow, kSpinLeft},
                 {&s.rightBtn, &s.rightArrow, kSpinRight},
                 {&s.upBtn, &s.upArrow, kSpinUp},
                 {&s.downBtn, &s.downArrow, kSpinDown}};
    for (const auto& side : sides)
        for (int state = 0; state < 4; ++state) {
            side.button->images[state] = SliceEven(kSwitchesPicture, SpinButton(side.side, state), kSpinCorner);
            side.arrow->images[state] = Slice(kSwitchesPicture, SpinArrow(side.side, state));
        }
}

// Tabs keep their rounded corners whole and stretch along their length. The selected tab (Press) is
// widened by 2 pixels on both sides; on the top and bottom strips the others sink 2 pixels, so it stands
// above its neighbours.
void DescribeTabs(SkinTabCtrl& t) {
    t.Caption = "AmberTabs";
    const Color inks[5] = {Color(110, 72, 30), kInk, kGreyInk, kHotInk, kInk};
    for (int side = 0; side < 4; ++side) {
        SkinTabSide& s = t.sides[side];
        const bool horizontal = side < 2;
        for (int state = 0; state < 5; ++state) {
            const QRect r = TabItem(side, state);
            s.items.images[state] = horizontal ? Slice(kSwitchesPicture, r, kTabCorner + 1, 0, kTabCorner + 1, 0)
                                               : SliceEven(kSwitchesPicture, r, kTabCorner + 1);
            s.items.styles[state] = Text(inks[state]);
            s.hOffsets[state] = state == 1 ? 2 : 0;
            s.vOffsets[state] = state == 1 || !horizontal ? 0 : 2;
        }
        s.backgroundNormal = Slice(kSwitchesPicture, TabStrip(side, false));
        s.backgroundDisabled = Slice(kSwitchesPicture, TabStrip(side, true));
    }
    t.font = Font(-12);
    t.showText = 1;
}

void DescribeClient(SkinClient& c) {
    c.Caption = "AmberClient";
    c.previewWidth = 420;
    c.previewHeight = 300;
    c.background = Slice(kPanelsPicture, ClientTile());
    c.background.centerMode = 0;  // the weave repeats instead of stretching
    c.backgroundColor = Color(226, 206, 176);
}

void DescribeBar(SkinControlBar& b, const char* caption) {
    b.Caption = caption;
    b.previewWidth = 360;
    b.previewHeight = 50;
    b.start = Color(255, 250, 240);
    b.end = Color(244, 226, 196);
    b.drawType = kGradientVert;
    b.step = 5;
    b.highlight = Color(255, 255, 255);
    b.shadow = Color(200, 160, 110);
}

void DescribeGroupBox(SkinGroupBox& g) {
    g.Caption = "AmberGroup";
    g.previewWidth = 360;
    g.previewHeight = 220;
    const Color inks[2] = {kInk, kGreyInk};
    for (const bool disabled : {false, true}) {
        g.group[disabled] = Slice(kPanelsPicture, GroupFrame(disabled), kGroupSide, kGroupCaptionBand, kGroupSide, kGroupSide);
        g.box[disabled] = SliceEven(kPanelsPicture, GroupCaption(disabled), 5);
        g.textStyles[disabled] = Text(inks[disabled], 0, 6);
    }
    g.font = Font(-12, 700);
}

// The static is a label in the frame's client area, 12 pixels from its bottom-left corner.
void DescribeStatic(SkinStatic& s, int frameId) {
    s.Caption = "AmberStatic";
    s.transparent = 0;
    const Color inks[2] = {kInk, kGreyInk};
    for (const bool disabled : {false, true}) {
        s.backgrounds[disabled] = SliceEven(kPanelsPicture, StaticBackground(disabled), 4);
        s.backgroundColors[disabled] = disabled ? Color(251, 249, 245) : Color(255, 248, 234);
        s.textStyles[disabled] = Text(inks[disabled]);
    }
    s.font = Font(-12);
    s.ownerFrameId = frameId;
    s.placement.horz = {};
    s.placement.horz.alignType = 0;
    s.placement.horz.spaceType = 3;
    s.placement.horz.nearOffset = 12;
    s.placement.horz.sizeValue = 120;
    s.placement.horz.ignore = 0;
    s.placement.vert = {};
    s.placement.vert.alignType = 2;
    s.placement.vert.spaceType = 3;
    s.placement.vert.farOffset = 12;
    s.placement.vert.sizeValue = 20;
    s.placement.vert.ignore = 0;
}

void DescribeDialog(SkinDialog& d) {
    d.Caption = "AmberDialog";
    d.previewWidth = 320;
    d.previewHeight = 240;
    d.background = Slice(kPanelsPicture, DialogBackground());
    d.start = kPaper;
    d.end = Color(248, 236, 214);
    d.drawType = kGradientVert;
    d.step = 5;
    d.font = Font(-12);
}

// A shaped window: the picture's key colour is the sample's magenta, and it is fully opaque.
void DescribeFreeFrame(SkinFreeFrame& f) {
    f.Caption = "AmberShape";
    f.previewWidth = kShapeWidth;
    f.previewHeight = kShapeHeight;
    f.activeBk = Slice(kShapePicture, ShapeWindow(false));
    f.inactiveBk = Slice(kShapePicture, ShapeWindow(true));
    f.transparentKey = Color(255, 0, 255);
    f.transparency = 255;
}

template <class Record>
Record* New(CSkinDocument& doc, int typeBase, std::string* error) {
    return static_cast<Record*>(doc.NewItemOfType(typeBase, error));
}

}  // namespace

std::vector<NamedPicture> SwitchPictures() {
    return {{kSwitchesPicture, SwitchesPicture()}, {kPanelsPicture, PanelsPicture()}, {kShapePicture, ShapePicture()}};
}

bool AddSwitchesAndContainers(CSkinDocument& doc, int frameId, std::string* error) {
    auto* check = New<SkinCheckBox>(doc, 12000, error);
    auto* radio = check ? New<SkinRadioBox>(doc, 13000, error) : nullptr;
    auto* trackbar = radio ? New<SkinTrackbar>(doc, 14000, error) : nullptr;
    auto* spin = trackbar ? New<SkinSpin>(doc, 15000, error) : nullptr;
    auto* tabs = spin ? New<SkinTabCtrl>(doc, 16000, error) : nullptr;
    auto* client = tabs ? New<SkinClient>(doc, 19000, error) : nullptr;
    auto* controlBar = client ? New<SkinControlBar>(doc, 20000, error) : nullptr;
    auto* reBar = controlBar ? New<SkinReBar>(doc, 21000, error) : nullptr;
    auto* group = reBar ? New<SkinGroupBox>(doc, 22000, error) : nullptr;
    auto* label = group ? New<SkinStatic>(doc, 23000, error) : nullptr;
    auto* dialog = label ? New<SkinDialog>(doc, 24000, error) : nullptr;
    auto* shape = dialog ? New<SkinFreeFrame>(doc, 26000, error) : nullptr;
    if (!shape) return false;
    DescribeCheckBox(*check);
    DescribeRadioBox(*radio);
    DescribeTrackbar(*trackbar);
    DescribeSpin(*spin);
    DescribeTabs(*tabs);
    DescribeClient(*client);
    DescribeBar(*controlBar, "AmberControlBar");
    controlBar->background = Slice(kPanelsPicture, ControlBarBackground(), 0, 1, 0, 1);
    // The rebar holds toolbars, so its bands wear the toolbar's background and gripper.
    DescribeBar(*reBar, "AmberReBar");
    reBar->background = SliceEven(kToolBarPicture, ToolBarBackground(), 4);
    reBar->gripper = Slice(kToolBarPicture, ToolBarGripper(false));
    DescribeGroupBox(*group);
    DescribeStatic(*label, frameId);
    DescribeDialog(*dialog);
    DescribeFreeFrame(*shape);
    return true;
}

}  // namespace amber
