// Popup menus drawn from the popup-menu part of the frame the test window wears: a frame whose menu
// pictures are solid colours, a real QMenu in every state an item can show, and each pixel telling which
// picture or text style drew it. Without a frame the menu keeps the platform look; hostile numbers in the
// record give a usable menu.

#include <gtest/gtest.h>

#include <QActionGroup>
#include <QFontMetrics>
#include <QMenu>
#include <QStyleFactory>

#include <algorithm>
#include <climits>
#include <memory>

#include "Resource/ResObjects/ResFrame.h"
#include "SkinStyleTestSupport.h"
#include "platform/LogFontQt.h"
#include "testskin/PopupMenuMetrics.h"

namespace {

using previewtest::Count;

const QColor kBackground(240, 230, 200), kItem(40, 90, 200), kVBar(120, 60, 20), kSeparator(0, 140, 70);
const QColor kCheck(200, 0, 0), kCheckBk(250, 170, 0), kRadio(90, 0, 160), kRadioBk(0, 200, 210);
const QColor kArrow(60, 60, 60), kArrowHot(255, 255, 0);
// Text colours of the Normal, Highlighted, Disabled and Default styles.
const QColor kText[4] = {QColor(10, 10, 120), QColor(255, 255, 255), QColor(150, 150, 150), QColor(180, 0, 90)};

// The menu's numbers: margins, item height, the vertical bar, the separator, marks, the arrow, text insets.
constexpr int kLeft = 3, kTop = 4, kRight = 5, kBottom = 6, kItemHeight = 22;
constexpr int kVBarWidth = 10, kSeparatorHeight = 4, kCheckSide = 8, kCheckBkSide = 12, kArrowW = 6, kArrowH = 8;
constexpr int kTextLeft = 30, kTextRight = 12;

Color C(QColor c) { return Color(c.red(), c.green(), c.blue()); }

class SkinStyleMenuTest : public ::testing::Test {
protected:
    SkinStyleMenuTest() {
        SkinFrame& frame = previewtest::New<SkinFrame>(f.doc, 3000);
        m_frame = &frame;
        SkinPopupMenu& m = frame.menu;
        m.background = f.Solid("bk.png", 40, 40, kBackground);
        m.item = f.Solid("item.png", 30, kItemHeight, kItem);
        m.vbar = f.Solid("vbar.png", kVBarWidth, 30, kVBar);
        m.separator = f.Solid("sep.png", 30, kSeparatorHeight, kSeparator);
        m.check = f.Solid("check.png", kCheckSide, kCheckSide, kCheck);
        m.checkBk = f.Solid("checkbk.png", kCheckBkSide, kCheckBkSide, kCheckBk);
        m.radio = f.Solid("radio.png", kCheckSide, kCheckSide, kRadio);
        m.radioBk = f.Solid("radiobk.png", kCheckBkSide, kCheckBkSide, kRadioBk);
        m.arrow = f.Solid("arrow.png", kArrowW, kArrowH, kArrow);
        m.arrowHighlighted = f.Solid("arrowhot.png", kArrowW, kArrowH, kArrowHot);
        m.itemLeftWidth = kLeft;
        m.itemTopHeight = kTop;
        m.itemRightWidth = kRight;
        m.itemBottomHeight = kBottom;
        m.itemHeight = kItemHeight;
        m.font.height = -16;
        m.font.weight = 700;
        for (int i = 0; i < 4; ++i) {
            m.text[i].horzAlign = 0;
            m.text[i].textColor = C(kText[i]);
            m.text[i].leftOffset = kTextLeft;
            m.text[i].rightOffset = kTextRight;
        }
        f.style.SetSource(&f.doc, m_frame);
    }

