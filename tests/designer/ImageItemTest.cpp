// The bitmap item: what its row shows (swatch and name, "(无)" without one, nothing without a record), and
// bound into a page: the Skin Image Editor's OK writes name and numbers as one undoable step with the
// picture resolved, Cancel writes nothing, and a caption button's preview size follows the rectangle.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDatabase>
#include <QPainter>
#include <QStyleOptionViewItem>
#include <QToolButton>
#include <QWidget>

#include "Helpers/SkinBaseImage.h"
#include "ImageTestSupport.h"
#include "Resource/ResObjects/ResButton.h"
#include "Resource/ResObjects/ResSysButton.h"
#include "ScriptedDialogs.h"
#include "designer/pages/TypedPage.h"
#include "designer/propertygrid/ImageEditor.h"
#include "designer/propertygrid/ImageItem.h"
#include "designer/propertygrid/PropertyBuilders.h"
#include "designer/propertygrid/PropertyGrid.h"
#include "designer/undo/AddObjectsCommand.h"

using namespace vd;

namespace {

const QColor kBack(255, 255, 255);
const QColor kText(0, 0, 0);

// Paints an item's value into a 200 x 20 cell on white, value area from x = 10.
QImage PaintRow(const PropertyItem& item) {
    QImage row(200, 20, QImage::Format_RGB32);
    row.fill(kBack);
    QPainter painter(&row);
    QStyleOptionViewItem option;
    option.palette.setColor(QPalette::Text, kText);
    painter.setPen(kText);
    item.paintValue(&painter, option, QRect(10, 0, 190, 20));
    return row;
}

int CountColour(const QImage& image, const QRect& area, QRgb colour) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) n += image.pixel(x, y) == colour;
    return n;
}

struct BoundItem {
    explicit BoundItem(const SkinImageBase& image) : record(image) {
        item.bind([this] { return QVariant::fromValue(record); },
                  [this](const QVariant& v) { record = v.value<SkinImageBase>(); });
    }
    SkinImageBase record;
    ImageItem item{QStringLiteral("Normal")};
};

TEST(ImageItemRow, EmptyNameShowsTheNoneTextBesideAnEmptySwatch) {
    BoundItem bound(SkinImageBase{});
    EXPECT_EQ(bound.item.displayText(), QStringLiteral("(无)"));
    EXPECT_EQ(bound.item.kind(), PropertyItem::UserKind + 1);
    const QImage row = PaintRow(bound.item);
    const QRect swatch = ImageItem::swatchRect(QRect(10, 0, 190, 20));
    EXPECT_EQ(swatch, QRect(QPoint(8, 1), QPoint(28, 18)));
    // The frame in the text colour, the inside untouched.
    EXPECT_EQ(row.pixel(8, 1), kText.rgb());
    EXPECT_EQ(row.pixel(28, 18), kText.rgb());
    EXPECT_EQ(CountColour(row, swatch.adjusted(1, 1, -2, -2), kBack.rgb()), (swatch.width() - 3) * (swatch.height() - 3));
    // Text from x + 25 on.
    const int area = 60 * 16;
    EXPECT_LT(CountColour(row, QRect(35, 2, 60, 16), kBack.rgb()), area - 5) << "the text";
    EXPECT_EQ(CountColour(row, QRect(29, 0, 6, 20), kBack.rgb()), 6 * 20) << "nothing between swatch and text";
    // Some installed font has the glyph, so the row shows the character rather than a box.
    EXPECT_FALSE(QFontDatabase::families(QFontDatabase::SimplifiedChinese).isEmpty());
}

