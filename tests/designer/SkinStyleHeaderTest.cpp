// Header sections in the test program's style: the item face of each state (normal, hover, pressed,
// disabled) over the bar's background, the sort arrows of the record for each direction, the caption in
// the state's text colour, sizes from the pictures, the Fusion look without a record, hostile records.

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QHoverEvent>
#include <QTableWidget>
#include <QTest>

#include "Resource/ResObjects/ResHeader.h"
#include "Resource/ResObjects/ResListBox.h"
#include "SkinStyleFieldsSupport.h"

namespace {

using styletest::Pixel;
using styletest::StyleFixture;

constexpr QSize kSize(360, 120);
constexpr int kFaceHeight = 24;
constexpr int kSectionWidth = 90;
constexpr int kArrowInset = 5;  // the arrow's distance from the item's right end
constexpr QSize kArrow(7, 4);
const QColor kBackground(230, 230, 180);
// Record order: normal, pressed, disabled, highlighted.
const QColor kFace[4] = {QColor(250, 200, 200), QColor(200, 250, 200), QColor(210, 210, 210), QColor(200, 200, 250)};
const QColor kUp[4] = {QColor(120, 0, 0), QColor(0, 120, 0), QColor(90, 90, 90), QColor(0, 0, 120)};
const QColor kDown[4] = {QColor(120, 120, 0), QColor(0, 120, 120), QColor(60, 60, 60), QColor(120, 0, 120)};
const QColor kCaption(0, 0, 160);

SkinHeader& HeaderRecord(StyleFixture& f) {
    auto& h = previewtest::New<SkinHeader>(f.doc, 8000);
    h.background = f.Solid("hback.png", 16, kFaceHeight, kBackground);
    for (int s = 0; s < 4; ++s) {
        h.itemImages[s] = f.Solid("hitem" + std::to_string(s) + ".png", 20, kFaceHeight, kFace[s]);
        h.upArrows[s] = f.Solid("hup" + std::to_string(s) + ".png", kArrow.width(), kArrow.height(), kUp[s]);
        h.downArrows[s] = f.Solid("hdown" + std::to_string(s) + ".png", kArrow.width(), kArrow.height(), kDown[s]);
        h.itemStyles[s].textColor = Color(kCaption.red(), kCaption.green(), kCaption.blue());
    }
    return h;
}

QTableWidget* NewTable() {
    auto* table = new QTableWidget(3, 3);
    table->setHorizontalHeaderLabels({QStringLiteral("Name"), QStringLiteral("Size"), QStringLiteral("Type")});
    table->verticalHeader()->hide();
    for (int c = 0; c < 3; ++c) table->setColumnWidth(c, kSectionWidth);
    return table;
}

// A section's rectangle in the header's coordinates.
QRect Section(QHeaderView* header, int index) {
    return QRect(header->sectionViewportPosition(index), 0, header->sectionSize(index), header->height());
}

QImage GrabHeader(QHeaderView* header) { return StyleFixture::Grab(header); }

// A face pixel clear of the caption.
QPoint FacePixel(const QRect& section) { return QPoint(section.left() + 2, 1); }

TEST(SkinStyleHeaderTest, EachSectionStateShowsItsFace) {
    StyleFixture f;
    HeaderRecord(f);
    std::unique_ptr<QTableWidget> table(f.Styled(NewTable(), kSize));
    QHeaderView* header = table->horizontalHeader();
    QImage image = GrabHeader(header);
    EXPECT_EQ(Pixel(image, FacePixel(Section(header, 0))), kFace[0]);
    // Past the last section: the bar's background.
    EXPECT_EQ(Pixel(image, QPoint(3 * kSectionWidth + 10, 1)), kBackground);
    EXPECT_GT(previewtest::CountNear(image, Section(header, 0), kCaption, 40), 0);

    const QPoint onSecond = Section(header, 1).center();
    QHoverEvent hover(QEvent::HoverEnter, onSecond, header->mapToGlobal(onSecond), QPoint(-1, -1));
    QCoreApplication::sendEvent(header, &hover);
    image = GrabHeader(header);
    EXPECT_EQ(Pixel(image, FacePixel(Section(header, 1))), kFace[3]);
    EXPECT_EQ(Pixel(image, FacePixel(Section(header, 0))), kFace[0]);
    QHoverEvent leave(QEvent::HoverLeave, QPoint(-1, -1), QPoint(-1, -1), onSecond);
    QCoreApplication::sendEvent(header, &leave);

    const QPoint onThird = Section(header, 2).center();
    QTest::mousePress(header->viewport(), Qt::LeftButton, {}, onThird);
    image = GrabHeader(header);
    EXPECT_EQ(Pixel(image, FacePixel(Section(header, 2))), kFace[1]);
    QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, onThird);

