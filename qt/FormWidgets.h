#pragma once
// Drawing the plain controls of a form into Qt widgets. Each function copies the control's state
// onto its widget and touches the widget only where it differs, so that rendering after every
// event neither moves the caret nor emits needless signals.
#include <functional>

#include <Qt>

#include "forms/Controls.h"

class QAbstractButton;
class QAbstractItemView;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QWidget;

namespace kgh::forms {
class Dispatcher;
}  // namespace kgh::forms

namespace kgh::qt {


void RenderControl(QWidget* widget, const forms::Control& control);
void RenderLabel(QLabel* widget, const forms::Label& label);
void RenderFrame(QGroupBox* widget, const forms::Frame& frame);
void RenderButton(QAbstractButton* widget, const forms::CommandButton& button);
void RenderCheckBox(QCheckBox* widget, const forms::CheckBox& box);
void RenderTextBox(QLineEdit* widget, const forms::TextBox& box);
void RenderComboBox(QComboBox* widget, const forms::ComboBox& combo);
// Shows the form's selected entry as the list's selection; the current row is left to Qt.
void RenderListBox(QListWidget* widget, const forms::ListBox& list);
// The selected row of a list or of a list view's top level, -1 when none is selected.
int SelectedRow(const QAbstractItemView* view);

// The selection the form set, shown in `widget` (a text box, or an editable combo's edit field).
void ApplySelection(QLineEdit* widget, const forms::EditText& edit);

// Runs `handler` whenever `widget` receives the input focus.
void OnFocusIn(QWidget* widget, std::function<void()> handler);

// Text typed into `box` goes into the form's text box at once. With `got_focus`, the box taking
// the focus runs that handler through `dispatch`, then shows the selection the form set.
void BindTextBox(QLineEdit* box, forms::TextBox& control, forms::Dispatcher& dispatch,
                 std::function<void()> got_focus = {});

// A form sees keys before its controls do: `window` filters its own events and every child's.
void SeeKeysFirst(QWidget* window);

// The form's shift-state bits: 1 Shift, 2 Ctrl, 4 Alt.
int ShiftState(Qt::KeyboardModifiers modifiers);

// A line under a page heading, like an etched rule.
QWidget* MakeRule(QWidget* parent);

}  // namespace kgh::qt
