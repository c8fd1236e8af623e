// The built-in "Amberline" sample skin: it is embedded as a Qt resource, opens like a package the user saved,
// every picture reference in it resolves to a picture that decodes, inside the picture's bounds, and its
// frame, caption buttons, buttons, bars and controls give the previews every part, sized and placed to look
// right.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QString>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <set>
#include <tuple>
#include <string>
#include <vector>

#include "Helpers/EnBitmap.h"
#include "Resource/ResObjects/ResApp.h"
#include "Resource/ResObjects/ResButton.h"
#include "Resource/ResObjects/ResCheckBox.h"
#include "Resource/ResObjects/ResClient.h"
#include "Resource/ResObjects/ResComboBox.h"
#include "Resource/ResObjects/ResControlBar.h"
#include "Resource/ResObjects/ResDialog.h"
#include "Resource/ResObjects/ResFontFile.h"
#include "Resource/ResObjects/ResFrame.h"
#include "Resource/ResObjects/ResFreeFrame.h"
#include "Resource/ResObjects/ResGroupBox.h"
#include "Resource/ResObjects/ResHeader.h"
#include "Resource/ResObjects/ResIPAddress.h"
#include "Resource/ResObjects/ResListBox.h"
#include "Resource/ResObjects/ResPicture.h"
#include "Resource/ResObjects/ResProgressBar.h"
#include "Resource/ResObjects/ResScrollBar.h"
#include "Resource/ResObjects/ResSpin.h"
#include "Resource/ResObjects/ResStatic.h"
#include "Resource/ResObjects/ResStatusBar.h"
#include "Resource/ResObjects/ResSysButton.h"
#include "Resource/ResObjects/ResTabCtrl.h"
#include "Resource/ResObjects/ResToolBar.h"
#include "Resource/ResObjects/ResToolWindow.h"
#include "Resource/ResObjects/ResTrackBar.h"
#include "Resource/SkinDocument.h"
#include "Resource/TextUtil.h"
#include "SampleResource.h"
#include "preview/PreviewKind.h"

