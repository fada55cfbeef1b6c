#pragma once
// Forms are designed in twips (1/1440 inch): 15 to the pixel at 96 dots per inch.
namespace kgh {

struct TwipsRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  constexpr int bottom() const { return top + height; }
  constexpr int right() const { return left + width; }
};

}  // namespace kgh