TEST(ImageItemRow, SwatchDrawsTheReferencedPartWithMagentaLeftOut) {
    SkinImageBase image;
    image.name = "Blue.png";
    image.image = imagetest::MakePicture(20, 20, QColor(0, 0, 255), QColor(0, 0, 255));
    image.right = 20;
    image.bottom = 20;
    image.centerMode = 1;
    BoundItem bound(image);
    EXPECT_EQ(bound.item.displayText(), QStringLiteral("Blue.png"));
    const QRect inner = ImageItem::swatchRect(QRect(10, 0, 190, 20)).adjusted(1, 1, -2, -2);
    EXPECT_GT(CountColour(PaintRow(bound.item), inner, qRgb(0, 0, 255)), inner.width() * inner.height() / 2);

    bound.record.image = imagetest::MakePicture(20, 20, QColor(255, 0, 255), QColor(255, 0, 255));
    EXPECT_EQ(CountColour(PaintRow(bound.item), inner, qRgb(255, 0, 255)), 0) << "the key colour is transparent";
}

// A widget that fills itself with a sliced picture while it paints, as a row or preview does.
class SlicedWidget : public QWidget {
public:
    SlicedWidget(QWidget* parent, SkinImageBase image) : QWidget(parent), m_image(std::move(image)) {}
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        vd::DrawSkinImage(p, rect(), m_image);
    }

private:
    SkinImageBase m_image;
};

TEST(ImageItemRow, SlicedDrawingReachesAWidgetAwayFromItsParentsOrigin) {
    SkinImageBase image;
    image.name = "green.png";
    image.image = imagetest::MakePicture(20, 20, QColor(0, 200, 0));
    QWidget parent;
    parent.resize(200, 150);
    auto* child = new SlicedWidget(&parent, image);
    child->setGeometry(120, 90, 40, 30);  // drawn through the parent's grab, far from the origin
    const QImage shot = parent.grab().toImage();
    EXPECT_EQ(shot.pixelColor(125, 95), QColor(0, 200, 0));
    EXPECT_EQ(shot.pixelColor(120, 90), QColor(0, 0, 0));  // the picture's frame pixel
}

TEST(ImageItemRow, WithoutARecordTheValueAreaStaysEmpty) {
    ImageItem unbound(QStringLiteral("Normal"));
    unbound.setValue(QVariant(42));  // not a reference: ignored
    const QImage row = PaintRow(unbound);
    EXPECT_EQ(CountColour(row, row.rect(), kBack.rgb()), row.width() * row.height());
    EXPECT_FALSE(unbound.normalized(QVariant(QStringLiteral("x"))).isValid());
}

// ---- in a page, on a document

template <class Coll>
class ImagePage : public CTypedPage<Coll> {
public:
    using R = typename Coll::Record;
    ImagePage(int base, int range) : CTypedPage<Coll>(base, range) {}
    ImageItem* image = nullptr;

protected:
    void BuildProperties(PropertyGrid& grid) override {
        GroupItem* general = this->AddGeneral(grid);
        image = this->AddImageField(general, QStringLiteral("Normal"), [](R& r) -> SkinImageBase& { return r.images[0]; });
    }
};

template <class Coll>
class ImageRowTest : public ::testing::Test {
protected:
    using R = typename Coll::Record;
    ImageRowTest(int base, int range) : page(base, range), base(base) {}
    void SetUp() override {
        imagetest::AddPicture(session, "Face.png", 40, 30, QColor(10, 200, 10));
        id = AddObjectsCommand::PushNew(session, base);
        page.Attach(&session, &grid, &dialogs);
        grid.resize(420, 400);
        grid.show();
        ASSERT_TRUE(page.SelectObject(id));
        ASSERT_NE(page.image, nullptr);
        grid.setCurrentItem(page.image);
        QApplication::processEvents();
        steps = session.UndoStack().count();
    }
    R& record() { return *static_cast<R*>(session.Document().FindItem(id)); }
    ImageEditor* editor() { return qobject_cast<ImageEditor*>(grid.activeEditor()); }

    static SkinImageBase Chosen() {
        SkinImageBase c;
        c.name = "face.PNG";  // resolved ignoring case
        c.left = 3, c.top = 4, c.right = 24, c.bottom = 19;
        c.leftWidth = 2, c.topHeight = 5, c.rightWidth = 6, c.bottomHeight = 7;
        c.leftMode = 1, c.rightMode = 0, c.topMode = 1, c.bottomMode = 1, c.centerMode = 1;
        return c;
    }