namespace {

QByteArray ReadSample() {
    QFile file(QString::fromLatin1(kSampleResourcePath));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

std::unique_ptr<CSkinDocument> OpenSample() {
    InitSampleResources();
    const QByteArray bytes = ReadSample();
    if (bytes.isEmpty()) return nullptr;
    auto doc = std::make_unique<CSkinDocument>();
    const vd::OpenResult result = doc->OpenFromMemory(kSamplePackageName, "",
                                                      reinterpret_cast<const uint8_t*>(bytes.constData()),
                                                      static_cast<size_t>(bytes.size()));
    if (result != vd::OpenResult::Ok) return nullptr;
    return doc;
}

// Walks every image member of every record of one kind through the kind's table.
template <class Collection, class Visit>
void ForEachImage(const Collection& collection, Visit& visit) {
    using R = typename Collection::Record;
    for (size_t i = 0; i < collection.Count(); ++i) {
        R& record = *collection.At(i);
        for (const auto& field : Collection::Table().Fields())
            if (field.type == FieldType::Image && field.phase != FieldPhase::SaveOnly)
                visit(record, field.key, field.template Ref<SkinImageBase>(record));
    }
}

struct ImageCheck {
    explicit ImageCheck(const CSkinDocument& d) : doc(d) {}
    const CSkinDocument& doc;
    std::set<std::string> usedPictures;
    int named = 0;

    void operator()(const SkinResStruct& owner, const std::string& key, const SkinImageBase& image) {
        if (image.name.empty()) return;
        ++named;
        SCOPED_TRACE(owner.Caption + " " + key + " -> " + image.name);
        const Picture* picture = doc.Pictures().FindByName(image.name);
        ASSERT_NE(picture, nullptr) << "names no picture of the skin";
        usedPictures.insert(picture->name);
        ASSERT_TRUE(picture->image);
        ASSERT_FALSE(picture->image->IsEmpty()) << picture->image->ErrorText();
        // Loading resolved the reference to the very picture it names.
        EXPECT_EQ(image.image, picture->image);
        EXPECT_GE(image.left, 0);
        EXPECT_GE(image.top, 0);
        EXPECT_LT(image.left, image.right);
        EXPECT_LT(image.top, image.bottom);
        EXPECT_LE(image.right, picture->image->Width());
        EXPECT_LE(image.bottom, picture->image->Height());
        // The corners fit into the rectangle, so no part of the nine is inverted.
        EXPECT_LE(image.leftWidth + image.rightWidth, image.right - image.left);
        EXPECT_LE(image.topHeight + image.bottomHeight, image.bottom - image.top);
    }
};

template <class Visit>
void VisitControlImages(const CSkinDocument& doc, Visit& visit) {
    ForEachImage(doc.ToolBars(), visit);
    ForEachImage(doc.StatusBars(), visit);
    ForEachImage(doc.ProgressBars(), visit);
    ForEachImage(doc.ScrollBars(), visit);
    ForEachImage(doc.Headers(), visit);
    ForEachImage(doc.ComboBoxes(), visit);
    ForEachImage(doc.IPAddresses(), visit);
    ForEachImage(doc.HotKeys(), visit);
    ForEachImage(doc.Edits(), visit);
    ForEachImage(doc.Datetimes(), visit);
    ForEachImage(doc.ListBoxes(), visit);
}

// The switches and containers, and the free-form window.
template <class Visit>
void VisitSwitchImages(const CSkinDocument& doc, Visit& visit) {
    ForEachImage(doc.CheckBoxes(), visit);
    ForEachImage(doc.RadioBoxes(), visit);
    ForEachImage(doc.TrackBars(), visit);
    ForEachImage(doc.Spins(), visit);
    ForEachImage(doc.TabCtrls(), visit);
    ForEachImage(doc.Clients(), visit);
    ForEachImage(doc.ControlBars(), visit);
    ForEachImage(doc.ReBars(), visit);
    ForEachImage(doc.GroupBoxes(), visit);
    ForEachImage(doc.Statics(), visit);
    ForEachImage(doc.Dialogs(), visit);
    ForEachImage(doc.FreeFrames(), visit);
}

bool IsKey(const CEnBitmap& image, int x, int y) {
    uint8_t bgra[4] = {};
    return image.PixelBGRA(x, y, bgra) && bgra[0] == 255 && bgra[1] == 0 && bgra[2] == 255;
}

TEST(SampleSkin, IsEmbeddedAsAResource) {
    InitSampleResources();
    InitSampleResources();  // registering twice is harmless
    const QByteArray bytes = ReadSample();
    ASSERT_GT(bytes.size(), 1000);
    EXPECT_TRUE(bytes.startsWith(QByteArray("Quarnelbrix\0", 12)));
}

TEST(SampleSkin, OpensWithoutPasswordAsAmberline) {
    const QByteArray bytes = ReadSample();
    CSkinDocument doc;
    ASSERT_EQ(doc.OpenFromMemory(kSamplePackageName, "", reinterpret_cast<const uint8_t*>(bytes.constData()),
                                 static_cast<size_t>(bytes.size())),
              vd::OpenResult::Ok);
    EXPECT_TRUE(doc.Warnings().empty());
    // Under another name the configuration entry is not found: the sample must be opened by its own name.
    CSkinDocument other;
    EXPECT_EQ(other.OpenFromMemory("Other.rss", "", reinterpret_cast<const uint8_t*>(bytes.constData()),
                                   static_cast<size_t>(bytes.size())),
              vd::OpenResult::MissingConfiguration);

    ASSERT_EQ(doc.Apps().Count(), 1u);
    const SkinApp& app = *doc.Apps().At(0);
    EXPECT_EQ(app.skinName, "Amberline");
    EXPECT_FALSE(app.author.empty());
    EXPECT_FALSE(app.description.empty());
    EXPECT_LE(app.description.size(), kText255 - 1);
}

Rect Placed(const SkinSysButton& b, const Rect& container) {
    int left = 0, top = 0, width = 0, height = 0;
    Place(b.placement, b.images[0].Source(), container, left, top, width, height);
    return {left, top, left + width, top + height};
}

bool Inside(const Rect& inner, const Rect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

bool Overlap(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

int Height(const SkinImageBase& image) { return image.bottom - image.top; }
int Width(const SkinImageBase& image) { return image.right - image.left; }

TEST(SampleSkin, HasOneFrameWithItsOwnedCaptionButtonsAndTwoButtons) {
    const auto doc = OpenSample();
    ASSERT_TRUE(doc);
    ASSERT_EQ(doc->Frames().Count(), 1u);
    const SkinFrame& frame = *doc->Frames().At(0);
    EXPECT_EQ(frame.Caption, "Amberline");
    EXPECT_FALSE(frame.activeTop.name.empty());
    EXPECT_FALSE(frame.menuBarBk.name.empty());
    EXPECT_FALSE(frame.menu.background.name.empty());

    // Close and Minimize keep the first two IDs they always had; Maximize and the two buttons of the
    // minimised caption follow.
    const std::vector<std::pair<std::string, int>> expected{
        {"AmberClose", 0}, {"AmberMinimize", 3}, {"AmberMaximize", 1}, {"AmberMinClose", 6}, {"AmberMinRestore", 8}};
    // The tool window's close button comes last.
    ASSERT_EQ(doc->SysButtons().Count(), expected.size() + 1);
    for (size_t i = 0; i < expected.size(); ++i) {
        const SkinSysButton& b = *doc->SysButtons().At(i);
        EXPECT_EQ(b.Caption, expected[i].first);
        EXPECT_EQ(b.type, expected[i].second) << b.Caption;
        EXPECT_EQ(b.ownerFrameId, frame.ID) << b.Caption;
        EXPECT_EQ(b.ID, 3501 + static_cast<int>(i));
    }

    ASSERT_EQ(doc->Buttons().Count(), 2u);
    for (size_t i = 0; i < 2; ++i) {
        const SkinButtonStruct& b = *doc->Buttons().At(i);
        SCOPED_TRACE(b.Caption);
        std::set<std::pair<int, int>> origins;
        for (const SkinImageBase& image : b.images) {
            EXPECT_FALSE(image.name.empty());
            origins.insert({image.left, image.top});
        }
        EXPECT_EQ(origins.size(), 5u) << "each state has its own picture rectangle";
        for (const SkinTextStyle& style : b.styles)
            EXPECT_NE(style, SkinTextStyle{}) << "every state has its text style";
    }
}

// The frame preview places caption buttons inside the whole 500 x 350 preview and the minimised ones inside
// the minimised child window (160 wide, the minimised caption's height but at least 27). Whatever the
// placement rules say, the buttons must land at the right end of their caption, apart from each other.
TEST(SampleSkin, CaptionButtonsSitAtTheRightEndOfTheirCaption) {
    const auto doc = OpenSample();
    ASSERT_TRUE(doc);
    const SkinFrame& frame = *doc->Frames().At(0);
    const Rect preview{0, 0, 500, 350};
    const Rect caption{preview.left + Width(frame.activeLeft), 0, preview.right - Width(frame.activeRight),
                       Height(frame.activeTop)};
    const Rect minimised{0, 0, 160, std::max(27, Height(frame.activeMinCaption))};
    const int minimisedTextRight = 107;  // the minimised window's title runs from x 22 to x 107

    std::map<int, Rect> main, small;  // by type
    for (size_t i = 0; i < doc->SysButtons().Count(); ++i) {
        const SkinSysButton& b = *doc->SysButtons().At(i);
        if (b.ownerFrameId != frame.ID) continue;
        SCOPED_TRACE(b.Caption);
        const bool onMinimised = b.type >= 6 && b.type <= 8;
        const Rect r = Placed(b, onMinimised ? minimised : preview);
        (onMinimised ? small : main)[b.type] = r;
        EXPECT_TRUE(Inside(r, onMinimised ? minimised : caption))
            << r.left << "," << r.top << " - " << r.right << "," << r.bottom;
        EXPECT_EQ(b.placement.horz.alignType, 2) << "anchored at the right";
        EXPECT_EQ(b.placement.horz.spaceType, 3) << "fixed size";
        // Centred on the caption within a pixel (the full caption's last row is its separator line).
        const Rect& parent = onMinimised ? minimised : caption;
        const int above = r.top - parent.top, below = parent.bottom - r.bottom - (onMinimised ? 0 : 1);
        EXPECT_LE(std::abs(above - below), 1) << above << " above, " << below << " below";
        // The glyph, drawn centred at its own size, stays inside the face's one-pixel outline.
        for (size_t state = 0; state < b.glyphs.size(); ++state) {
            EXPECT_LE(Width(b.glyphs[state]), r.Width() - 2) << state;
            EXPECT_LE(Height(b.glyphs[state]), r.Height() - 2) << state;
        }
        if (onMinimised) {
            EXPECT_GT(r.left, minimisedTextRight) << "clear of the minimised title";
        }
    }
    ASSERT_EQ(main.size(), 3u);
    ASSERT_EQ(small.size(), 2u);
    // Left to right: Minimize, Maximize, Close; Min-Restore, Min-Close.
    EXPECT_LE(main[3].right, main[1].left);
    EXPECT_LE(main[1].right, main[0].left);
    EXPECT_LE(small[8].right, small[6].left);
    EXPECT_GE(main[3].left, caption.right - 100) << "the three keep to the right end";
    EXPECT_FALSE(Overlap(main[0], main[1]) || Overlap(main[1], main[3]) || Overlap(small[6], small[8]));
}

// The tool window wears the frame's caption and borders, laid out by its margins, and its own close button
// lands at the right end of its caption in its preview.
TEST(SampleSkin, TheToolWindowHasTheFramesDressAndItsOwnCloseButton) {
    const auto doc = OpenSample();
    ASSERT_TRUE(doc);
    ASSERT_EQ(doc->ToolWindows().Count(), 1u);
    const SkinToolWindow& t = *doc->ToolWindows().At(0);
    const SkinFrame& frame = *doc->Frames().At(0);
    EXPECT_EQ(t.Caption, "AmberPalette");
    EXPECT_EQ(t.activeTop, frame.activeTop);
    EXPECT_EQ(t.topMargin, Height(t.activeTop));
    EXPECT_EQ(t.leftMargin, Width(t.activeLeft));
    EXPECT_EQ(t.rightMargin, Width(t.activeRight));
    EXPECT_EQ(t.bottomMargin, Height(t.activeBottom));
    int owned = 0;
    for (size_t i = 0; i < doc->SysButtons().Count(); ++i) {
        const SkinSysButton& b = *doc->SysButtons().At(i);
        if (b.ownerFrameId != t.ID) continue;
        ++owned;
        EXPECT_EQ(b.type, 0);
        const Rect r = Placed(b, Rect{0, 0, t.previewWidth, t.previewHeight});
        EXPECT_TRUE(Inside(r, Rect{t.leftMargin, 0, t.previewWidth - t.rightMargin, t.topMargin}))
            << r.left << "," << r.top << " - " << r.right << "," << r.bottom;
    }
    EXPECT_EQ(owned, 1);
}

// Drawn through the frame preview, each caption button of the full caption shows its own face, unscaled,
// where its placement puts it (checked left of the glyph, which is drawn centred).
TEST(SampleSkin, TheFramePreviewShowsTheCaptionButtonFaces) {
    const auto doc = OpenSample();
    ASSERT_TRUE(doc);
    const SkinFrame& frame = *doc->Frames().At(0);
    const QImage preview = vd::preview::RenderPreview(*doc, frame, {}, QSize(500, 350));
    ASSERT_EQ(preview.size(), QSize(500, 350));
    int checked = 0;
    for (size_t i = 0; i < doc->SysButtons().Count(); ++i) {
        const SkinSysButton& b = *doc->SysButtons().At(i);
        if ((b.type >= 6 && b.type <= 8) || b.ownerFrameId != frame.ID) continue;
        SCOPED_TRACE(b.Caption);
        const Rect r = Placed(b, Rect{0, 0, 500, 350});
        const SkinImageBase& face = b.images[0];
        ASSERT_EQ(r.Width(), Width(face));
        ASSERT_EQ(r.Height(), Height(face));
        for (const int dx : {2, 3})
            for (const int dy : {3, r.Height() / 2, r.Height() - 3}) {
                uint8_t bgra[4] = {};
                ASSERT_TRUE(face.image->PixelBGRA(face.left + dx, face.top + dy, bgra));
                EXPECT_EQ(preview.pixelColor(r.left + dx, r.top + dy), QColor(bgra[2], bgra[1], bgra[0]))
                    << dx << "," << dy;
            }
        ++checked;
    }
    EXPECT_EQ(checked, 3);
}

// Every image of the frame names a picture (only the client background is left to the background colour),
// every text style is set, and the parts have the sizes a 500 x 350 preview shows well.
TEST(SampleSkin, TheFrameGivesThePreviewEveryPart) {
    const auto doc = OpenSample();
    ASSERT_TRUE(doc);
    const SkinFrame& frame = *doc->Frames().At(0);
    std::set<std::string> unnamedImages, defaultStyles;
    for (const auto& field : CResFrame::Table().Fields()) {
        if (field.phase == FieldPhase::SaveOnly) continue;
        if (field.type == FieldType::Image && field.template Ref<SkinImageBase>(frame).name.empty())
            unnamedImages.insert(field.key);
        if (field.type == FieldType::TextStyle && field.template Ref<SkinTextStyle>(frame) == SkinTextStyle{})
            defaultStyles.insert(field.key);
    }
    EXPECT_EQ(unnamedImages, (std::set<std::string>{"BkImage"}));
    EXPECT_EQ(defaultStyles, std::set<std::string>{});

    EXPECT_GE(Height(frame.activeTop), 26);
    EXPECT_LE(Height(frame.activeTop), 30);
    for (const SkinImageBase* side : {&frame.activeLeft, &frame.activeRight}) {
        EXPECT_GE(Width(*side), 4);
        EXPECT_LE(Width(*side), 6);
    }
    EXPECT_GE(Height(frame.activeBottom), 4);
    EXPECT_LE(Height(frame.activeBottom), 6);
    EXPECT_GE(Height(frame.activeMinCaption), 27);
    // Switching between active and inactive must not move anything: each pair has one size and one slicing.
    const std::pair<const SkinImageBase*, const SkinImageBase*> pairs[] = {
        {&frame.activeLeft, &frame.inactiveLeft},       {&frame.activeRight, &frame.inactiveRight},
        {&frame.activeTop, &frame.inactiveTop},         {&frame.activeBottom, &frame.inactiveBottom},
        {&frame.activeMinCaption, &frame.inactiveMinCaption}, {&frame.menuBarBk, &frame.menuBarBkInactive}};
    for (const auto& [active, inactive] : pairs) {
        SCOPED_TRACE(active->name + " " + std::to_string(active->left) + "," + std::to_string(active->top));
        EXPECT_EQ(Width(*active), Width(*inactive));
        EXPECT_EQ(Height(*active), Height(*inactive));
        EXPECT_EQ(std::tie(active->leftWidth, active->topHeight, active->rightWidth, active->bottomHeight),
                  std::tie(inactive->leftWidth, inactive->topHeight, inactive->rightWidth, inactive->bottomHeight));
    }

    // The menu bar holds its items and the MDI buttons; every MDI state has the size of its Normal state.
    EXPECT_LE(frame.menuBarItemHeight, frame.menuBarHeight);
    for (const auto* states : {&frame.mdiRestore, &frame.mdiMin, &frame.mdiClose})
        for (const SkinImageBase& state : *states) {
            EXPECT_EQ(Width(state), Width((*states)[0]));
            EXPECT_EQ(Height(state), Height((*states)[0]));
            EXPECT_LE(Height(state), frame.menuBarHeight);
        }
    // Check marks, their backgrounds, the arrows and the separator fit into one menu item.
    const SkinPopupMenu& menu = frame.menu;
    for (const SkinImageBase* image : {&menu.check, &menu.radio, &menu.checkBk, &menu.radioBk, &menu.arrow,
                                       &menu.arrowHighlighted, &menu.separator})
        EXPECT_LE(Height(*image), menu.itemHeight) << image->left << "," << image->top;
    // The item text starts right of the vertical bar.
    for (const SkinTextStyle& style : menu.text) EXPECT_GE(style.leftOffset, Width(menu.vbar));
}

TEST(SampleSkin, EveryImageNamesAPictureThatDecodesAndEveryPictureIsUsed) {
    const auto doc = OpenSample();
    ASSERT_TRUE(doc);
    ASSERT_GT(doc->Pictures().Count(), 0u);
    ImageCheck check(*doc);
    ForEachImage(doc->Frames(), check);
    const int frameImages = check.named;
    ForEachImage(doc->SysButtons(), check);
    const int captionButtonImages = check.named - frameImages;
    ForEachImage(doc->Buttons(), check);
    const int buttonImages = check.named - frameImages - captionButtonImages;
    ForEachImage(doc->ToolWindows(), check);
    const int toolWindowImages = check.named - frameImages - captionButtonImages - buttonImages;
    // The bars, controls, switches and containers name a picture in every image they have (the tests below
    // check that).
    VisitControlImages(*doc, check);
    VisitSwitchImages(*doc, check);
    EXPECT_GE(frameImages, 40);             // borders, captions, menu bar, MDI buttons, popup menu
    EXPECT_EQ(captionButtonImages, 6 * 14);  // seven faces and seven glyphs each: five on the frame, one on the palette
    EXPECT_EQ(buttonImages, 2 * 5);
    EXPECT_EQ(toolWindowImages, 8);          // its borders, active and inactive
    for (size_t i = 0; i < doc->Pictures().Count(); ++i)
        EXPECT_EQ(check.usedPictures.count(doc->Pictures().At(i)->name), 1u)
            << doc->Pictures().At(i)->name << " is carried but drawn by nothing";
}

TEST(SampleSkin, TransparentPartsAreMagentaAndFacesAreNot) {
    const auto doc = OpenSample();
    ASSERT_TRUE(doc);
    const SkinFrame& frame = *doc->Frames().At(0);
    ASSERT_TRUE(frame.activeTop.image);
    const CEnBitmap& caption = *frame.activeTop.image;
    // The caption's rounded top corners are cut out; its middle is drawn.
    EXPECT_TRUE(IsKey(caption, frame.activeTop.left, frame.activeTop.top));
    EXPECT_TRUE(IsKey(caption, frame.activeTop.right - 1, frame.activeTop.top));
    const int midX = (frame.activeTop.left + frame.activeTop.right) / 2;
    const int midY = (frame.activeTop.top + frame.activeTop.bottom) / 2;
    EXPECT_FALSE(IsKey(caption, midX, midY));
    // The menu bar's Normal item is wholly transparent, so only its text shows.
    const SkinImageBase& normalItem = frame.menuBarItemImages[0];
    ASSERT_TRUE(normalItem.image);
    for (int y = normalItem.top; y < normalItem.bottom; ++y)
        for (int x = normalItem.left; x < normalItem.right; ++x)
            ASSERT_TRUE(IsKey(*normalItem.image, x, y)) << x << "," << y;
    // A button picture (a BMP) keeps its corners for the key and its face opaque.
    const SkinImageBase& face = doc->Buttons().At(0)->images[0];
    ASSERT_TRUE(face.image);
    EXPECT_EQ(face.image->Kind(), kImageBmp);
    EXPECT_TRUE(IsKey(*face.image, face.left, face.top));
    EXPECT_FALSE(IsKey(*face.image, (face.left + face.right) / 2, (face.top + face.bottom) / 2));
}

// The pixels of an image record's rectangle, row by row.
std::vector<uint32_t> RectPixels(const SkinImageBase& image) {
    std::vector<uint32_t> out;
    if (!image.image) return out;
    for (int y = image.top; y < image.bottom; ++y)
        for (int x = image.left; x < image.right; ++x) {
            uint8_t bgra[4] = {};
            image.image->PixelBGRA(x, y, bgra);
            out.push_back(uint32_t(bgra[0]) | uint32_t(bgra[1]) << 8 | uint32_t(bgra[2]) << 16);
        }
    return out;
}

bool HasVisiblePixel(const SkinImageBase& image) {
    for (uint32_t p : RectPixels(image))
        if (p != 0xFF00FFu) return true;
    return false;
}

TEST(SampleSkin, EveryStateLooksDifferentAndEveryGlyphIsDrawn) {
    const auto doc = OpenSample();
    ASSERT_TRUE(doc);
    for (size_t i = 0; i < doc->SysButtons().Count(); ++i) {
        const SkinSysButton& b = *doc->SysButtons().At(i);
        SCOPED_TRACE(b.Caption);
        std::set<std::vector<uint32_t>> faces;
        for (size_t state = 0; state < b.images.size(); ++state) {
            SCOPED_TRACE(kSysButtonStateKeys[state]);
            faces.insert(RectPixels(b.images[state]));
            EXPECT_TRUE(HasVisiblePixel(b.glyphs[state]));
            // A glyph fits inside its face, so centring it never spills over the button.
            EXPECT_LE(b.glyphs[state].right - b.glyphs[state].left, b.images[state].right - b.images[state].left);
            EXPECT_LE(b.glyphs[state].bottom - b.glyphs[state].top, b.images[state].bottom - b.images[state].top);
        }
        EXPECT_EQ(faces.size(), b.images.size());
    }
    for (size_t i = 0; i < doc->Buttons().Count(); ++i) {
        const SkinButtonStruct& b = *doc->Buttons().At(i);
        std::set<std::vector<uint32_t>> faces;
        for (const SkinImageBase& image : b.images) faces.insert(RectPixels(image));
        EXPECT_EQ(faces.size(), b.images.size()) << b.Caption;
    }
    // Both buttons look different from each other too.
    EXPECT_NE(RectPixels(doc->Buttons().At(0)->images[0]), RectPixels(doc->Buttons().At(1)->images[0]));
    const SkinFrame& frame = *doc->Frames().At(0);
    EXPECT_NE(RectPixels(frame.activeTop), RectPixels(frame.inactiveTop));
    EXPECT_NE(RectPixels(frame.activeLeft), RectPixels(frame.inactiveLeft));
    for (size_t state = 0; state < frame.mdiClose.size(); ++state) {
        EXPECT_TRUE(HasVisiblePixel(frame.mdiClose[state])) << state;
        EXPECT_TRUE(HasVisiblePixel(frame.mdiMin[state])) << state;
        EXPECT_TRUE(HasVisiblePixel(frame.mdiRestore[state])) << state;
    }
    // Pressed and highlighted menu bar items have a face; the arrow and the check mark are drawn.
    EXPECT_TRUE(HasVisiblePixel(frame.menuBarItemImages[1]));
    EXPECT_TRUE(HasVisiblePixel(frame.menuBarItemImages[3]));
    EXPECT_TRUE(HasVisiblePixel(frame.menu.arrow));
    EXPECT_TRUE(HasVisiblePixel(frame.menu.check));
}

TEST(SampleSkin, SavesBackToTheSameConfiguration) {
    const auto doc = OpenSample();
    ASSERT_TRUE(doc);
    const std::string stored = doc->StoredConfigText();
    std::string error;
    const std::vector<uint8_t> package = doc->BuildPackage(kSamplePackageName, "", true, &error);
    ASSERT_FALSE(package.empty()) << error;
    CSkinDocument again;
    ASSERT_EQ(again.OpenFromMemory(kSamplePackageName, "", package.data(), package.size()), vd::OpenResult::Ok);
    EXPECT_EQ(again.StoredConfigText(), stored);
    EXPECT_EQ(again.Pictures().Count(), doc->Pictures().Count());
}

// The designer's icons are linked in and registered without any initialisation call.
int OpaquePixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) count += qAlpha(image.pixel(x, y)) > 0;
    return count;
}

TEST(DesignerIcons, EveryObjectKindHasASmallAndALargeIcon) {
    const int bases[] = {1000,  2000,  3000,  3500,  4000,  5000,  6000,  7000,  8000,  9000,
                         10000, 11000, 12000, 13000, 14000, 15000, 16000, 17000, 18000, 19000,
                         20000, 21000, 22000, 23000, 24000, 25000, 26000, 27000, 28000, 29000};
    for (int base : bases) {
        SCOPED_TRACE(base);
        const QImage small(QStringLiteral(":/icons/type-%1.png").arg(base));
        const QImage large(QStringLiteral(":/icons/type-%1@2x.png").arg(base));
        ASSERT_FALSE(small.isNull());
        ASSERT_FALSE(large.isNull());
        EXPECT_EQ(small.size(), QSize(16, 16));
        EXPECT_EQ(large.size(), QSize(32, 32));
        EXPECT_GT(OpaquePixels(small), 30);
        EXPECT_GT(OpaquePixels(large), 4 * 30);
    }
}

TEST(DesignerIcons, ToolbarNodesAndApplicationIconsExist) {
    for (const char* name : {"new", "load-sample", "open", "save", "copy", "paste", "delete", "load-image",
                             "selection-grips", "help", "undo", "redo", "test-skin", "node-skin", "node-objects",
                             "node-images"}) {
        SCOPED_TRACE(name);
        for (int size : {16, 32}) {
            const QImage icon(QStringLiteral(":/icons/%1-%2.png").arg(QLatin1String(name)).arg(size));
            ASSERT_FALSE(icon.isNull()) << size;
            EXPECT_EQ(icon.size(), QSize(size, size));
            // Icons are drawn on a transparent ground: the corners of most stay clear, none is a solid block.
            EXPECT_LT(OpaquePixels(icon), size * size);
        }
    }
    for (int size : {16, 32, 48, 256}) {
        const QImage icon(QStringLiteral(":/icons/app-%1.png").arg(size));
        ASSERT_FALSE(icon.isNull()) << size;
        EXPECT_EQ(icon.size(), QSize(size, size));
    }
    EXPECT_EQ(QImage(QStringLiteral(":/icons/drawmode-horzfit-20x14.png")).size(), QSize(20, 14));
    EXPECT_EQ(QImage(QStringLiteral(":/icons/drawmode-vertfit-40x28.png")).size(), QSize(40, 28));
}

}  // namespace

// ---------------------------------------------------------------------------------------------------------
// The bars and controls

namespace controls {

template <class Collection>
void ExpectOneNamed(const Collection& collection, const std::string& caption) {
    ASSERT_EQ(collection.Count(), 1u) << caption;
    EXPECT_EQ(collection.At(0)->Caption, caption);
}

// Keys of the image fields of the kind's only record that name no picture.
template <class Collection>
std::set<std::string> UnnamedImages(const Collection& collection) {
    std::set<std::string> keys;
    if (collection.Count() == 0) return {"(no record)"};
    for (const auto& field : Collection::Table().Fields())
        if (field.type == FieldType::Image && field.phase != FieldPhase::SaveOnly &&
            field.template Ref<SkinImageBase>(*collection.At(0)).name.empty())
            keys.insert(field.key);
    return keys;
}

// The 8 x 8 checkerboard every preview is drawn on.
QColor Ground(int x, int y) {
    return ((x / 8) % 2) == ((y / 8) % 2) ? QColor(192, 192, 192) : QColor(255, 255, 255);
}

int PixelsOffTheGround(const QImage& image) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y) != Ground(x, y);
    return n;
}

