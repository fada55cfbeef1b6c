#pragma once
// The wizard's sizes in twips (1/1440 inch) as pixels at the screen's logical resolution: 15 twips
// per pixel at 96 dpi, fewer at higher scaling. The dialogs made from designs are placed in units
// of their font instead (DesignUnits).
#include "forms/Twips.h"

class QWidget;

namespace kgh::qt {

int TwipsToPixels(int twips, const QWidget* widget);
int PixelsToTwips(int pixels, const QWidget* widget);

// Places `widget` at `rect` within its parent.
void Place(QWidget* widget, const TwipsRect& rect);

// A push button at `rect`, made taller when the screen's font needs it (its top stays).
void PlaceButton(QWidget* button, const TwipsRect& rect);

}  // namespace kgh::qt
