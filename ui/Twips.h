// Window and control sizes are laid down in twips (1/1440 inch). At 96 dots
// per inch 15 twips make one pixel; Qt scales logical pixels for other
// densities, so converting once to logical pixels is enough.
#pragma once

#include <QRect>
#include <QSize>

namespace spanwise::ui {

constexpr int kTwipsPerPixel = 15;

constexpr int Px(int twips) { return twips / kTwipsPerPixel; }

constexpr QSize TwipSize(int width, int height) { return {Px(width), Px(height)}; }

constexpr QRect TwipRect(int left, int top, int width, int height) {
  return {Px(left), Px(top), Px(width), Px(height)};
}

}  // namespace spanwise::ui