// Mirrored about the diagonal: pixel (x, y) of one is pixel (y, x) of the other.
bool Transposes(const SkinImageBase& a, const SkinImageBase& b) {
    if (Width(a) != Height(b) || Height(a) != Width(b) || !a.image || !b.image) return false;
    for (int y = 0; y < Height(a); ++y)
        for (int x = 0; x < Width(a); ++x) {
            uint8_t pa[4] = {}, pb[4] = {};
            a.image->PixelBGRA(a.left + x, a.top + y, pa);
            b.image->PixelBGRA(b.left + y, b.top + x, pb);
            if (std::tie(pa[0], pa[1], pa[2]) != std::tie(pb[0], pb[1], pb[2])) return false;
        }
    return true;
}

bool FitsInside(const SkinImageBase& glyph, const SkinImageBase& face) {
    return Width(glyph) <= Width(face) - 2 && Height(glyph) <= Height(face) - 2;
}

}  // namespace controls

TEST(SampleControls, EachKindHasOneObjectUnderItsName) {
    const auto doc = OpenSample();
    ASSERT_TRUE(doc);
    controls::ExpectOneNamed(doc->ToolBars(), "AmberToolBar");
    controls::ExpectOneNamed(doc->StatusBars(), "AmberStatusBar");
    controls::ExpectOneNamed(doc->ProgressBars(), "AmberProgress");
    controls::ExpectOneNamed(doc->ScrollBars(), "AmberScrollBar");
    controls::ExpectOneNamed(doc->Headers(), "AmberHeader");
    controls::ExpectOneNamed(doc->ComboBoxes(), "AmberCombo");
    controls::ExpectOneNamed(doc->IPAddresses(), "AmberIPAddress");
    controls::ExpectOneNamed(doc->HotKeys(), "AmberHotKey");
    controls::ExpectOneNamed(doc->Edits(), "AmberEdit");
    controls::ExpectOneNamed(doc->Datetimes(), "AmberDateTime");
    controls::ExpectOneNamed(doc->ListBoxes(), "AmberListBox");
}

