// The spin box that keeps a loaded number outside its range: shown and handed back as it was until the
// user types or steps; then the spin's own (range-limited) value counts, and the text always shows what
// will be handed back.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "designer/dialogs/ExactSpinBox.h"

namespace {

QLineEdit* Edit(QSpinBox& spin) { return spin.findChild<QLineEdit*>(); }

struct Loaded {
    const char* name;
    int minimum, maximum, stored;
};

class ExactSpinLoadTest : public ::testing::TestWithParam<Loaded> {};

TEST_P(ExactSpinLoadTest, KeepsAndShowsTheStoredNumberWithoutAnEdit) {
    const Loaded& c = GetParam();
    CExactSpinBox spin;
    spin.setRange(c.minimum, c.maximum);
    QSignalSpy changes(&spin, &QSpinBox::valueChanged);
    spin.Load(c.stored);
    const int clamped = c.stored < c.minimum ? c.minimum : (c.stored > c.maximum ? c.maximum : c.stored);
    EXPECT_EQ(spin.value(), clamped) << "stepping starts inside the range";
    EXPECT_EQ(spin.ExactValue(), c.stored);
    EXPECT_EQ(spin.text(), QString::number(c.stored));
    EXPECT_FALSE(spin.IsTouched());
    EXPECT_EQ(spin.HoldsOutOfRange(), c.stored != clamped);
    EXPECT_EQ(changes.count(), 0) << "loading is not an edit";
}

INSTANTIATE_TEST_SUITE_P(Cases, ExactSpinLoadTest,
                         ::testing::Values(Loaded{"inside", -50, 50, 7}, Loaded{"atTheTop", -50, 50, 50},
                                           Loaded{"above", -50, 50, 80}, Loaded{"below", -50, 50, -81},
                                           Loaded{"negativeUnderZero", 0, 1000, -5},
                                           Loaded{"farAbove", 0, 40, 123456}),
                         [](const ::testing::TestParamInfo<Loaded>& info) { return std::string(info.param.name); });

class ExactSpinEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        spin.setRange(0, 50);
        spin.Load(80);
    }
    CExactSpinBox spin;
};

TEST_F(ExactSpinEditTest, SteppingDownFromAnOutOfRangeNumberStartsAtTheLimit) {
    spin.stepBy(-1);
    EXPECT_TRUE(spin.IsTouched());
    EXPECT_EQ(spin.ExactValue(), 49);
    EXPECT_EQ(spin.text(), QStringLiteral("49"));
}

TEST_F(ExactSpinEditTest, AStepThatHitsTheLimitStillMeansTheShownNumber) {
    spin.stepBy(5);  // already at 50
    EXPECT_TRUE(spin.IsTouched());
    EXPECT_EQ(spin.ExactValue(), 50);
    EXPECT_EQ(spin.text(), QStringLiteral("50"));
}

TEST_F(ExactSpinEditTest, TypedNumbersCountEvenWhenTheValueStaysTheSame) {
    spin.show();
    Edit(spin)->selectAll();
    QTest::keyClicks(Edit(spin), QStringLiteral("50"));
    EXPECT_TRUE(spin.IsTouched());
    EXPECT_EQ(spin.ExactValue(), 50);

    spin.Load(80);
    Edit(spin)->selectAll();
    QTest::keyClicks(Edit(spin), QStringLiteral("12"));
    EXPECT_EQ(spin.ExactValue(), 12);
    EXPECT_EQ(spin.text(), QStringLiteral("12")) << "typing is not rewritten under the user";
}

TEST_F(ExactSpinEditTest, AValueSetFromCodeIsAnEditAndIsShown) {
    spin.setValue(30);
    EXPECT_TRUE(spin.IsTouched());
    EXPECT_EQ(spin.ExactValue(), 30);
    EXPECT_EQ(spin.text(), QStringLiteral("30"));
}

TEST_F(ExactSpinEditTest, LeavingTheFieldWithoutTypingKeepsTheNumber) {
    QWidget window;
    auto* first = new CExactSpinBox(&window);
    first->setRange(0, 50);
    first->Load(80);
    auto* second = new QLineEdit(&window);
    window.show();
    first->setFocus();
    second->setFocus();
    QCoreApplication::processEvents();
    EXPECT_FALSE(first->IsTouched());
    EXPECT_EQ(first->ExactValue(), 80);
    EXPECT_EQ(first->text(), QStringLiteral("80"));
}

TEST_F(ExactSpinEditTest, ANarrowerRangeLaterStillKeepsTheNumber) {
    spin.setMaximum(20);
    EXPECT_EQ(spin.value(), 20);
    EXPECT_EQ(spin.ExactValue(), 80);
    EXPECT_EQ(spin.text(), QStringLiteral("80"));
}

TEST_F(ExactSpinEditTest, LoadingAgainForgetsTheEdit) {
    spin.stepBy(-3);
    spin.Load(-2);
    EXPECT_FALSE(spin.IsTouched());
    EXPECT_EQ(spin.ExactValue(), -2);
    EXPECT_EQ(spin.value(), 0);
}

}  // namespace
