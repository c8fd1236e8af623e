#pragma once
// The state of the Caps Lock, Num Lock and Scroll Lock keys for the status bar's indicators. Linux shows
// each keyboard LED under /sys/class/leds ("input3::capslock" and so on); a key counts as on when any
// keyboard's LED of that name is lit. Where the folder does not exist (no keyboard, a sandbox) all read off.

#include <string>

namespace vd {

struct LockKeyStates {
    bool caps = false;
    bool num = false;
    bool scroll = false;
    friend bool operator==(const LockKeyStates&, const LockKeyStates&) = default;
};

LockKeyStates ReadLockKeys(const std::string& ledsFolder = "/sys/class/leds");

}  // namespace vd
