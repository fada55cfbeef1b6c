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
  constexpr bool Contains(const TwipsRect& inner) const {
    return inner.left >= left && inner.top >= top && inner.right() <= right() && inner.bottom() <= bottom();
  }
  constexpr bool Overlaps(const TwipsRect& other) const {
    return left < other.right() && other.left < right() && top < other.bottom() && other.top < bottom();
  }
  constexpr bool operator==(const TwipsRect&) const = default;
  // Whether the two share some of their width, one above the other or not.
  constexpr bool Across(const TwipsRect& other) const { return left < other.right() && other.left < right(); }
};

}  // namespace kgh
