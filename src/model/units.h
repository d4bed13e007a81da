// Lengths on the window: twips (1/1440 inch), device-independent pixels and the mouse scale.
#pragma once

namespace quandrel {

// 15 twips are one device-independent pixel (one pixel at 96 dots per inch).
inline constexpr int kTwipsPerPixel = 15;

// The window's mouse scale: one unit is 6.771435 twips across and 7.95 twips down.
inline constexpr double kTwipsPerUnitX = 6.771435;
inline constexpr double kTwipsPerUnitY = 7.95;

}  // namespace quandrel
