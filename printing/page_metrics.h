// Sizes of the fixed-pitch font that place every character on the page, in twips.
#pragma once

namespace printing {

inline constexpr double kTwipsPerPoint = 20.0;
// Courier New and its metric twin Liberation Mono: advance 0.6 em, line 2320/2048 em.
inline constexpr double kCharWidthEm = 0.6;
inline constexpr double kLineHeightEm = 2320.0 / 2048.0;

inline constexpr double charWidth(double points) { return points * kTwipsPerPoint * kCharWidthEm; }
inline constexpr double lineHeight(double points) { return points * kTwipsPerPoint * kLineHeightEm; }

}  // namespace printing
