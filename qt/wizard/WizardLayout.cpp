#include "qt/wizard/WizardLayout.h"

#include <QLabel>

#include <algorithm>

#include "qt/Twips.h"

namespace kgh::qt {

int PlaceLabel(QLabel* label, const TwipsRect& rect) {
  const int width = TwipsToPixels(rect.width, label);
  const int needed = label->heightForWidth(width);
  TwipsRect placed = rect;
  placed.height = std::max(rect.height, PixelsToTwips(needed, label));
  Place(label, placed);
  return placed.top + placed.height;
}

TwipsRect Below(const TwipsRect& rect, int bottom) {
  TwipsRect moved = rect;
  moved.top = std::max(rect.top, bottom + wizard_layout::kTextGap);
  return moved;
}

}  // namespace kgh::qt