TEST(SampleControls, EveryImageNamesAPictureOfTheSample) {
    const auto doc = OpenSample();
    ASSERT_TRUE(doc);
    const std::set<std::string> none;
    EXPECT_EQ(controls::UnnamedImages(doc->ToolBars()), none);
    EXPECT_EQ(controls::UnnamedImages(doc->StatusBars()), none);
    EXPECT_EQ(controls::UnnamedImages(doc->ProgressBars()), none);
    EXPECT_EQ(controls::UnnamedImages(doc->ScrollBars()), none);
    EXPECT_EQ(controls::UnnamedImages(doc->Headers()), none);
    EXPECT_EQ(controls::UnnamedImages(doc->ComboBoxes()), none);
    EXPECT_EQ(controls::UnnamedImages(doc->IPAddresses()), none);
    EXPECT_EQ(controls::UnnamedImages(doc->HotKeys()), none);
    EXPECT_EQ(controls::UnnamedImages(doc->Edits()), none);
    EXPECT_EQ(controls::UnnamedImages(doc->Datetimes()), none);
    EXPECT_EQ(controls::UnnamedImages(doc->ListBoxes()), none);
    ImageCheck check(*doc);
    VisitControlImages(*doc, check);
    // Toolbar: background, five faces, fifteen drop-down parts, two separators, two grippers. Status bar:
    // four. Progress: three. Scroll bar: fourteen sets of four, two dead corners, the border. Header:
    // background and three sets of four. Combo box and date-time picker: two edges, two sets of four.
    // IP-address, hot-key and edit fields: three edges each. List box: two backgrounds.
    EXPECT_EQ(check.named, 25 + 4 + 3 + (14 * 4 + 3) + 13 + 2 * 10 + 3 * 3 + 2);
}

