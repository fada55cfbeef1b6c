#pragma once
// Which widget draws which control of a form, for any front-end. A view made from a design binds
// each control as it makes its widget (BindOne); one that lists its controls binds that list to
// its widgets in one call (BindAll), which does not build unless every control has a widget of
// the kind the front-end draws it with. The bound widgets are then drawn together after every
// event, and the forms' focus requests find their widget here.
//
// A front-end describes its widgets with a trait: WidgetFor<Control>::type is the widget kind
// for a control kind, WidgetFor<Control>::Draw(widget, control) draws it, and Handle(widget)
// turns it into the front-end's common handle. A control kind without a WidgetFor has no
// widget on that front-end, and a form listing one does not build there.
#include <array>
#include <cstddef>
#include <functional>
#include <map>
#include <stdexcept>
#include <tuple>
#include <type_traits>
#include <unordered_map>
#include <vector>

#include "forms/Controls.h"

namespace kgh::forms {

// One widget per control of an array, taken from any array of widgets of a matching kind.
template <typename Widget, std::size_t N>
struct WidgetArray {
  template <typename Other>
    requires std::is_convertible_v<Other, Widget>
  WidgetArray(const std::array<Other, N>& others) {  // NOLINT(google-explicit-constructor): a view passes its own arrays
    for (std::size_t i = 0; i < N; ++i) widgets[i] = others[i];
  }
  std::array<Widget, N> widgets{};
};

// One widget per control of a map, by the same keys; which keys a map holds is known only when
// the view binds it, so a missing widget is reported then.
template <typename Key, typename Widget>
struct WidgetMap {
  template <typename Other>
    requires std::is_convertible_v<Other, Widget>
  WidgetMap(const std::map<Key, Other>& others) {  // NOLINT(google-explicit-constructor): a view passes its own maps
    for (const auto& [key, widget] : others) widgets.emplace(key, widget);
  }
  std::map<Key, Widget> widgets;
};

template <template <typename> class WidgetFor, typename Control>
struct WidgetKind {
  using type = typename WidgetFor<Control>::type;
};
template <template <typename> class WidgetFor, typename Control, std::size_t N>
struct WidgetKind<WidgetFor, std::array<Control, N>> {
  using type = WidgetArray<typename WidgetFor<Control>::type, N>;
};
template <template <typename> class WidgetFor, typename Key, typename Control>
struct WidgetKind<WidgetFor, std::map<Key, Control>> {
  using type = WidgetMap<Key, typename WidgetFor<Control>::type>;
};

template <template <typename> class WidgetFor, typename Handle>
class BoundControls {
 public:
  template <typename Control>
  using WidgetOf = typename WidgetKind<WidgetFor, std::remove_const_t<Control>>::type;

  // Binds the controls a form lists to the widgets that draw them, one widget per control (an
  // array or map of them for an array or map of controls), in the form's order.
  template <typename... Controls>
  void BindAll(std::tuple<Controls&...> controls, WidgetOf<Controls>... widgets) {
    std::apply([&](Controls&... control) { (BindOne(control, widgets), ...); }, controls);
  }

  // A control the view draws in its own way (a tab strip, a page): found for focus, not drawn.
  void Bind(const Control& control, Handle widget) { widgets_[&control] = widget; }

  // Draws every control bound with BindAll or BindOne, in the order bound.
  void RenderAll() const {
    for (const auto& draw : draws_) draw();
  }

  // The widget of `control`, or a default handle when it has none.
  Handle Find(const Control& control) const {
    const auto found = widgets_.find(&control);
    return found == widgets_.end() ? Handle{} : found->second;
  }

  // Binds one control to the widget that draws it (an array or map of them for an array or map).
  template <typename Control>
  void BindOne(const Control& control, typename WidgetFor<Control>::type widget) {
    Bind(control, WidgetFor<Control>::Handle(widget));
    draws_.push_back([widget, &control] { WidgetFor<Control>::Draw(widget, control); });
  }
  template <typename Control, std::size_t N>
  void BindOne(const std::array<Control, N>& controls, const WidgetOf<std::array<Control, N>>& widgets) {
    for (std::size_t i = 0; i < N; ++i) BindOne(controls[i], widgets.widgets[i]);
  }
  template <typename Key, typename Control>
  void BindOne(const std::map<Key, Control>& controls, const WidgetOf<std::map<Key, Control>>& widgets) {
    if (controls.size() != widgets.widgets.size()) throw std::logic_error("a control of the form has no widget");
    for (const auto& [key, control] : controls) BindOne(control, widgets.widgets.at(key));
  }

 private:

  std::unordered_map<const Control*, Handle> widgets_;
  std::vector<std::function<void()>> draws_;
};

}  // namespace kgh::forms
