#pragma once
// Which widget draws which control of a form, for any front-end. A view made from a design binds
// each control as it makes its widget (BindOne). The bound widgets are then drawn together after
// every event, and the forms' focus requests find their widget here.
//
// A front-end describes its widgets with a trait: WidgetFor<Control>::type is the widget kind
// for a control kind, WidgetFor<Control>::Draw(widget, control) draws it, and Handle(widget)
// turns it into the front-end's common handle. A control kind without a WidgetFor has no
// widget on that front-end, and binding one does not build there.
#include <functional>
#include <unordered_map>
#include <utility>
#include <vector>

#include "forms/Controls.h"

namespace kgh::forms {

template <template <typename> class WidgetFor, typename Handle>
class BoundControls {
 public:
  // A control the view draws in its own way (a tab strip, a page): found for focus, not drawn.
  void Bind(const Control& control, Handle widget) { widgets_[&control] = widget; }

  // Draws every control bound with BindOne, in the order bound, then runs the steps
  // that depend on more than one control.
  void RenderAll() const {
    for (const auto& draw : draws_) draw();
    for (const auto& step : after_drawing_) step();
  }

  // A step run after every control was drawn: placing texts again that grew, naming a picture
  // button after the label beside it.
  void AfterDrawing(std::function<void()> step) { after_drawing_.push_back(std::move(step)); }

  // The widget of `control`, or a default handle when it has none.
  Handle Find(const Control& control) const {
    const auto found = widgets_.find(&control);
    return found == widgets_.end() ? Handle{} : found->second;
  }

  // Binds a control to the widget that draws it, of the kind its front-end draws it with.
  template <typename Control>
  void BindOne(const Control& control, typename WidgetFor<Control>::type widget) {
    Bind(control, WidgetFor<Control>::Handle(widget));
    draws_.push_back([widget, &control] { WidgetFor<Control>::Draw(widget, control); });
  }

 private:
  std::unordered_map<const Control*, Handle> widgets_;
  std::vector<std::function<void()>> draws_;
  std::vector<std::function<void()>> after_drawing_;
};

}  // namespace kgh::forms