// The toolbar preview's sample bar is inset by 10 and 30 pixels high when captions sit beside the icons;
// the gripper spans it less 4 pixels at each end, and drop-down parts sit in a 15-pixel strip.
TEST(SampleControls, TheToolBarFitsItsSampleBar) {
    const auto doc = OpenSample();
    ASSERT_TRUE(doc);
    ASSERT_EQ(doc->ToolBars().Count(), 1u);
    const SkinToolBar& t = *doc->ToolBars().At(0);
    const int barHeight = 30;
    EXPECT_EQ(t.textAlign, 0);
    EXPECT_GE(t.previewHeight, 10 + barHeight + 10) << "the whole bar shows";
    EXPECT_LE(t.previewHeight, 10 + barHeight + 30) << "without a large empty margin";
    EXPECT_EQ(Height(t.background), barHeight);
    EXPECT_EQ(Height(t.gripper), barHeight - 8) << "drawn unscaled";
    EXPECT_LE(t.separator.topHeight + t.separator.bottomHeight, barHeight - 8);
    for (size_t s = 0; s < 5; ++s) {
        SCOPED_TRACE(s);
        EXPECT_EQ(Width(t.dropRight[s]), 15);
        EXPECT_LE(Width(t.dropArrow[s]), 15 - 4);
        EXPECT_TRUE(HasVisiblePixel(t.dropArrow[s]));
        EXPECT_NE(t.buttonStyles[s], SkinTextStyle{});
    }
    // Normal and Disabled buttons are flat (only the icon shows); Press, Highlighted and Selected have a face,
    // each its own.
    for (size_t s : {0u, 2u}) EXPECT_FALSE(HasVisiblePixel(t.buttonImages[s])) << s;
    std::set<std::vector<uint32_t>> faces;
    for (size_t s : {1u, 3u, 4u}) {
        const SkinImageBase& face = t.buttonImages[s];
        ASSERT_TRUE(face.image);
        EXPECT_FALSE(IsKey(*face.image, (face.left + face.right) / 2, (face.top + face.bottom) / 2)) << s;
        faces.insert(RectPixels(face));
    }
    EXPECT_EQ(faces.size(), 3u);
}

// Every part of the scroll bar has the bar's thickness across it, the glyphs fit inside their faces and the
// vertical parts are the horizontal ones turned about the diagonal, so both bars look alike.
TEST(SampleControls, TheScrollBarPartsMatchItsThicknesses) {
    const auto doc = OpenSample();
    ASSERT_TRUE(doc);
    ASSERT_EQ(doc->ScrollBars().Count(), 1u);
    const SkinScrollBar& b = *doc->ScrollBars().At(0);
    for (size_t s = 0; s < 4; ++s) {
        SCOPED_TRACE(s);
        for (const SkinImageBase* part : {&b.hBk[s], &b.hBar[s], &b.leftBtn[s], &b.rightBtn[s]})
            EXPECT_EQ(Height(*part), b.hHeight);
        for (const SkinImageBase* part : {&b.vBk[s], &b.vBar[s], &b.upBtn[s], &b.downBtn[s]})
            EXPECT_EQ(Width(*part), b.vWidth);
        EXPECT_EQ(Width(b.leftBtn[s]), b.hBtnWidth);
        EXPECT_EQ(Height(b.upBtn[s]), b.vBtnHeight);
        EXPECT_TRUE(controls::FitsInside(b.leftArrow[s], b.leftBtn[s]));
        EXPECT_TRUE(controls::FitsInside(b.rightArrow[s], b.rightBtn[s]));
        EXPECT_TRUE(controls::FitsInside(b.upArrow[s], b.upBtn[s]));
        EXPECT_TRUE(controls::FitsInside(b.downArrow[s], b.downBtn[s]));
        EXPECT_TRUE(controls::FitsInside(b.hThumb[s], b.hBar[s]));
        EXPECT_TRUE(controls::FitsInside(b.vThumb[s], b.vBar[s]));
        EXPECT_TRUE(controls::Transposes(b.hBk[s], b.vBk[s]));
        EXPECT_TRUE(controls::Transposes(b.hBar[s], b.vBar[s]));
        EXPECT_TRUE(controls::Transposes(b.hThumb[s], b.vThumb[s]));
    }
    EXPECT_NE(RectPixels(b.deadCorner[0]), RectPixels(b.deadCorner[1]));
    EXPECT_EQ(Width(b.deadCorner[0]), b.vWidth);
    EXPECT_EQ(Height(b.deadCorner[0]), b.hHeight);
    // The border's corners fit into the 2-pixel gap the preview leaves round the bars.
    EXPECT_LE(std::max({b.border.leftWidth, b.border.topHeight, b.border.rightWidth, b.border.bottomHeight}), 2);
}

