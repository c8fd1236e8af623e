// Every number a skin file gives a previewed object (sizes, offsets, slice rectangles, insets, fonts,
// placements) set to the extremes an int holds: the preview still draws, without overflow, at its size.
// The kinds' own tables drive the test, so a field added to a kind is covered without touching it.

#include <gtest/gtest.h>

#include <limits>
#include <utility>

#include "PreviewTestSupport.h"
#include "Resource/ResObjects/ResButton.h"
#include "Resource/ResObjects/ResCheckBox.h"
#include "Resource/ResObjects/ResClient.h"
#include "Resource/ResObjects/ResComboBox.h"
#include "Resource/ResObjects/ResControlBar.h"
#include "Resource/ResObjects/ResDialog.h"
#include "Resource/ResObjects/ResFrame.h"
#include "Resource/ResObjects/ResFreeFrame.h"
#include "Resource/ResObjects/ResGroupBox.h"
#include "Resource/ResObjects/ResHeader.h"
#include "Resource/ResObjects/ResIPAddress.h"
#include "Resource/ResObjects/ResListBox.h"
#include "Resource/ResObjects/ResProgressBar.h"
#include "Resource/ResObjects/ResScrollBar.h"
#include "Resource/ResObjects/ResSpin.h"
#include "Resource/ResObjects/ResStatic.h"
#include "Resource/ResObjects/ResStatusBar.h"
#include "Resource/ResObjects/ResTabCtrl.h"
#include "Resource/ResObjects/ResSysButton.h"
#include "Resource/ResObjects/ResToolBar.h"
#include "Resource/ResObjects/ResToolWindow.h"
#include "Resource/ResObjects/ResTrackBar.h"
#include "Resource/SkinDocument.h"
#include "preview/PreviewCommon.h"
#include "preview/PreviewKind.h"

using namespace previewtest;

namespace {

constexpr int kMin = std::numeric_limits<int>::min();
constexpr int kMax = std::numeric_limits<int>::max();

// Two values per case: every number of the record takes one or the other, so a rectangle can be inverted,
// empty or enormous.
const std::pair<int, int> kCases[] = {{kMin, kMax}, {kMax, kMin}, {-1, 5}, {1 << 30, 1 << 29}, {0, kMax}};

void Hostile(SkinImageBase& image, const SkinImageBase& picture, int a, int b) {
    image = picture;
    image.left = a, image.top = a, image.right = b, image.bottom = b;
    image.leftWidth = a, image.topHeight = b, image.rightWidth = b, image.bottomHeight = a;
    image.leftMode = a, image.rightMode = b, image.topMode = a, image.bottomMode = b, image.centerMode = a;
}

void Hostile(SkinTextStyle& s, int a, int b) {
    s.horzAlign = a, s.vertAlign = b, s.effect = 1;
    s.shadowHSpace = a, s.shadowVSpace = b;
    s.leftOffset = a, s.rightOffset = b, s.topOffset = b, s.bottomOffset = a;
}

void Hostile(SkinPlacement& p, int a, int b) {
    for (SkinPositionBase* axis : {&p.horz, &p.vert}) {
        axis->alignType = a, axis->spaceType = b, axis->nearOffset = a, axis->farOffset = b;
        axis->sizeValue = b, axis->ignore = 0;
    }
}

template <class Coll>
void MakeHostile(typename Coll::Record& r, const SkinImageBase& picture, int a, int b) {
    using Field = typename RecordSchema<typename Coll::Record>::Field;
    for (const Field& f : Coll::Table().Fields()) {
        switch (f.type) {
        case FieldType::Int:
            if (f.key != "ID" && f.key != "OwnerFrameID") f.template Ref<int>(r) = a;
            break;
        case FieldType::Image: Hostile(f.template Ref<SkinImageBase>(r), picture, a, b); break;
        case FieldType::TextStyle: Hostile(f.template Ref<SkinTextStyle>(r), a, b); break;
        case FieldType::Font: {
            LogFont& font = f.template Ref<LogFont>(r);
            font.height = a, font.width = b, font.escapement = a, font.weight = b;
            break;
        }
        case FieldType::Placement: Hostile(f.template Ref<SkinPlacement>(r), a, b); break;
        default: break;
        }
    }
}

class HostileValues : public ::testing::TestWithParam<std::pair<int, int>> {
protected:
    void SetUp() override {
        QImage art(16, 16, QImage::Format_ARGB32);
        art.fill(QColor(40, 120, 200));
        art.setPixelColor(3, 3, QColor(255, 0, 255));
        m_picture = AddPicture(m_doc, "art.png", art);
    }

