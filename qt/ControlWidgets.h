#pragma once
// The Qt widget that draws each kind of control, for the binding of forms/BoundControls.h.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTreeWidget>

#include "forms/BoundControls.h"
#include "forms/Controls.h"
#include "qt/FormWidgets.h"

namespace kgh::qt {

// The widget kind that draws each kind of control, and how it is drawn. A control kind missing
// here has no widget on this front-end: binding one does not build.
template <typename Control>
struct WidgetFor;
template <typename Widget, typename Control, void (*Render)(Widget, const Control&)>
struct QtKind {
  using type = Widget;
  static QWidget* Handle(Widget widget) { return widget; }
  static void Draw(Widget widget, const Control& control) { Render(widget, control); }
};
// A plain control (a panel) is any widget.
template <>
struct WidgetFor<forms::Control> : QtKind<QWidget*, forms::Control, RenderControl> {};
template <>
struct WidgetFor<forms::Label> : QtKind<QLabel*, forms::Label, RenderLabel> {};
template <>
struct WidgetFor<forms::Image> {
  using type = QLabel*;
  static QWidget* Handle(type widget) { return widget; }
  static void Draw(type widget, const forms::Image& control) { RenderControl(widget, control); }
};
template <>
struct WidgetFor<forms::Frame> : QtKind<QGroupBox*, forms::Frame, RenderFrame> {};
template <>
struct WidgetFor<forms::CommandButton> : QtKind<QAbstractButton*, forms::CommandButton, RenderButton> {};
template <>
struct WidgetFor<forms::CheckBox> : QtKind<QCheckBox*, forms::CheckBox, RenderCheckBox> {};
template <>
struct WidgetFor<forms::TextBox> : QtKind<QLineEdit*, forms::TextBox, RenderTextBox> {};
template <>
struct WidgetFor<forms::ComboBox> : QtKind<QComboBox*, forms::ComboBox, RenderComboBox> {};
template <>
struct WidgetFor<forms::ListBox> : QtKind<QListWidget*, forms::ListBox, RenderListBox> {};
template <>
struct WidgetFor<forms::Line> {
  using type = QWidget*;
  static QWidget* Handle(type widget) { return widget; }
  static void Draw(type widget, const forms::Line& control) { RenderControl(widget, control); }
};
// Its rows are drawn by the page that owns the list, which knows their type.
template <>
struct WidgetFor<forms::ListViewBase> {
  using type = QTreeWidget*;
  static QWidget* Handle(type widget) { return widget; }
  static void Draw(type widget, const forms::ListViewBase& control) { RenderControl(widget, control); }
};
// Which widget draws which control of the forms a Qt view shows.
using ControlWidgets = forms::BoundControls<WidgetFor, QWidget*>;

// Gives `widget` the focus. False when there is no widget or it is hidden or disabled (also when
// its window is not shown yet).
bool FocusWidget(QWidget* widget);

}  // namespace kgh::qt
