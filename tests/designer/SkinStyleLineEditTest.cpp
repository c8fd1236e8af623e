// Line edits in the test program's style: the edit record's edge picture per state (normal, highlighted
// on hover or focus, disabled); the stand-ins for the IP-address and hot-key fields drawn from their own
// records; frameless and record-less fields keep the Fusion look.

#include <gtest/gtest.h>

#include <QKeySequenceEdit>
#include <QLineEdit>
#include <QPainter>

#include "Resource/ResObjects/ResIPAddress.h"
#include "SkinStyleFieldsSupport.h"
#include "testskin/LineEditStylePart.h"

namespace {

using styletest::Pixel;
using styletest::StyleFixture;

constexpr QSize kSize(150, 24);
// Edge index order: normal, highlighted, disabled.
const QColor kEdit[3] = {QColor(250, 245, 230), QColor(255, 220, 150), QColor(210, 210, 210)};
const QColor kIP[3] = {QColor(230, 250, 245), QColor(150, 255, 220), QColor(205, 215, 205)};
const QColor kHotKey[3] = {QColor(245, 230, 250), QColor(220, 150, 255), QColor(215, 205, 215)};

template <class Record>
void FieldRecord(StyleFixture& f, int base, const QColor (&colours)[3], const std::string& tag) {
    auto& r = previewtest::New<Record>(f.doc, base);
    for (int i = 0; i < 3; ++i) r.edges[i] = f.Solid(tag + std::to_string(i) + ".png", 24, 20, colours[i]);
}

const QPoint kCorner(1, 1);

TEST(SkinStyleLineEditTest, EachStateShowsItsEdgePicture) {
    StyleFixture f;
    FieldRecord<SkinEdit>(f, 29000, kEdit, "edit");
    std::unique_ptr<QLineEdit> edit(f.Styled(new QLineEdit, kSize));
    EXPECT_EQ(Pixel(StyleFixture::Grab(edit.get()), kCorner), kEdit[0]);
    EXPECT_EQ(Pixel(StyleFixture::Grab(edit.get()), QPoint(kSize.width() / 2, kSize.height() / 2)), kEdit[0]);
    StyleFixture::Hover(edit.get());
    EXPECT_EQ(Pixel(StyleFixture::Grab(edit.get()), kCorner), kEdit[1]);
    StyleFixture::Hover(edit.get(), false);
    edit->setEnabled(false);
    EXPECT_EQ(Pixel(StyleFixture::Grab(edit.get()), kCorner), kEdit[2]);
}

TEST(SkinStyleLineEditTest, FocusShowsTheHighlightedPicture) {
    StyleFixture f;
    FieldRecord<SkinEdit>(f, 29000, kEdit, "edit");
    std::unique_ptr<QLineEdit> edit(f.Styled(new QLineEdit, kSize));
    QStyleOptionFrame option;
    option.initFrom(edit.get());
    option.rect = QRect(QPoint(0, 0), kSize);
    option.lineWidth = 1;
    option.state |= QStyle::State_HasFocus;
    QImage image(kSize, QImage::Format_RGB32);
    image.fill(Qt::black);
    {
        QPainter painter(&image);
        f.style.drawPrimitive(QStyle::PE_PanelLineEdit, &option, &painter, edit.get());
    }
    EXPECT_EQ(Pixel(image, kCorner), kEdit[1]);
    // Disabled outranks focus.
    option.state &= ~QStyle::State_Enabled;
    {
        QPainter painter(&image);
        f.style.drawPrimitive(QStyle::PE_FrameLineEdit, &option, &painter, edit.get());
    }
    EXPECT_EQ(Pixel(image, kCorner), kEdit[2]);
}

TEST(SkinStyleLineEditTest, IPAddressAndHotKeyFieldsUseTheirOwnRecords) {
    StyleFixture f;
    FieldRecord<SkinEdit>(f, 29000, kEdit, "edit");
    FieldRecord<SkinIPAddress>(f, 10000, kIP, "ip");
    FieldRecord<SkinHotKey>(f, 11000, kHotKey, "hotkey");
    auto* ip = new QLineEdit;
    ip->setObjectName(QLatin1String(kIPAddressFieldName));
    ip->setInputMask(QStringLiteral("000.000.000.000;_"));
    std::unique_ptr<QLineEdit> ipField(f.Styled(ip, kSize));
    EXPECT_EQ(Pixel(StyleFixture::Grab(ip), kCorner), kIP[0]);
    ip->setEnabled(false);
    EXPECT_EQ(Pixel(StyleFixture::Grab(ip), kCorner), kIP[2]);

    std::unique_ptr<QKeySequenceEdit> keys(f.Styled(new QKeySequenceEdit, kSize));
    auto* inner = keys->findChild<QLineEdit*>();
    ASSERT_NE(inner, nullptr);
    const QPoint corner = inner->mapTo(keys.get(), kCorner);
    EXPECT_EQ(Pixel(StyleFixture::Grab(keys.get()), corner), kHotKey[0]);
}

TEST(SkinStyleLineEditTest, WithoutTheirRecordsFieldsAreFusions) {
    StyleFixture f;
    FieldRecord<SkinHotKey>(f, 11000, kHotKey, "hotkey");  // neither an edit nor an IP-address record
    styletest::FusionStyle fusion;
    auto plain = [] { return new QLineEdit(QStringLiteral("text")); };
    auto ip = [] {
        auto* e = new QLineEdit;
        e->setObjectName(QLatin1String(kIPAddressFieldName));
        return e;
    };
    for (auto make : {+plain, +ip}) {
        std::unique_ptr<QLineEdit> ours(f.Styled(make(), kSize));
        std::unique_ptr<QLineEdit> theirs(fusion.Styled(make(), kSize));
        EXPECT_EQ(StyleFixture::Grab(ours.get()), StyleFixture::Grab(theirs.get()));
    }
}

TEST(SkinStyleLineEditTest, AFramelessFieldIsNotDrawnFromTheRecord) {
    StyleFixture f;
    FieldRecord<SkinEdit>(f, 29000, kEdit, "edit");
    styletest::FusionStyle fusion;
    auto frameless = [] {
        auto* e = new QLineEdit(QStringLiteral("text"));
        e->setFrame(false);
        return e;
    };
    std::unique_ptr<QLineEdit> ours(f.Styled(frameless(), kSize));
    std::unique_ptr<QLineEdit> theirs(fusion.Styled(frameless(), kSize));
    EXPECT_EQ(StyleFixture::Grab(ours.get()), StyleFixture::Grab(theirs.get()));
}

TEST(SkinStyleLineEditTest, EmptyPicturesAndHugeMarginsDoNotCrash) {
    StyleFixture f;
    auto& r = previewtest::New<SkinEdit>(f.doc, 29000);
    r.edges[0] = f.Solid("e.png", 2, 2, kEdit[0]);
    r.edges[0].leftWidth = r.edges[0].topHeight = 1 << 30;
    r.edges[0].rightWidth = -7;
    r.edges[1].name = "gone.png";
    r.edges[2] = f.Solid("d.png", 3, 3, kEdit[2]);
    r.edges[2].right = -3;
    for (QSize size : {QSize(0, 0), QSize(1, 1), kSize}) {
        std::unique_ptr<QLineEdit> edit(f.Styled(new QLineEdit(QStringLiteral("x")), size));
        StyleFixture::Grab(edit.get());
        StyleFixture::Hover(edit.get());
        StyleFixture::Grab(edit.get());
        edit->setEnabled(false);
        StyleFixture::Grab(edit.get());
    }
    // No picture at all: the white field with its pushed edge.
    r.edges[0] = SkinImageBase{};
    std::unique_ptr<QLineEdit> edit(f.Styled(new QLineEdit, kSize));
    EXPECT_EQ(Pixel(StyleFixture::Grab(edit.get()), QPoint(kSize.width() / 2, kSize.height() / 2)), QColor(255, 255, 255));
}

}  // namespace
