#pragma once
// The native window that draws each kind of control, for the binding of forms/BoundControls.h.
// Windows are plain handles, so each kind of control gets a wrapper of its own: a form whose
// control is bound to the wrong kind of window does not build.
#include <windows.h>

#include <string>
#include <string_view>

#include "forms/BoundControls.h"
#include "forms/Controls.h"

namespace kgh::native {

struct StaticText { HWND window = nullptr; };   // a label
struct GroupBox { HWND window = nullptr; };     // a frame
struct PushButton { HWND window = nullptr; };
struct CheckButton { HWND window = nullptr; };
struct EditBox { HWND window = nullptr; };
struct ComboBox { HWND window = nullptr; };     // editable or a drop-down list
struct ListBox { HWND window = nullptr; };
struct ReportView { HWND window = nullptr; };   // a list view in report form
struct AnyWindow { HWND window = nullptr; };    // a plain control: a panel, a picture, a line

// Texts between the forms and the windows: the forms keep them in the system's code page, with
// the sub-entry mark as its own bytes; windows show the mark as three middle dots.
std::wstring ScreenText(const std::string& text);
std::string FormText(std::wstring_view text);
// A window's text as the form keeps it.
std::string WindowText(HWND window);

// Drawing: each copies the control's state onto its window where it differs.
void DrawControl(HWND window, const forms::Control& control);
void DrawText(HWND window, const std::string& text);
void Draw(StaticText widget, const forms::Label& label);
// Whether a label is drawn in the system's grey-text colour, as its last Draw set it.
bool IsGrayText(HWND label);
void Draw(GroupBox widget, const forms::Frame& frame);
void Draw(PushButton widget, const forms::CommandButton& button);
void Draw(CheckButton widget, const forms::CheckBox& box);
void Draw(EditBox widget, const forms::TextBox& box);
void Draw(ComboBox widget, const forms::ComboBox& combo);
void Draw(ListBox widget, const forms::ListBox& list);
// Shows the selection the form set in an edit field (EM_SETSEL) or a combo's (CB_SETEDITSEL).
void SelectInEdit(HWND window, UINT message, const forms::EditText& edit);

template <typename Control>
struct WidgetFor;
template <typename Widget, typename Control>
struct NativeKind {
  using type = Widget;
  static HWND Handle(Widget widget) { return widget.window; }
  static void Draw(Widget widget, const Control& control) { native::Draw(widget, control); }
};
template <>
struct WidgetFor<forms::Label> : NativeKind<StaticText, forms::Label> {};
template <>
struct WidgetFor<forms::Frame> : NativeKind<GroupBox, forms::Frame> {};
template <>
struct WidgetFor<forms::CommandButton> : NativeKind<PushButton, forms::CommandButton> {};
template <>
struct WidgetFor<forms::CheckBox> : NativeKind<CheckButton, forms::CheckBox> {};
template <>
struct WidgetFor<forms::TextBox> : NativeKind<EditBox, forms::TextBox> {};
template <>
struct WidgetFor<forms::ComboBox> : NativeKind<ComboBox, forms::ComboBox> {};
template <>
struct WidgetFor<forms::ListBox> : NativeKind<ListBox, forms::ListBox> {};
// Controls drawn as any window is: shown or hidden, enabled or not.
template <typename Plain>
struct PlainWindow {
  using type = AnyWindow;
  static HWND Handle(AnyWindow widget) { return widget.window; }
  static void Draw(AnyWindow widget, const Plain& control) { DrawControl(widget.window, control); }
};
template <>
struct WidgetFor<forms::Control> : PlainWindow<forms::Control> {};
template <>
struct WidgetFor<forms::Line> : PlainWindow<forms::Line> {};
template <>
struct WidgetFor<forms::Image> : PlainWindow<forms::Image> {};
// Its rows are drawn by the page that owns the list, which knows their type.
template <>
struct WidgetFor<forms::ListViewBase> {
  using type = ReportView;
  static HWND Handle(ReportView widget) { return widget.window; }
  static void Draw(ReportView widget, const forms::ListViewBase& control) { DrawControl(widget.window, control); }
};

using NativeControls = forms::BoundControls<WidgetFor, HWND>;

}  // namespace kgh::native
