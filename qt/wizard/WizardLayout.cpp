#include "qt/wizard/WizardLayout.h"

#include <QLabel>

#include <algorithm>

#include "qt/Twips.h"

namespace kgh::qt {

namespace {

int PixelsToTwips(int pixels, const QWidget* widget) {
  const int dpi = widget != nullptr ? widget->logicalDpiX() : 96;
  return (pixels * 1440 + dpi - 1) / dpi;
}

}  // namespace

void Place(QWidget* widget, const TwipsRect& rect) {
  widget->setGeometry(TwipsToPixels(rect.left, widget), TwipsToPixels(rect.top, widget),
                      TwipsToPixels(rect.width, widget), TwipsToPixels(rect.height, widget));
}

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

void PlaceButton(QWidget* button, const TwipsRect& rect) {
  Place(button, rect);
  // The caption's line plus the frame the style draws around it.
  const int needed = button->fontMetrics().height() + 6;
  if (button->height() < needed) button->resize(button->width(), needed);
}

}  // namespace kgh::qt