TEST(SampleControls, TheProgressBarShowsASmoothFillAndItsPercentage) {
    const auto doc = OpenSample();
    ASSERT_TRUE(doc);
    ASSERT_EQ(doc->ProgressBars().Count(), 1u);
    const SkinProgressBar& p = *doc->ProgressBars().At(0);
    EXPECT_TRUE(p.drawType == 0 || p.drawType == 1);
    // The smooth fill is centred at the block image's height inside the 25-pixel sample bars.
    EXPECT_EQ(Height(p.foreground), Height(p.foregroundSmooth));
    EXPECT_EQ(Height(p.background), 25);
    EXPECT_EQ((Height(p.background) - Height(p.foregroundSmooth)) % 2, 0) << "an even margin above and below";
    EXPECT_GE(Height(p.background) - Height(p.foregroundSmooth), 4);
    EXPECT_EQ(p.showText, 1);
    EXPECT_EQ(p.textFormat, "%.0f%%");
    EXPECT_NE(p.textNormal, p.textOver);
    // The colour form has its own colours, not the system's highlight.
    EXPECT_NE(p.fgStart, p.fgEnd);
    EXPECT_NE(p.bkStart, p.bkEnd);
}

// Status bar panes span the bar; header items the 18-pixel header bar; combo boxes and date-time pickers
// are 22 pixels high with the arrow inside the button; the edit-like fields fill the 20-pixel lower half of
// their 40-pixel control area.
TEST(SampleControls, TheOtherControlsFitTheirSampleLayouts) {
    const auto doc = OpenSample();
    ASSERT_TRUE(doc);
    ASSERT_EQ(doc->StatusBars().Count(), 1u);
    const SkinStatusBar& status = *doc->StatusBars().At(0);
    EXPECT_EQ(Height(status.itemImage), status.previewHeight);
    EXPECT_EQ(Height(status.lastItemImage), status.previewHeight);
    EXPECT_LE(Height(status.gripper), status.previewHeight);
    EXPECT_LE(Width(status.gripper), 70 / 2) << "well narrower than a pane";

    ASSERT_EQ(doc->Headers().Count(), 1u);
    const SkinHeader& header = *doc->Headers().At(0);
    EXPECT_GE(header.previewWidth, 80 + 80 + 100 + 80 + 2 * 7);
    EXPECT_GE(header.previewHeight, 18 + 2 * 7);
    for (size_t s = 0; s < 4; ++s) {
        EXPECT_EQ(Height(header.itemImages[s]), 18) << s;
        EXPECT_LE(Height(header.upArrows[s]), 18 - 4) << s;
    }

    for (const SkinComboBox* c : {static_cast<const SkinComboBox*>(doc->ComboBoxes().At(0)),
                                  static_cast<const SkinComboBox*>(doc->Datetimes().At(0))}) {
        ASSERT_TRUE(c);
        SCOPED_TRACE(c->Caption);
        for (const SkinImageBase& edge : c->edges) EXPECT_EQ(Height(edge), 22);
        for (size_t s = 0; s < 4; ++s) {
            EXPECT_EQ(Height(c->buttons[s]), 22);
            EXPECT_TRUE(controls::FitsInside(c->arrows[s], c->buttons[s]));
        }
    }

    for (const SkinIPAddress* f : {static_cast<const SkinIPAddress*>(doc->IPAddresses().At(0)),
                                   static_cast<const SkinIPAddress*>(doc->HotKeys().At(0)),
                                   static_cast<const SkinIPAddress*>(doc->Edits().At(0))}) {
        ASSERT_TRUE(f);
        SCOPED_TRACE(f->Caption);
        EXPECT_GE(f->previewHeight, 5 + 40 + 5);
        std::set<std::vector<uint32_t>> edges;
        for (const SkinImageBase& edge : f->edges) {
            EXPECT_EQ(Height(edge), 40 / 2);
            edges.insert(RectPixels(edge));
        }
        EXPECT_EQ(edges.size(), 3u) << "normal, highlighted and disabled look different";
    }

    ASSERT_EQ(doc->ListBoxes().Count(), 1u);
    const SkinListBox& list = *doc->ListBoxes().At(0);
    EXPECT_LE(Height(list.selectedBackground), list.itemHeight);
    EXPECT_NE(list.textNormal.textColor, list.textSelected.textColor);
}

// Drawn through the previews, every control shows on its ground, and each state of a kind with a "State"
// selector looks different. The list box's preview is its frame only, so it is left out.
TEST(SampleControls, EveryPreviewShowsTheControlInEveryState) {
    const auto doc = OpenSample();
    ASSERT_TRUE(doc);
    std::vector<const SkinResStruct*> records;
    for (const CResourceBase* collection :
         std::initializer_list<const CResourceBase*>{&doc->ToolBars(), &doc->StatusBars(), &doc->ProgressBars(),
                                                     &doc->ScrollBars(), &doc->Headers(), &doc->ComboBoxes(),
                                                     &doc->IPAddresses(), &doc->HotKeys(), &doc->Edits(),
                                                     &doc->Datetimes()})
        for (const auto& item : collection->Items()) records.push_back(item.get());
    ASSERT_EQ(records.size(), 10u);
    for (const SkinResStruct* record : records) {
        SCOPED_TRACE(record->Caption);
        const vd::preview::PreviewKind* kind = vd::preview::FindPreviewKind(record->ID);
        ASSERT_NE(kind, nullptr) << "no preview";
        const QImage preview = vd::preview::RenderPreview(*doc, *record, {});
        ASSERT_FALSE(preview.isNull());
        const int area = preview.width() * preview.height();
        EXPECT_GT(controls::PixelsOffTheGround(preview), area / 4);
        for (const vd::preview::SelectorInfo& selector : kind->selectors) {
            if (std::string(selector.caption) != "State") continue;
            std::set<std::vector<QRgb>> looks;
            for (const vd::preview::SelectorOption& option : selector.options) {
                const QImage state = vd::preview::RenderPreview(*doc, *record, {{"State", option.value}})
                                         .convertToFormat(QImage::Format_RGB32);
                std::vector<QRgb> pixels;
                for (int y = 0; y < state.height(); ++y)
                    for (int x = 0; x < state.width(); ++x) pixels.push_back(state.pixel(x, y));
                looks.insert(std::move(pixels));
            }
            EXPECT_EQ(looks.size(), selector.options.size());
        }
    }
}

// ---------------------------------------------------------------------------------------------------------
// The switches and containers, and the sample as a whole