    // The sample menu: a command with a shortcut, a disabled one, a separator, a checked command, two radio
    // choices, a sub-menu and a default command.
    QMenu* BuildMenu() {
        m_menu = std::make_unique<QMenu>();
        QMenu* menu = m_menu.get();
        newAction = menu->addAction(QStringLiteral("&New\tCtrl+N"));
        disabled = menu->addAction(QStringLiteral("Disabled"));
        disabled->setEnabled(false);
        menu->addSeparator();
        checked = menu->addAction(QStringLiteral("Checked"));
        checked->setCheckable(true);
        checked->setChecked(true);
        auto* group = new QActionGroup(menu);
        radioOn = menu->addAction(QStringLiteral("Chosen"));
        radioOff = menu->addAction(QStringLiteral("Not chosen"));
        for (QAction* a : {radioOn, radioOff}) {
            a->setCheckable(true);
            group->addAction(a);
        }
        radioOn->setChecked(true);
        subMenu = menu->addMenu(QStringLiteral("More"));
        subMenu->addAction(QStringLiteral("Inside"));
        byDefault = menu->addAction(QStringLiteral("A rather long default command"));
        menu->setDefaultAction(byDefault);
        return menu;
    }

    QMenu* ShowMenu(QMenu* menu) {
        f.style.ApplyTo(menu);
        menu->ensurePolished();
        return f.Styled(menu, menu->sizeHint());
    }

    // Where an item lies, computed from the record: rows from the top margin, one item height each,
    // the separator its picture's height; items span the menu less the side margins.
    QRect Row(int index) const {
        // Rows before the separator (index 2) are items; after it each is shifted by the separator's height.
        int y = kTop;
        for (int i = 0; i < index; ++i) y += i == 2 ? kSeparatorHeight : kItemHeight;
        const int h = index == 2 ? kSeparatorHeight : kItemHeight;
        return QRect(kLeft, y, m_menu->width() - kLeft - kRight, h);
    }

    // The mark column: as wide as the widest of the bar and the mark pictures.
    QRect Column(const QRect& row) const { return QRect(row.x(), row.y(), kCheckBkSide, row.height()); }

