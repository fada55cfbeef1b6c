#include "qt/Twips.h"

#include <QWidget>

namespace kgh::qt {

int TwipsToPixels(int twips, const QWidget* widget) {
  const int dpi = widget != nullptr ? widget->logicalDpiX() : 96;
  return (twips * dpi + 720) / 1440;
}

int PixelsToTwips(int pixels, const QWidget* widget) {
  const int dpi = widget != nullptr ? widget->logicalDpiX() : 96;
  return (pixels * 1440 + dpi - 1) / dpi;
}

void Place(QWidget* widget, const TwipsRect& rect) {
  widget->setGeometry(TwipsToPixels(rect.left, widget), TwipsToPixels(rect.top, widget),
                      TwipsToPixels(rect.width, widget), TwipsToPixels(rect.height, widget));
}

void PlaceButton(QWidget* button, const TwipsRect& rect) {
  Place(button, rect);
  // The caption's line plus the frame the style draws around it.
  const int needed = button->fontMetrics().height() + 6;
  if (button->height() < needed) button->resize(button->width(), needed);
}

}  // namespace kgh::qt
