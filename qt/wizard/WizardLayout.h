#pragma once
// The wizard's design (wizard/WizardDesign.h) placed in pixels at the screen's resolution;
// labels grow downwards when their text needs more lines than the design gave them, so that no
// text is cut off.
#include "qt/Twips.h"
#include "wizard/WizardDesign.h"

class QLabel;
class QWidget;

namespace kgh::qt {

// Places a word-wrapping label at `rect`, made taller when its text needs it. Returns the
// label's bottom edge in twips.
int PlaceLabel(QLabel* label, const TwipsRect& rect);

// `rect` moved down, when needed, so that it starts `wizard_layout::kTextGap` below `bottom`.
TwipsRect Below(const TwipsRect& rect, int bottom);

}  // namespace kgh::qt