    table->setEnabled(false);
    image = GrabHeader(header);
    EXPECT_EQ(Pixel(image, FacePixel(Section(header, 0))), kFace[2]);
}

TEST(SkinStyleHeaderTest, AscendingShowsTheUpArrowAndDescendingTheDownArrow) {
    StyleFixture f;
    HeaderRecord(f);
    std::unique_ptr<QTableWidget> table(f.Styled(NewTable(), kSize));
    QHeaderView* header = table->horizontalHeader();
    header->setSortIndicatorShown(true);
    const QRect section = Section(header, 0);
    const QPoint arrow(section.right() + 1 - kArrowInset - kArrow.width() + kArrow.width() / 2,
                       (section.height() - kArrow.height()) / 2 + kArrow.height() / 2);
    header->setSortIndicator(0, Qt::AscendingOrder);
    EXPECT_EQ(Pixel(GrabHeader(header), arrow), kUp[0]);
    header->setSortIndicator(0, Qt::DescendingOrder);
    EXPECT_EQ(Pixel(GrabHeader(header), arrow), kDown[0]);
    // Only the sorted section carries an arrow.
    const QRect other = Section(header, 1);
    EXPECT_EQ(previewtest::Count(GrabHeader(header), other, kDown[0]), 0);
}

TEST(SkinStyleHeaderTest, TheHeaderIsAtLeastAsTallAsItsFacePicture) {
    StyleFixture f;
    auto& h = HeaderRecord(f);
    h.itemImages[0] = f.Solid("tall.png", 20, 40, kFace[0]);
    std::unique_ptr<QTableWidget> table(f.Styled(NewTable(), kSize));
    EXPECT_GE(table->horizontalHeader()->sizeHint().height(), 40);
}

TEST(SkinStyleHeaderTest, WithoutARecordSectionsAreFusions) {
    StyleFixture f;
    previewtest::New<SkinListBox>(f.doc, 27000);  // lists are not headers
    styletest::FusionStyle fusion;
    std::unique_ptr<QTableWidget> ours(f.Styled(NewTable(), kSize));
    std::unique_ptr<QTableWidget> theirs(fusion.Styled(NewTable(), kSize));
    for (QTableWidget* t : {ours.get(), theirs.get()}) {
        t->horizontalHeader()->setSortIndicatorShown(true);
        t->horizontalHeader()->setSortIndicator(1, Qt::AscendingOrder);
    }
    EXPECT_EQ(GrabHeader(ours->horizontalHeader()), GrabHeader(theirs->horizontalHeader()));
    EXPECT_EQ(ours->horizontalHeader()->sizeHint(), theirs->horizontalHeader()->sizeHint());
}

TEST(SkinStyleHeaderTest, HostileRecordsNeitherCrashNorGrowWithoutBound) {
    StyleFixture f;
    auto& h = HeaderRecord(f);
    h.itemImages[0].bottom = 1 << 30;
    h.itemImages[3].right = -50;
    h.upArrows[0].right = 1 << 30;
    h.downArrows[0].bottom = -(1 << 30);
    h.background.topHeight = 1 << 30;
    h.itemStyles[0].leftOffset = 1 << 30;
    h.itemStyles[0].topOffset = -(1 << 30);
    h.font.height = 1 << 20;
    std::unique_ptr<QTableWidget> table(f.Styled(NewTable(), kSize));
    QHeaderView* header = table->horizontalHeader();
    header->setSortIndicatorShown(true);
    for (Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
        header->setSortIndicator(0, order);
        GrabHeader(header);
    }
    EXPECT_LT(header->sizeHint().height(), 5000);
}

}  // namespace
