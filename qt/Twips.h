#pragma once
// The forms give sizes in twips (1/1440 inch). On screen they become pixels at the screen's
// logical resolution: 15 twips per pixel at 96 dpi, fewer at higher scaling.
class QWidget;

namespace kgh::qt {

int TwipsToPixels(int twips, const QWidget* widget);

}  // namespace kgh::qt
