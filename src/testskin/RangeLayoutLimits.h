#pragma once
// The largest size a skin's picture or number may give a piece of a range control (a bar's thickness, a
// thumb, a button): beyond it the piece is laid out this large, so a hostile file cannot make windows huge.

inline constexpr int kMaxRangePartSize = 256;
