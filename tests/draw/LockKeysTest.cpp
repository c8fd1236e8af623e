// The lock-key indicators read keyboard LEDs from a folder laid out like /sys/class/leds.

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <filesystem>
#include <fstream>

#include "platform/LockKeys.h"

namespace {

void Led(const QTemporaryDir& dir, const std::string& name, const char* brightness) {
    const std::filesystem::path folder = std::filesystem::path(dir.path().toStdString()) / name;
    std::filesystem::create_directories(folder);
    if (brightness) std::ofstream(folder / "brightness") << brightness << "\n";
}

TEST(LockKeys, AnyLitKeyboardLedCountsAndEverythingElseReadsOff) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    EXPECT_EQ(vd::ReadLockKeys(dir.path().toStdString()), vd::LockKeyStates{});

    Led(dir, "input2::capslock", "0");
    Led(dir, "input7::capslock", "1");    // a second keyboard has it lit
    Led(dir, "input2::numlock", "0");
    Led(dir, "input2::scrolllock", nullptr);  // no brightness file
    Led(dir, "phy0-led", "255");              // not a keyboard LED
    const vd::LockKeyStates s = vd::ReadLockKeys(dir.path().toStdString());
    EXPECT_TRUE(s.caps);
    EXPECT_FALSE(s.num);
    EXPECT_FALSE(s.scroll);

    EXPECT_EQ(vd::ReadLockKeys(dir.filePath(QStringLiteral("missing")).toStdString()), vd::LockKeyStates{});
}

}  // namespace
