#pragma once
// Which widget draws which control of a form, bound in code when the view is built. The forms ask
// for the focus by control; this map answers with the widget.
#include <unordered_map>

#include "forms/Controls.h"

class QWidget;

namespace kgh::qt {

class ControlWidgets {
 public:
  void Bind(const forms::Control& control, QWidget* widget) { widgets_[&control] = widget; }
  QWidget* Find(const forms::Control& control) const {
    const auto found = widgets_.find(&control);
    return found == widgets_.end() ? nullptr : found->second;
  }

 private:
  std::unordered_map<const forms::Control*, QWidget*> widgets_;
};

// Gives `widget` the focus. False when there is no widget or it is hidden or disabled (also when
// its window is not shown yet).
bool FocusWidget(QWidget* widget);

}  // namespace kgh::qt
