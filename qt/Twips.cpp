#include "qt/Twips.h"

#include <QWidget>

namespace kgh::qt {

int TwipsToPixels(int twips, const QWidget* widget) {
  const int dpi = widget != nullptr ? widget->logicalDpiX() : 96;
  return (twips * dpi + 720) / 1440;
}

}  // namespace kgh::qt