    styletest::StyleFixture f;
    SkinFrame* m_frame = nullptr;
    std::unique_ptr<QMenu> m_menu;
    QAction *newAction = nullptr, *disabled = nullptr, *checked = nullptr, *radioOn = nullptr, *radioOff = nullptr;
    QAction* byDefault = nullptr;
    QMenu* subMenu = nullptr;
};

TEST_F(SkinStyleMenuTest, ItemsLieWhereTheRecordPutsThem) {
    QMenu* menu = ShowMenu(BuildMenu());
    const QList<QAction*> rows = menu->actions();
    ASSERT_EQ(rows.size(), 8);
    for (int i = 0; i < rows.size(); ++i) EXPECT_EQ(menu->actionGeometry(rows[i]), Row(i)) << i;
    // The menu ends at the last item plus the bottom margin.
    EXPECT_EQ(menu->height(), Row(7).bottom() + 1 + kBottom);
    // The longest text fits between its insets, in the skin's font.
    const QFontMetrics metrics(vd::ToQFont(m_frame->menu.font));
    EXPECT_GE(Row(7).width(), metrics.horizontalAdvance(QStringLiteral("A rather long default command")) +
                                  kTextLeft + kTextRight);
    EXPECT_EQ(menu->font(), vd::ToQFont(m_frame->menu.font));
}

TEST_F(SkinStyleMenuTest, BackgroundBarSeparatorAndHighlight) {
    QMenu* menu = ShowMenu(BuildMenu());
    QImage image = f.Grab(menu);
    // The background in the margins and behind items, the bar at the items' left.
    EXPECT_EQ(image.pixelColor(1, 1), kBackground);
    EXPECT_EQ(image.pixelColor(menu->width() - 2, menu->height() - 2), kBackground);
    const QRect first = Row(0);
    EXPECT_EQ(image.pixelColor(first.right() - 2, first.center().y()), kBackground);
    EXPECT_EQ(Count(image, QRect(kLeft, first.y(), kVBarWidth, 3), kVBar), kVBarWidth * 3);
    EXPECT_EQ(image.pixelColor(kLeft + kVBarWidth, first.y() + 1), kBackground);
    // The bar runs from the top margin to the bottom margin.
    EXPECT_EQ(image.pixelColor(kLeft, kTop), kVBar);
    EXPECT_EQ(image.pixelColor(kLeft, kTop - 1), kBackground);
    EXPECT_EQ(image.pixelColor(kLeft, menu->height() - kBottom - 1), kVBar);
    EXPECT_EQ(image.pixelColor(kLeft, menu->height() - kBottom), kBackground);

    // The separator starts at the normal style's left offset and spans to the item's right end.
    const QRect sep = Row(2);
    const QRect sepPicture(sep.x() + kTextLeft, sep.y(), sep.width() - kTextLeft, kSeparatorHeight);
    EXPECT_EQ(Count(image, sepPicture, kSeparator), sepPicture.width() * sepPicture.height());
    EXPECT_EQ(image.pixelColor(sep.x() + kTextLeft - 1, sep.y()), kBackground);

    // The active item carries the item picture; the others do not.
    EXPECT_EQ(Count(image, first, kItem), 0);
    menu->setActiveAction(newAction);
    image = f.Grab(menu);
    EXPECT_EQ(image.pixelColor(first.right() - 1, first.y() + 1), kItem);
    EXPECT_EQ(image.pixelColor(first.x(), first.bottom()), kItem);  // over the bar too
    EXPECT_EQ(image.pixelColor(first.right() - 1, Row(1).center().y()), kBackground);
    // Its text takes the highlighted style, the shortcut included (flush right, clear of the right inset).
    const QRect shortcut(first.center().x(), first.y(), first.width() / 2 - kTextRight, first.height());
    EXPECT_GT(Count(image, shortcut, kText[1]), 0);
    EXPECT_EQ(Count(image, first, kText[0]), 0);
}

TEST_F(SkinStyleMenuTest, TextStylesFollowTheItemState) {
    QMenu* menu = ShowMenu(BuildMenu());
    const QImage image = f.Grab(menu);
    struct Case {
        int row;
        int style;
    } cases[] = {{0, 0}, {1, 2}, {7, 3}};
    for (const Case& c : cases) {
        const QRect row = Row(c.row);
        for (int s = 0; s < 4; ++s) {
            if (s == c.style) EXPECT_GT(Count(image, row, kText[s]), 0) << "row " << c.row << " style " << s;
            else EXPECT_EQ(Count(image, row, kText[s]), 0) << "row " << c.row << " style " << s;
        }
    }
    // The shortcut of "New" sits right; "Disabled" has none there.
    auto rightHalf = [](const QRect& row) { return QRect(row.center().x(), row.y(), row.width() / 2, row.height()); };
    EXPECT_GT(Count(image, rightHalf(Row(0)), kText[0]), 0);
    EXPECT_EQ(Count(image, rightHalf(Row(1)), kText[2]), 0);
    // The text begins at the style's left offset: nothing of it left of there.
    EXPECT_EQ(Count(image, QRect(kLeft, Row(0).y(), kTextLeft, kItemHeight), kText[0]), 0);
}

TEST_F(SkinStyleMenuTest, CheckAndRadioMarksOnTheirBackgrounds) {
    QMenu* menu = ShowMenu(BuildMenu());
    const QImage image = f.Grab(menu);
    auto centred = [](const QRect& area, int side) {
        return QRect(area.x() + (area.width() - side) / 2, area.y() + (area.height() - side) / 2, side, side);
    };
    const QRect checkColumn = Column(Row(3));
    const QRect checkBk = centred(checkColumn, kCheckBkSide), check = centred(checkColumn, kCheckSide);
    EXPECT_EQ(Count(image, check, kCheck), kCheckSide * kCheckSide);
    EXPECT_EQ(Count(image, checkBk, kCheckBk), kCheckBkSide * kCheckBkSide - kCheckSide * kCheckSide);
    // Above the mark's background the bar shows.
    EXPECT_EQ(image.pixelColor(kLeft, checkBk.y() - 1), kVBar);

    const QRect radioColumn = Column(Row(4));
    EXPECT_EQ(Count(image, centred(radioColumn, kCheckSide), kRadio), kCheckSide * kCheckSide);
    EXPECT_EQ(Count(image, centred(radioColumn, kCheckBkSide), kRadioBk),
              kCheckBkSide * kCheckBkSide - kCheckSide * kCheckSide);
    // The choice not taken shows no mark at all.
    const QRect offColumn = Column(Row(5));
    for (QColor c : {kRadio, kRadioBk, kCheck, kCheckBk}) EXPECT_EQ(Count(image, offColumn, c), 0);

    // Unchecking takes the marks away.
    checked->setChecked(false);
    const QImage unchecked = f.Grab(menu);
    EXPECT_EQ(Count(unchecked, checkColumn, kCheck), 0);
    EXPECT_EQ(Count(unchecked, checkColumn, kCheckBk), 0);
}

TEST_F(SkinStyleMenuTest, SubMenuArrowNormalAndHighlighted) {
    QMenu* menu = ShowMenu(BuildMenu());
    const QRect row = Row(6);
    const QRect arrow(row.x() + row.width() - kArrowW, row.y() + (row.height() - kArrowH) / 2, kArrowW, kArrowH);
    EXPECT_EQ(Count(f.Grab(menu), arrow, kArrow), kArrowW * kArrowH);
    menu->setActiveAction(subMenu->menuAction());
    const QImage hot = f.Grab(menu);
    EXPECT_EQ(Count(hot, arrow, kArrowHot), kArrowW * kArrowH);
    EXPECT_EQ(Count(hot, arrow, kArrow), 0);
    // Without a highlighted arrow the normal one shows on the highlighted item.
    m_frame->menu.arrowHighlighted = {};
    EXPECT_EQ(Count(f.Grab(menu), arrow, kArrow), kArrowW * kArrowH);
}

TEST_F(SkinStyleMenuTest, MissingMarkPicturesAreDrawnInTheTextColour) {
    m_frame->menu.check = {};
    m_frame->menu.checkBk = {};
    m_frame->menu.vbar = {};
    QMenu* menu = ShowMenu(BuildMenu());
    const QImage image = f.Grab(menu);
    // The radio pictures still set the column; the drawn tick sits inside it in the normal text colour.
    const QRect column = Column(Row(3));
    EXPECT_GT(Count(image, column, kText[0]), 0);
    EXPECT_EQ(Count(image, QRect(column.right() + 1, column.y(), kTextLeft - column.width(), column.height()), kText[0]),
              0);
}

TEST_F(SkinStyleMenuTest, TextMakesRoomForTheMarksWhenItsOffsetIsSmaller) {
    for (SkinTextStyle& s : m_frame->menu.text) s.leftOffset = 0;
    QMenu* menu = ShowMenu(BuildMenu());
    const QImage image = f.Grab(menu);
    // No text inside the mark column, but right of it.
    for (int row : {0, 3, 4}) {
        EXPECT_EQ(Count(image, Column(Row(row)), kText[0]), 0) << row;
        const QRect rest = Row(row).adjusted(kCheckBkSide, 0, 0, 0);
        EXPECT_GT(Count(image, rest, kText[0]), 0) << row;
    }
    // A menu without marks or icons keeps the offset as the skin gives it: the text starts at the item.
    std::unique_ptr<QMenu> plain = std::make_unique<QMenu>();
    plain->addAction(QStringLiteral("Wide"));
    f.style.ApplyTo(plain.get());
    plain->ensurePolished();
    f.Styled(plain.get(), plain->sizeHint());
    const QImage plainImage = f.Grab(plain.get());
    EXPECT_GT(Count(plainImage, QRect(kLeft, kTop, kCheckBkSide, kItemHeight), kText[0]), 0);
}

TEST_F(SkinStyleMenuTest, WithoutAFrameTheMenuLooksAsFusionDrawsIt) {
    f.style.SetSource(&f.doc, nullptr);
    QMenu* skinned = ShowMenu(BuildMenu());
    const std::unique_ptr<QMenu> keep = std::move(m_menu);
    std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    QMenu* plain = BuildMenu();
    plain->setStyle(fusion.get());
    plain->setAttribute(Qt::WA_Hover);
    plain->ensurePolished();
    plain->resize(plain->sizeHint());
    plain->setAttribute(Qt::WA_DontShowOnScreen);
    plain->show();
    ASSERT_EQ(skinned->size(), plain->size());
    EXPECT_EQ(f.Grab(skinned), f.Grab(plain));
    m_menu.reset();
}

TEST_F(SkinStyleMenuTest, TakingTheFrameAwayGivesTheMenuItsOwnFontAndMarginsBack) {
    QMenu* menu = ShowMenu(BuildMenu());
    const QFont before = QMenu().font();
    ASSERT_EQ(menu->contentsMargins(), QMargins(kLeft, kTop, kRight, kBottom));
    f.style.SetSource(&f.doc, nullptr);
    f.style.Refresh();
    EXPECT_EQ(menu->contentsMargins(), QMargins());
    EXPECT_EQ(menu->font(), before);
    EXPECT_FALSE(menu->testAttribute(Qt::WA_SetFont));
    // And back again.
    f.style.SetSource(&f.doc, m_frame);
    f.style.Refresh();
    EXPECT_EQ(menu->contentsMargins(), QMargins(kLeft, kTop, kRight, kBottom));
}

TEST_F(SkinStyleMenuTest, HostileNumbersGiveAUsableMenu) {
    SkinPopupMenu& m = m_frame->menu;
    struct Case {
        int margin, itemHeight;
    } cases[] = {{-50, 0}, {-1, -20}, {1 << 30, 1 << 30}, {INT_MIN, INT_MAX}, {0, 1}};
    for (const Case& c : cases) {
        m.itemLeftWidth = m.itemRightWidth = m.itemTopHeight = m.itemBottomHeight = c.margin;
        m.itemHeight = c.itemHeight;
        for (SkinTextStyle& s : m.text) {
            s.leftOffset = s.rightOffset = c.margin;
            s.effect = 1;
            s.shadowHSpace = c.margin;
        }
        // Empty and inverted slices of real pictures.
        m.separator.top = 10, m.separator.bottom = -3;
        m.vbar.right = m.vbar.left;
        m.check.left = 100;
        QMenu* menu = ShowMenu(BuildMenu());
        menu->setActiveAction(subMenu->menuAction());
        const QImage image = f.Grab(menu);
        EXPECT_FALSE(image.isNull());
        const int margin = std::clamp(c.margin, 0, popupmenu::kMaxMargin);
        const int item = std::clamp(c.itemHeight, 1, popupmenu::kMaxItemHeight);
        EXPECT_EQ(menu->actionGeometry(newAction).height(), item) << c.itemHeight;
        EXPECT_EQ(menu->actionGeometry(newAction).top(), margin) << c.margin;
        // Every number is held to its limit: an item is at most its text and the limits wide (a menu too high
        // for the screen takes more columns).
        EXPECT_LE(menu->actionGeometry(newAction).width(), 4 * popupmenu::kMaxMargin + 1000);
        m_menu.reset();
    }
}

TEST(PopupMenuMetricsTest, ShownTextDropsMnemonicMarksAndTheShortcut) {
    EXPECT_EQ(popupmenu::ShownText(QStringLiteral("&New\tCtrl+N")), QStringLiteral("New"));
    EXPECT_EQ(popupmenu::ShownText(QStringLiteral("Fish && &Chips")), QStringLiteral("Fish & Chips"));
    EXPECT_EQ(popupmenu::ShownText(QStringLiteral("End&")), QStringLiteral("End"));
    EXPECT_EQ(popupmenu::ShownText(QString()), QString());
}

}  // namespace