    // Renders the record at its own size (bounded to a view-sized preview) and checks it came out whole.
    // The "State" selector takes the case's first value unless selectors say otherwise.
    void ExpectRenders(const SkinResStruct& record, QSize size = QSize(), vd::preview::SelectorValues selectors = {}) {
        SCOPED_TRACE(record.Caption);
        const vd::preview::PreviewKind* kind = vd::preview::FindPreviewKind(record.ID);
        ASSERT_NE(kind, nullptr);
        if (size.isEmpty()) size = kind->size(m_doc, record).boundedTo(QSize(1600, 1200));
        if (size.isEmpty()) size = QSize(300, 200);
        selectors.emplace("State", GetParam().first);
        // A hostile value that made drawing loop fails at the test's time limit (TIMEOUT in CMakeLists.txt).
        const QImage image = vd::preview::RenderPreview(m_doc, record, selectors, size);
        EXPECT_EQ(image.size(), size);
    }

    // A new object of the kind with every number of its table hostile, rendered at its own size and at a
    // fixed one.
    template <class Coll>
    void ExpectKindRenders(int typeBase, vd::preview::SelectorValues selectors = {}) {
        const auto [a, b] = GetParam();
        auto* r = static_cast<typename Coll::Record*>(m_doc.NewItemOfType(typeBase));
        ASSERT_TRUE(r) << typeBase;
        MakeHostile<Coll>(*r, m_picture, a, b);
        ExpectRenders(*r, QSize(), selectors);
        ExpectRenders(*r, QSize(400, 250), selectors);
    }