namespace switches {

// The records of the kinds added last, by collection.
std::vector<const CResourceBase*> Collections(const CSkinDocument& doc) {
    return {&doc.CheckBoxes(), &doc.RadioBoxes(), &doc.TrackBars(),   &doc.Spins(),
            &doc.TabCtrls(),   &doc.Clients(),    &doc.ControlBars(), &doc.ReBars(),
            &doc.GroupBoxes(), &doc.Statics(),    &doc.Dialogs(),     &doc.FreeFrames()};
}

std::vector<QRgb> Pixels(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    std::vector<QRgb> out;
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x) out.push_back(rgb.pixel(x, y));
    return out;
}

// How many of the sets' rectangles look different from each other.
template <size_t N>
size_t DistinctLooks(const std::array<SkinImageBase, N>& images) {
    std::set<std::vector<uint32_t>> looks;
    for (const SkinImageBase& image : images) looks.insert(RectPixels(image));
    return looks.size();
}

// Mirrored left to right (`across`) or top to bottom.
bool Mirrors(const SkinImageBase& a, const SkinImageBase& b, bool across) {
    if (Width(a) != Width(b) || Height(a) != Height(b) || !a.image || !b.image) return false;
    for (int y = 0; y < Height(a); ++y)
        for (int x = 0; x < Width(a); ++x) {
            uint8_t pa[4] = {}, pb[4] = {};
            a.image->PixelBGRA(a.left + x, a.top + y, pa);
            const int mx = across ? Width(a) - 1 - x : x, my = across ? y : Height(a) - 1 - y;
            b.image->PixelBGRA(b.left + mx, b.top + my, pb);
            if (std::tie(pa[0], pa[1], pa[2]) != std::tie(pb[0], pb[1], pb[2])) return false;
        }
    return true;
}

}  // namespace switches

// Every kind of object a skin can hold (all collections but the pictures and font files, which are data the
// objects use) has an object in the sample: 28 kinds, each with a preview but the application and the
// caption buttons (which show on their frame's preview).
TEST(SampleSkin, HoldsAnObjectOfEveryKind) {
    const auto doc = OpenSample();
    ASSERT_TRUE(doc);
    const std::set<int> kinds = {2000,  3000,  3500,  4000,  5000,  6000,  7000,  8000,  9000,  10000,
                                 11000, 12000, 13000, 14000, 15000, 16000, 17000, 18000, 19000, 20000,
                                 21000, 22000, 23000, 24000, 25000, 26000, 27000, 29000};
    ASSERT_EQ(kinds.size(), 28u);
    std::set<int> seen;
    for (const auto& collection : doc->Collections()) {
        const int base = collection->BaseId();
        if (collection.get() == &doc->Pictures() || collection.get() == &doc->FontFiles()) continue;
        SCOPED_TRACE(collection->SectionName());
        EXPECT_GE(collection->Count(), 1u);
        if (collection->Count() > 0) seen.insert(base);
        if (base != 17000 && base != 3500) EXPECT_NE(vd::preview::FindPreviewKind(base + 1), nullptr);
    }
    EXPECT_EQ(seen, kinds);
}

TEST(SampleSwitches, EachKindHasOneObjectUnderItsName) {
    const auto doc = OpenSample();
    ASSERT_TRUE(doc);
    controls::ExpectOneNamed(doc->CheckBoxes(), "AmberCheckBox");
    controls::ExpectOneNamed(doc->RadioBoxes(), "AmberRadio");
    controls::ExpectOneNamed(doc->TrackBars(), "AmberTrackbar");
    controls::ExpectOneNamed(doc->Spins(), "AmberSpin");
    controls::ExpectOneNamed(doc->TabCtrls(), "AmberTabs");
    controls::ExpectOneNamed(doc->Clients(), "AmberClient");
    controls::ExpectOneNamed(doc->ControlBars(), "AmberControlBar");
    controls::ExpectOneNamed(doc->ReBars(), "AmberReBar");
    controls::ExpectOneNamed(doc->GroupBoxes(), "AmberGroup");
    controls::ExpectOneNamed(doc->Statics(), "AmberStatic");
    controls::ExpectOneNamed(doc->Dialogs(), "AmberDialog");
    controls::ExpectOneNamed(doc->FreeFrames(), "AmberShape");
}

TEST(SampleSwitches, EveryImageNamesAPictureOfTheSample) {
    const auto doc = OpenSample();
    ASSERT_TRUE(doc);
    const std::set<std::string> none;
    EXPECT_EQ(controls::UnnamedImages(doc->CheckBoxes()), none);
    EXPECT_EQ(controls::UnnamedImages(doc->RadioBoxes()), none);
    EXPECT_EQ(controls::UnnamedImages(doc->TrackBars()), none);
    EXPECT_EQ(controls::UnnamedImages(doc->Spins()), none);
    EXPECT_EQ(controls::UnnamedImages(doc->TabCtrls()), none);
    EXPECT_EQ(controls::UnnamedImages(doc->Clients()), none);
    EXPECT_EQ(controls::UnnamedImages(doc->ControlBars()), none);
    EXPECT_EQ(controls::UnnamedImages(doc->ReBars()), none);
    EXPECT_EQ(controls::UnnamedImages(doc->GroupBoxes()), none);
    EXPECT_EQ(controls::UnnamedImages(doc->Statics()), none);
    EXPECT_EQ(controls::UnnamedImages(doc->Dialogs()), none);
    EXPECT_EQ(controls::UnnamedImages(doc->FreeFrames()), none);
    ImageCheck check(*doc);
    VisitSwitchImages(*doc, check);
    // Check box: three marks of four states; radio box: two. Trackbar: four channels and six thumbs of five
    // states. Spin: eight sets of four. Tabs: per orientation five items and two strips. Then the client's,
    // control bar's, rebar's (with its gripper), group box's (two pairs), static's (a pair), dialog's and the
    // free-form window's two.
    EXPECT_EQ(check.named, 3 * 4 + 2 * 4 + (4 + 6 * 5) + 8 * 4 + 4 * (5 + 2) + 1 + 1 + 2 + 4 + 2 + 1 + 2);
}

