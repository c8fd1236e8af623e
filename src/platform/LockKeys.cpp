#include "platform/LockKeys.h"

#include <filesystem>
#include <fstream>

namespace vd {

namespace {

bool EndsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

bool IsLit(const std::filesystem::path& led) {
    std::ifstream in(led / "brightness");
    int brightness = 0;
    return in >> brightness && brightness > 0;
}

}  // namespace

LockKeyStates ReadLockKeys(const std::string& ledsFolder) {
    LockKeyStates states;
    std::error_code ec;
    std::filesystem::directory_iterator it(ledsFolder, ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        bool* state = EndsWith(name, "::capslock")     ? &states.caps
                      : EndsWith(name, "::numlock")    ? &states.num
                      : EndsWith(name, "::scrolllock") ? &states.scroll
                                                       : nullptr;
        if (state && !*state) *state = IsLit(it->path());
    }
    return states;
}

}  // namespace vd