    CSkinDocument m_doc;
    SkinImageBase m_picture;
};

TEST_P(HostileValues, EveryPreviewedKindStillDraws) {
    const auto [a, b] = GetParam();
    auto* frame = static_cast<SkinFrame*>(m_doc.NewItemOfType(3000));
    auto* tool = static_cast<SkinToolWindow*>(m_doc.NewItemOfType(18000));
    auto* shape = static_cast<SkinFreeFrame*>(m_doc.NewItemOfType(26000));
    auto* button = static_cast<SkinButtonStruct*>(m_doc.NewItemOfType(2000));
    auto* caption = static_cast<SkinSysButton*>(m_doc.NewItemOfType(3500));
    auto* minCaption = static_cast<SkinSysButton*>(m_doc.NewItemOfType(3500));
    auto* ownedButton = static_cast<SkinButtonStruct*>(m_doc.NewItemOfType(2000));
    auto* ownedStatic = static_cast<SkinStatic*>(m_doc.NewItemOfType(23000));
    ASSERT_TRUE(frame && tool && shape && button && caption && minCaption && ownedButton && ownedStatic);
    MakeHostile<CResFrame>(*frame, m_picture, a, b);
    MakeHostile<CResToolWindow>(*tool, m_picture, a, b);
    MakeHostile<CResFreeFrame>(*shape, m_picture, a, b);
    MakeHostile<CResButton>(*button, m_picture, a, b);
    MakeHostile<CResSysButton>(*caption, m_picture, a, b);
    MakeHostile<CResSysButton>(*minCaption, m_picture, a, b);
    MakeHostile<CResButton>(*ownedButton, m_picture, a, b);
    MakeHostile<CResStatic>(*ownedStatic, m_picture, a, b);
    caption->ownerFrameId = frame->ID;
    caption->type = 0;
    minCaption->ownerFrameId = frame->ID;
    minCaption->type = 6;
    ownedButton->ownerFrameId = shape->ID;
    ownedStatic->ownerFrameId = shape->ID;

    ExpectRenders(*frame);
    ExpectRenders(*frame, QSize(500, 350));
    ExpectRenders(*tool);
    ExpectRenders(*tool, QSize(300, 200));
    ExpectRenders(*shape);
    ExpectRenders(*button);
}

TEST_P(HostileValues, BarsAndControlsStillDraw) {
    const auto [a, b] = GetParam();
    ExpectKindRenders<CResToolBar>(4000);
    ExpectKindRenders<CResStatusBar>(5000);
    ExpectKindRenders<CResProgressBar>(6000, {{"Postion", a}});
    ExpectKindRenders<CResProgressBar>(6000, {{"Postion", b}});
    ExpectKindRenders<CResScrollBar>(7000, {{"Max", a}, {"PageSize", b}, {"Pos", a}});
    ExpectKindRenders<CResScrollBar>(7000, {{"Max", b}, {"PageSize", a}, {"Pos", b}});
    ExpectKindRenders<CResHeader>(8000);
    ExpectKindRenders<CResComboBox>(9000);
    ExpectKindRenders<CResIPAddress>(10000);
    ExpectKindRenders<CResHotKey>(11000);
    ExpectKindRenders<CResEdit>(29000);
    ExpectKindRenders<CResDatetime>(25000);
    ExpectKindRenders<CResListBox>(27000);
}

// Control bars and rebars with every draw type and step extreme, group boxes and statics on their own.
TEST_P(HostileValues, BarFillsGroupBoxesAndStaticsStillDraw) {
    ExpectKindRenders<CResControlBar>(20000);
    ExpectKindRenders<CResReBar>(21000);
    ExpectKindRenders<CResGroupBox>(22000);
    ExpectKindRenders<CResStatic>(23000);
    // The same bars without a background picture, so the border and the fill are drawn.
    const auto [a, b] = GetParam();
    for (int type : {0, 1, 2, 3}) {
        auto* bar = static_cast<SkinReBar*>(m_doc.NewItemOfType(21000));
        ASSERT_TRUE(bar);
        MakeHostile<CResReBar>(*bar, m_picture, a, b);
        bar->background = SkinImageBase();
        bar->drawType = type;
        bar->step = b;
        ExpectRenders(*bar, QSize(400, 250));
    }
}

// Trackbars with every thumb picture hostile and the position at both extremes; tab controls on every
// side, with every tab picture and text style hostile and the orientation out of range too.
TEST_P(HostileValues, TrackbarsAndTabControlsStillDraw) {
    const auto [a, b] = GetParam();
    for (int position : {a, b}) {
        auto* bar = static_cast<SkinTrackbar*>(m_doc.NewItemOfType(14000));
        ASSERT_TRUE(bar);
        MakeHostile<CResTrackBar>(*bar, m_picture, a, b);
        for (SkinStateImageSet<5>* set :
             {&bar->thumbHorz, &bar->thumbVert, &bar->thumbUp, &bar->thumbDown, &bar->thumbLeft, &bar->thumbRight})
            for (SkinImageBase& image : set->images) Hostile(image, m_picture, a, b);
        ExpectRenders(*bar, QSize(), {{"Postion", position}});
        ExpectRenders(*bar, QSize(400, 250), {{"Postion", position}});
    }
    auto* tabs = static_cast<SkinTabCtrl*>(m_doc.NewItemOfType(16000));
    ASSERT_TRUE(tabs);
    MakeHostile<CResTabCtrl>(*tabs, m_picture, a, b);
    for (SkinTabSide& side : tabs->sides) {
        for (SkinImageBase& image : side.items.images) Hostile(image, m_picture, a, b);
        for (SkinTextStyle& style : side.items.styles) Hostile(style, a, b);
    }
    tabs->showText = 1;
    for (int orientation : {0, 1, 2, 3, a, b}) ExpectRenders(*tabs, QSize(), {{"Orientation", orientation}});
}

TEST_P(HostileValues, CheckMarksAndSpinsStillDraw) {
    const auto [a, b] = GetParam();
    for (int state : {a, b, 0, 1, 2, 3}) {
        ExpectKindRenders<CResCheckBox>(12000, {{"State", state}});
        ExpectKindRenders<CResRadioBox>(13000, {{"State", state}});
        ExpectKindRenders<CResSpin>(15000, {{"State", state}});
    }
}

// MDI clients and dialogs drawn in a sample window of a hostile first frame with hostile caption buttons,
// and dialogs without a picture filled by every draw type at the step extremes.
TEST_P(HostileValues, ClientsAndDialogsStillDraw) {
    const auto [a, b] = GetParam();
    ExpectKindRenders<CResDialog>(24000);  // no frame yet: the stand-in window
    auto* frame = static_cast<SkinFrame*>(m_doc.NewItemOfType(3000));
    auto* close = static_cast<SkinSysButton*>(m_doc.NewItemOfType(3500));
    ASSERT_TRUE(frame && close);
    MakeHostile<CResFrame>(*frame, m_picture, a, b);
    MakeHostile<CResSysButton>(*close, m_picture, a, b);
    close->ownerFrameId = frame->ID;
    close->type = 0;
    ExpectKindRenders<CResClient>(19000);
    ExpectKindRenders<CResDialog>(24000);
    for (int type : {0, 1, 2, 3}) {
        auto* dialog = static_cast<SkinDialog*>(m_doc.NewItemOfType(24000));
        ASSERT_TRUE(dialog);
        MakeHostile<CResDialog>(*dialog, m_picture, a, b);
        dialog->background = SkinImageBase();
        dialog->drawType = type;
        dialog->step = b;
        ExpectRenders(*dialog, QSize(400, 250));
    }
}

INSTANTIATE_TEST_SUITE_P(Extremes, HostileValues, ::testing::ValuesIn(kCases));

}  // namespace
