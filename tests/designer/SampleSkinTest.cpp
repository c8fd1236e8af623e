// The built-in "Amberline" sample skin: it is embedded as a Qt resource, opens like a package the user saved,
// and every picture reference in it resolves to a picture that decodes, inside the picture's bounds.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QString>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "Helpers/EnBitmap.h"
#include "Resource/ResObjects/ResApp.h"
#include "Resource/ResObjects/ResButton.h"
#include "Resource/ResObjects/ResFrame.h"
#include "Resource/ResObjects/ResPicture.h"
#include "Resource/ResObjects/ResSysButton.h"
#include "Resource/SkinDocument.h"
#include "Resource/TextUtil.h"
#include "SampleResource.h"

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

TEST(SampleSkin, HasOneFrameWithTwoOwnedCaptionButtonsAndTwoButtons) {
    const auto doc = OpenSample();
    ASSERT_TRUE(doc);
    ASSERT_EQ(doc->Frames().Count(), 1u);
    const SkinFrame& frame = *doc->Frames().At(0);
    EXPECT_EQ(frame.Caption, "Amberline");
    EXPECT_FALSE(frame.activeTop.name.empty());
    EXPECT_FALSE(frame.menuBarBk.name.empty());
    EXPECT_FALSE(frame.menu.background.name.empty());

    ASSERT_EQ(doc->SysButtons().Count(), 2u);
    std::set<int> types;
    const Rect preview{0, 0, 500, 350};
    const int captionHeight = frame.activeTop.bottom - frame.activeTop.top;
    Rect placed[2];
    for (size_t i = 0; i < 2; ++i) {
        const SkinSysButton& b = *doc->SysButtons().At(i);
        SCOPED_TRACE(b.Caption);
        EXPECT_EQ(b.ownerFrameId, frame.ID);
        types.insert(b.type);
        // Placed the way owned caption buttons are: anchored right with a fixed size, inside the caption.
        EXPECT_EQ(b.placement.horz.alignType, 2);
        EXPECT_EQ(b.placement.horz.spaceType, 3);
        EXPECT_EQ(b.placement.horz.sizeValue, 21);
        EXPECT_EQ(b.placement.horz.ignore, 0);
        EXPECT_EQ(b.placement.vert.ignore, 0);
        int left = 0, top = 0, width = 0, height = 0;
        Place(b.placement, b.images[0].Source(), preview, left, top, width, height);
        placed[i] = {left, top, left + width, top + height};
        EXPECT_EQ(width, 21);
        EXPECT_GE(top, 0);
        EXPECT_LE(top + height, captionHeight);
        EXPECT_GT(left, preview.right / 2);
        EXPECT_LE(left + width, preview.right);
    }
    EXPECT_EQ(types, (std::set<int>{0, 3}));  // Close and Minimize
    EXPECT_TRUE(placed[0].right <= placed[1].left || placed[1].right <= placed[0].left) << "buttons overlap";

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
    }
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
    EXPECT_GE(frameImages, 40);             // borders, captions, menu bar, MDI buttons, popup menu
    EXPECT_EQ(captionButtonImages, 2 * 14);  // seven faces and seven glyphs each
    EXPECT_EQ(buttonImages, 2 * 5);
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