    SkinSession session;
    ScriptedDialogs dialogs;
    PropertyGrid grid;
    ImagePage<Coll> page;
    int base;
    int id = 0;
    int steps = 0;
};

class ButtonImageRow : public ImageRowTest<CResButton> {
protected:
    ButtonImageRow() : ImageRowTest(2000, 1000) {}
};

class CaptionButtonImageRow : public ImageRowTest<CResSysButton> {
protected:
    CaptionButtonImageRow() : ImageRowTest(3500, 500) {}
};

TEST_F(ButtonImageRow, OkWritesNameAndThirteenNumbersAsOneStepAndResolvesThePicture) {
    const SkinImageBase before = record().images[0];
    const int previewWidth = record().previewWidth;
    dialogs.images.push_back(Chosen());
    ASSERT_NE(editor(), nullptr);
    ASSERT_TRUE(editor()->dialogButton()->isEnabled());
    editor()->dialogButton()->click();
    EXPECT_EQ(dialogs.log, QStringList{QStringLiteral("image-editor: ")});
    EXPECT_EQ(record().images[0], Chosen());
    ASSERT_NE(record().images[0].image, nullptr);
    EXPECT_EQ(record().images[0].image, session.Document().Pictures().FindByName("Face.png")->image);
    EXPECT_EQ(session.UndoStack().count(), steps + 1);
    EXPECT_EQ(record().previewWidth, previewWidth) << "only caption buttons take the rectangle's size";
    EXPECT_EQ(page.image->displayText(), QStringLiteral("face.PNG"));

    session.UndoStack().undo();
    EXPECT_EQ(record().images[0], before);
    EXPECT_EQ(record().images[0].image, nullptr);
    session.UndoStack().redo();
    EXPECT_EQ(record().images[0], Chosen());
    EXPECT_NE(record().images[0].image, nullptr);
}

TEST_F(ButtonImageRow, CancelChangesNothing) {
    const SkinImageBase before = record().images[0];
    dialogs.images.push_back(std::nullopt);
    editor()->dialogButton()->click();
    EXPECT_EQ(dialogs.log.size(), 1);
    EXPECT_EQ(record().images[0], before);
    EXPECT_EQ(session.UndoStack().count(), steps);
}

TEST_F(ButtonImageRow, AMissingPictureKeepsTheNameWithNothingResolved) {
    SkinImageBase c = Chosen();
    c.name = "Gone.bmp";
    dialogs.images.push_back(c);
    editor()->dialogButton()->click();
    EXPECT_EQ(record().images[0].name, "Gone.bmp");
    EXPECT_EQ(record().images[0].image, nullptr);
}

TEST_F(ButtonImageRow, WithoutADialogProviderTheButtonDoesNothing) {
    page.Attach(&session, &grid, nullptr);
    ASSERT_TRUE(page.SelectObject(id));
    grid.setCurrentItem(page.image);
    ASSERT_NE(editor(), nullptr);
    EXPECT_FALSE(editor()->choose());
    EXPECT_EQ(session.UndoStack().count(), steps);
}

TEST_F(CaptionButtonImageRow, PreviewSizeFollowsTheRectangleInTheSameStep) {
    const int w0 = record().previewWidth, h0 = record().previewHeight;
    dialogs.images.push_back(Chosen());
    editor()->dialogButton()->click();
    EXPECT_EQ(record().previewWidth, 21);
    EXPECT_EQ(record().previewHeight, 15);
    EXPECT_EQ(record().images[0], Chosen());
    EXPECT_EQ(session.UndoStack().count(), steps + 1);
    session.UndoStack().undo();
    EXPECT_EQ(record().previewWidth, w0);
    EXPECT_EQ(record().previewHeight, h0);
    EXPECT_EQ(record().images[0], SkinImageBase{});
}

}  // namespace
