#pragma once
// A form's design (forms/Design.h) made into Qt widgets: each control gets the widget of its
// kind, placed where the design says, bound for drawing, and wired to the form's handlers
// through the dispatcher. Widgets are made in the design's order, which Qt's Tab follows.
#include <QPoint>

#include "forms/Design.h"
#include "forms/Dispatcher.h"
#include "qt/ControlWidgets.h"

class QWidget;

namespace kgh::qt {

// Makes the widgets of `design` on `parent`, each placed `origin` (pixels) further right and
// down than its design says.
void BuildDesign(QWidget* parent, const forms::Design& design, ControlWidgets& controls, forms::Dispatcher& dispatch,
                 QPoint origin = {});

// Places `widget` at `rect` moved `origin` (pixels) right and down, as BuildDesign places.
void PlaceFrom(QWidget* widget, const TwipsRect& rect, QPoint origin);

}  // namespace kgh::qt
