#pragma once
// Small value types of the skin document, kept free of any UI toolkit so the core builds without Qt.

#include <climits>
#include <compare>
#include <cstdint>
#include <string>

// A COLORREF: stored in configurations as "%d %d %d" (red, green, blue).
struct Color {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;

    constexpr Color() = default;
    constexpr Color(int red, int green, int blue)
        : r(static_cast<uint8_t>(red)), g(static_cast<uint8_t>(green)), b(static_cast<uint8_t>(blue)) {}

    // Windows layout 0x00BBGGRR, as the skinning engine stores it.
    constexpr uint32_t ToColorRef() const { return uint32_t(r) | (uint32_t(g) << 8) | (uint32_t(b) << 16); }
    static constexpr Color FromColorRef(uint32_t v) { return Color(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF); }

    friend constexpr bool operator==(const Color&, const Color&) = default;
};

// A Windows RECT: left/top inclusive, right/bottom exclusive.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    // Saturated: a rectangle from a hostile file may span more than an int holds.
    constexpr int Width() const { return Saturate(static_cast<long long>(right) - left); }
    constexpr int Height() const { return Saturate(static_cast<long long>(bottom) - top); }
    static constexpr int Saturate(long long v) {
        return v > INT_MAX ? INT_MAX : v < INT_MIN ? INT_MIN : static_cast<int>(v);
    }
    constexpr bool IsEmpty() const { return right <= left || bottom <= top; }
    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

// A Windows LOGFONTA kept member by member (the face name holds at most 31 bytes).
struct LogFont {
    static constexpr size_t kFaceNameBytes = 32;

    int height = -12;
    int width = 0;
    int escapement = 0;
    int orientation = 0;
    int weight = 400;
    uint8_t italic = 0;
    uint8_t underline = 0;
    uint8_t strikeOut = 0;
    uint8_t charSet = 0;
    uint8_t outPrecision = 3;
    uint8_t clipPrecision = 2;
    uint8_t quality = 1;
    uint8_t pitchAndFamily = 0x22;
    std::string faceName = "Arial";

    friend bool operator==(const LogFont&, const LogFont&) = default;
};
