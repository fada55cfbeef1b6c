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
// here has no widget on this front-end: a form that lists one does not build.
template <typename Control>
struct WidgetFor;
// A plain control (a picture, a panel) is any widget.
template <>
struct WidgetFor<forms::Control> {
  using type = QWidget*;
  static QWidget* Handle(type widget) { return widget; }
  static void Draw(type widget, const forms::Control& control) { RenderControl(widget, control); }
};
template <>
struct WidgetFor<forms::Label> {
  using type = QLabel*;
  static QWidget* Handle(type widget) { return widget; }
  static void Draw(type widget, const forms::Label& control) { RenderLabel(widget, control); }
};
template <>
struct WidgetFor<forms::Frame> {
  using type = QGroupBox*;
  static QWidget* Handle(type widget) { return widget; }
  static void Draw(type widget, const forms::Frame& control) { RenderFrame(widget, control); }
};
template <>
struct WidgetFor<forms::CommandButton> {
  using type = QAbstractButton*;
  static QWidget* Handle(type widget) { return widget; }
  static void Draw(type widget, const forms::CommandButton& control) { RenderButton(widget, control); }
};
template <>
struct WidgetFor<forms::CheckBox> {
  using type = QCheckBox*;
  static QWidget* Handle(type widget) { return widget; }
  static void Draw(type widget, const forms::CheckBox& control) { RenderCheckBox(widget, control); }
};
template <>
struct WidgetFor<forms::TextBox> {
  using type = QLineEdit*;
  static QWidget* Handle(type widget) { return widget; }
  static void Draw(type widget, const forms::TextBox& control) { RenderTextBox(widget, control); }
};
template <>
struct WidgetFor<forms::ComboBox> {
  using type = QComboBox*;
  static QWidget* Handle(type widget) { return widget; }
  static void Draw(type widget, const forms::ComboBox& control) { RenderComboBox(widget, control); }
};
template <>
struct WidgetFor<forms::ListBox> {
  using type = QListWidget*;
  static QWidget* Handle(type widget) { return widget; }
  static void Draw(type widget, const forms::ListBox& control) { RenderListBox(widget, control); }
};
// Its rows are drawn by the page that owns the list, which knows their columns.
template <typename Row>
struct WidgetFor<forms::ListView<Row>> {
  using type = QTreeWidget*;
  static QWidget* Handle(type widget) { return widget; }
  static void Draw(type widget, const forms::ListView<Row>& control) { RenderControl(widget, control); }
};
// Which widget draws which control of the forms a Qt view shows.
using ControlWidgets = forms::BoundControls<WidgetFor, QWidget*>;

// Gives `widget` the focus. False when there is no widget or it is hidden or disabled (also when
// its window is not shown yet).
bool FocusWidget(QWidget* widget);

}  // namespace kgh::qt