// Each state of a mark, thumb, spin button and tab has its own look, and the parts drawn once and turned
// for another direction are exactly the turned pixels, so all directions look alike.
TEST(SampleSwitches, StatesLookDifferentAndTurnedPartsMatch) {
    const auto doc = OpenSample();
    ASSERT_TRUE(doc);
    const SkinCheckBox& check = *doc->CheckBoxes().At(0);
    for (const auto* set : {&check.unchecked, &check.checked, &check.halfChecked}) EXPECT_EQ(switches::DistinctLooks(set->images), 4u);
    for (size_t s = 0; s < 4; ++s) {
        EXPECT_NE(RectPixels(check.unchecked.images[s]), RectPixels(check.checked.images[s])) << s;
        EXPECT_NE(RectPixels(check.checked.images[s]), RectPixels(check.halfChecked.images[s])) << s;
        EXPECT_NE(check.unchecked.styles[s], SkinTextStyle{}) << s;
    }
    EXPECT_EQ(check.showText, 1);
    const SkinRadioBox& radio = *doc->RadioBoxes().At(0);
    EXPECT_EQ(switches::DistinctLooks(radio.checked.images), 4u);
    for (size_t s = 0; s < 4; ++s) {
        EXPECT_NE(RectPixels(radio.unchecked.images[s]), RectPixels(radio.checked.images[s])) << s;
        // Round: the corners of the box are cut out.
        ASSERT_TRUE(radio.checked.images[s].image);
        EXPECT_TRUE(IsKey(*radio.checked.images[s].image, radio.checked.images[s].left, radio.checked.images[s].top));
    }

    const SkinTrackbar& track = *doc->TrackBars().At(0);
    for (const auto* set : {&track.thumbHorz, &track.thumbVert, &track.thumbUp, &track.thumbDown, &track.thumbLeft,
                            &track.thumbRight})
        EXPECT_EQ(switches::DistinctLooks(set->images), 5u);
    EXPECT_TRUE(controls::Transposes(track.horzChannel[0], track.vertChannel[0]));
    EXPECT_TRUE(controls::Transposes(track.horzChannel[1], track.vertChannel[1]));
    EXPECT_NE(RectPixels(track.horzChannel[0]), RectPixels(track.horzChannel[1]));
    for (size_t s = 0; s < 5; ++s) {
        SCOPED_TRACE(s);
        EXPECT_TRUE(controls::Transposes(track.thumbHorz.images[s], track.thumbVert.images[s]));
        EXPECT_TRUE(controls::Transposes(track.thumbUp.images[s], track.thumbLeft.images[s]));
        EXPECT_TRUE(controls::Transposes(track.thumbDown.images[s], track.thumbRight.images[s]));
        // The pointed thumb's tip is one pixel wide: the top row's ends are cut out, its middle is not.
        const SkinImageBase& up = track.thumbUp.images[s];
        ASSERT_TRUE(up.image);
        EXPECT_TRUE(IsKey(*up.image, up.left, up.top));
        EXPECT_FALSE(IsKey(*up.image, (up.left + up.right) / 2, up.top));
        EXPECT_FALSE(IsKey(*up.image, (up.left + up.right) / 2, up.bottom - 1));
    }
    // The channel is thinner than the thumbs that ride on it.
    EXPECT_LT(Height(track.horzChannel[0]), Height(track.thumbHorz.images[0]));
    EXPECT_LT(Width(track.vertChannel[0]), Width(track.thumbVert.images[0]));

    const SkinSpin& spin = *doc->Spins().At(0);
    const std::pair<const SkinStateImageSet<4>*, const SkinStateImageSet<4>*> buttons[] = {
        {&spin.leftBtn, &spin.leftArrow}, {&spin.rightBtn, &spin.rightArrow},
        {&spin.upBtn, &spin.upArrow},     {&spin.downBtn, &spin.downArrow}};
    for (const auto& [face, arrow] : buttons) {
        EXPECT_EQ(switches::DistinctLooks(face->images), 4u);
        for (size_t s = 0; s < 4; ++s) {
            EXPECT_TRUE(controls::FitsInside(arrow->images[s], face->images[s])) << s;
            EXPECT_TRUE(HasVisiblePixel(arrow->images[s])) << s;
        }
    }

    const SkinTabCtrl& tabs = *doc->TabCtrls().At(0);
    for (size_t side = 0; side < 4; ++side) {
        SCOPED_TRACE(side);
        EXPECT_EQ(switches::DistinctLooks(tabs.sides[side].items.images), 5u);
        EXPECT_NE(RectPixels(tabs.sides[side].backgroundNormal), RectPixels(tabs.sides[side].backgroundDisabled));
    }
    for (size_t s = 0; s < 5; ++s) {
        EXPECT_TRUE(switches::Mirrors(tabs.sides[0].items.images[s], tabs.sides[1].items.images[s], false)) << s;
        EXPECT_TRUE(switches::Mirrors(tabs.sides[2].items.images[s], tabs.sides[3].items.images[s], true)) << s;
    }
}

// The tab strips are as deep as their tabs plus the line and the page edge; the selected tab stands out by
// its offsets; the group frame's caption band holds the caption; the static sits on the frame as the tree
// creates statics under a frame, with a placement of its own.
TEST(SampleSwitches, PartsFitTheirPreviews) {
    const auto doc = OpenSample();
    ASSERT_TRUE(doc);
    const SkinTabCtrl& tabs = *doc->TabCtrls().At(0);
    for (size_t side = 0; side < 4; ++side) {
        SCOPED_TRACE(side);
        const SkinTabSide& s = tabs.sides[side];
        const bool horizontal = side < 2;
        const int depth = horizontal ? Height(s.items.images[0]) : Width(s.items.images[0]);
        EXPECT_EQ(horizontal ? Height(s.backgroundNormal) : Width(s.backgroundNormal), depth + 2);
        EXPECT_GT(s.hOffsets[1], 0) << "the selected tab is wider than the others";
        for (size_t state : {0u, 2u, 3u}) EXPECT_GE(s.vOffsets[state], s.vOffsets[1]);
        // Captions fit across a tab: at least as long as a 12-pixel "Highlighted".
        EXPECT_GE(horizontal ? Width(s.items.images[3]) : Width(s.items.images[3]), 70);
    }

    const SkinGroupBox& group = *doc->GroupBoxes().At(0);
    for (size_t i = 0; i < 2; ++i) {
        EXPECT_GE(group.group[i].topHeight, -group.font.height) << "the caption fits the band";
        EXPECT_EQ(Height(group.box[i]), group.group[i].topHeight) << "the caption's pill fills the band";
    }

    ASSERT_EQ(doc->Frames().Count(), 1u);
    const SkinStatic& label = *doc->Statics().At(0);
    EXPECT_EQ(label.ownerFrameId, doc->Frames().At(0)->ID);
    EXPECT_EQ(label.transparent, 0) << "its label background shows";
    EXPECT_EQ(label.placement.horz.ignore, 0);
    EXPECT_EQ(label.placement.vert.ignore, 0);
    EXPECT_GT(label.placement.horz.sizeValue, 0);
    EXPECT_GT(label.placement.vert.sizeValue, 0);

    const SkinFreeFrame& shape = *doc->FreeFrames().At(0);
    EXPECT_EQ(Width(shape.activeBk), shape.previewWidth) << "drawn unscaled";
    EXPECT_EQ(Height(shape.activeBk), shape.previewHeight);
    ASSERT_TRUE(shape.activeBk.image);
    EXPECT_TRUE(IsKey(*shape.activeBk.image, shape.activeBk.left, shape.activeBk.top)) << "a rounded corner";
}

// Drawn through the previews, each of these objects looks different from a new object of its kind (which
// has no pictures) in the same skin, and every value of its preview selector gives its own picture.
TEST(SampleSwitches, EveryPreviewShowsItsPicturesInEverySelection) {
    const auto doc = OpenSample();
    ASSERT_TRUE(doc);
    std::vector<const SkinResStruct*> records;
    for (const CResourceBase* collection : switches::Collections(*doc))
        for (const auto& item : collection->Items()) records.push_back(item.get());
    ASSERT_EQ(records.size(), 12u);
    for (const SkinResStruct* record : records) {
        SCOPED_TRACE(record->Caption);
        const vd::preview::PreviewKind* kind = vd::preview::FindPreviewKind(record->ID);
        ASSERT_NE(kind, nullptr) << "no preview";
        const QImage preview = vd::preview::RenderPreview(*doc, *record, {});
        ASSERT_FALSE(preview.isNull());
        EXPECT_GT(controls::PixelsOffTheGround(preview), preview.width() * preview.height() / 4);

        const auto fresh = OpenSample();
        ASSERT_TRUE(fresh);
        std::string error;
        const SkinResStruct* plain = fresh->NewItemOfType(record->ID - record->ID % 1000, &error);
        ASSERT_NE(plain, nullptr) << error;
        const QImage empty = vd::preview::RenderPreview(*fresh, *plain, {}, preview.size());
        ASSERT_EQ(empty.size(), preview.size());
        EXPECT_NE(switches::Pixels(preview), switches::Pixels(empty));

        for (const vd::preview::SelectorInfo& selector : kind->selectors) {
            std::vector<int> values;
            for (const vd::preview::SelectorOption& option : selector.options) values.push_back(option.value);
            if (values.empty()) values = {selector.minimum + 10, (selector.minimum + selector.maximum) / 2, selector.maximum - 10};
            std::set<std::vector<QRgb>> looks;
            for (int value : values)
                looks.insert(switches::Pixels(vd::preview::RenderPreview(*doc, *record, {{selector.caption, value}})));
            EXPECT_EQ(looks.size(), values.size()) << selector.caption;
        }
    }
}
