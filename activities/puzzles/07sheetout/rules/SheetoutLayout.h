#pragma once

#include <array>
#include <cstdint>

// The worksheet window's numbers: its size in twips, its colour and the font
// sizes of its menu.
namespace sheetout::layout {

inline constexpr int kFormWidth = 9600;
inline constexpr int kFormHeight = 7200;
inline constexpr std::uint32_t kBackColor = 0xC0C0C0;  // &HBBGGRR
inline constexpr std::array<int, 7> kFontSizes{8, 10, 12, 14, 18, 24, 32};
inline constexpr int kStartSizeIndex = 3;  // "14"

}  // namespace sheetout::layout
