#pragma once
// Which widget draws which control of a form. A form lists its controls; a view binds that list
// to its widgets in one call, which does not build unless every control has a widget of the
// matching kind. The bound widgets are then drawn together after every event, and the forms'
// focus requests find their widget here.
#include <array>
#include <cstddef>
#include <functional>
#include <map>
#include <stdexcept>
#include <tuple>
#include <type_traits>
#include <unordered_map>
#include <vector>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTreeWidget>

#include "forms/Controls.h"
#include "qt/FormWidgets.h"

namespace kgh::qt {

// The widget kind that draws each kind of control, and how it is drawn. A control kind missing
// here has no widget on this front-end: a form that lists one does not build.
template <typename Control>
struct WidgetFor;
// A plain control (a picture, a panel) is any widget.
template <>
struct WidgetFor<forms::Control> {
  using type = QWidget*;
  static void Draw(type widget, const forms::Control& control) { RenderControl(widget, control); }
};
template <>
struct WidgetFor<forms::Label> {
  using type = QLabel*;
  static void Draw(type widget, const forms::Label& control) { RenderLabel(widget, control); }
};
template <>
struct WidgetFor<forms::Frame> {
  using type = QGroupBox*;
  static void Draw(type widget, const forms::Frame& control) { RenderFrame(widget, control); }
};
template <>
struct WidgetFor<forms::CommandButton> {
  using type = QAbstractButton*;
  static void Draw(type widget, const forms::CommandButton& control) { RenderButton(widget, control); }
};
template <>
struct WidgetFor<forms::CheckBox> {
  using type = QCheckBox*;
  static void Draw(type widget, const forms::CheckBox& control) { RenderCheckBox(widget, control); }
};
template <>
struct WidgetFor<forms::TextBox> {
  using type = QLineEdit*;
  static void Draw(type widget, const forms::TextBox& control) { RenderTextBox(widget, control); }
};
template <>
struct WidgetFor<forms::ComboBox> {
  using type = QComboBox*;
  static void Draw(type widget, const forms::ComboBox& control) { RenderComboBox(widget, control); }
};
template <>
struct WidgetFor<forms::ListBox> {
  using type = QListWidget*;
  static void Draw(type widget, const forms::ListBox& control) { RenderListBox(widget, control); }
};
// Its rows are drawn by the page that owns the list, which knows their columns.
template <typename Row>
struct WidgetFor<forms::ListView<Row>> {
  using type = QTreeWidget*;
  static void Draw(type widget, const forms::ListView<Row>& control) { RenderControl(widget, control); }
};
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
template <typename Control, std::size_t N>
struct WidgetFor<std::array<Control, N>> {
  using type = WidgetArray<typename WidgetFor<Control>::type, N>;
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
template <typename Key, typename Control>
struct WidgetFor<std::map<Key, Control>> {
  using type = WidgetMap<Key, typename WidgetFor<Control>::type>;
};

template <typename Control>
using WidgetOf = typename WidgetFor<std::remove_const_t<Control>>::type;

class ControlWidgets {
 public:
  // Binds the controls a form lists to the widgets that draw them, one widget per control (an
  // array of them for an array of controls), in the form's order.
  template <typename... Controls>
  void BindAll(std::tuple<Controls&...> controls, WidgetOf<Controls>... widgets) {
    std::apply([&](Controls&... control) { (BindOne(control, widgets), ...); }, controls);
  }

  // A control the view draws in its own way (a tab strip, a page): found for focus, not drawn.
  void Bind(const forms::Control& control, QWidget* widget) { widgets_[&control] = widget; }

  // Draws every control bound with BindAll, in the order bound.
  void RenderAll() const {
    for (const auto& draw : draws_) draw();
  }

  QWidget* Find(const forms::Control& control) const {
    const auto found = widgets_.find(&control);
    return found == widgets_.end() ? nullptr : found->second;
  }

 private:
  template <typename Control>
  void BindOne(const Control& control, WidgetOf<Control> widget) {
    Bind(control, widget);
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

  std::unordered_map<const forms::Control*, QWidget*> widgets_;
  std::vector<std::function<void()>> draws_;
};

// Gives `widget` the focus. False when there is no widget or it is hidden or disabled (also when
// its window is not shown yet).
bool FocusWidget(QWidget* widget);

}  // namespace kgh::qt
