#pragma once
// A form's design (forms/Design.h) made into Qt widgets: each control gets the widget of its
// kind, placed where the design says, bound for drawing, and wired to the form's handlers
// through the dispatcher. Widgets are made in the design's order, which Qt's Tab follows.
#include <QPoint>
#include <QRect>

#include "forms/Design.h"
#include "forms/Dispatcher.h"
#include "qt/ControlWidgets.h"

class QWidget;

namespace kgh::qt {

// Twips in pixels as the native front-end has them: through dialog units of the window's font,
// so that controls keep the design's proportions to their text whatever the font's size. The
// design's font (6 by 13 pixels at 96 dots per inch) gives 15 twips to the pixel.
class DesignUnits {
 public:
  explicit DesignUnits(const QWidget* window);
  QRect Pixels(const TwipsRect& rect) const;
  int Across(int twips) const;
  int Down(int twips) const;
  // The fewest twips down that are at least `pixels` high.
  int TwipsDown(int pixels) const;

 private:
  int char_width_;   // the font's average character, as the system measures it for dialogs
  int char_height_;
};

// Makes the widgets of `design` on `parent`, each placed `origin` (pixels) further right and
// down than its design says. Labels that grow are placed again after every drawing.
void BuildDesign(QWidget* parent, const forms::Design& design, ControlWidgets& controls, forms::Dispatcher& dispatch,
                 QPoint origin = {});

// Places `widget` at `rect` moved `origin` (pixels) right and down, in its window's units, as
// BuildDesign places.
void PlaceFrom(QWidget* widget, const TwipsRect& rect, QPoint origin);

}  // namespace kgh::qt
