#include "win32/NativeWidgets.h"

#include <string>

#include "config/ConfigFormat.h"
#include "platform/win32/AnsiText.h"

namespace kgh::native {

// The sub-entry mark is the one text of the forms that is not in the system's code page.
constexpr std::wstring_view kShownSubEntryMark = L"\u00B7\u00B7\u00B7";

std::wstring ScreenText(const std::string& text) {
  if (!HasSubEntryMark(text)) return win32::FromAnsi(text);
  return std::wstring(kShownSubEntryMark) + win32::FromAnsi(WithoutSubEntryMark(text));
}

std::string FormText(std::wstring_view text) {
  if (text.substr(0, kShownSubEntryMark.size()) != kShownSubEntryMark) return win32::ToAnsi(text);
  return std::string(kSubEntryMark) + win32::ToAnsi(text.substr(kShownSubEntryMark.size()));
}

namespace {

std::string TextOf(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return FormText(text);
}

std::string ItemText(HWND window, UINT length_message, UINT text_message, WPARAM index) {
  const LRESULT length = SendMessageA(window, length_message, index, 0);
  if (length < 0) return "";
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  SendMessageA(window, text_message, index, reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

}  // namespace

void DrawControl(HWND window, const forms::Control& control) {
  if ((IsWindowEnabled(window) != 0) != control.enabled) EnableWindow(window, control.enabled ? TRUE : FALSE);
  const bool shown = (GetWindowLongPtrA(window, GWL_STYLE) & WS_VISIBLE) != 0;
  if (shown != control.visible) ShowWindow(window, control.visible ? SW_SHOWNA : SW_HIDE);
}

void DrawText(HWND window, const std::string& text) {
  if (TextOf(window) != text) SetWindowTextW(window, ScreenText(text).c_str());
}

std::string WindowText(HWND window) { return TextOf(window); }

namespace {
constexpr const char* kGrayTextProperty = "KelmarGUIHelperGrayText";
}  // namespace

bool IsGrayText(HWND label) { return GetPropA(label, kGrayTextProperty) != nullptr; }

void Draw(StaticText widget, const forms::Label& label) {
  DrawControl(widget.window, label);
  // The dialog paints the text in this colour when the label asks for it (WM_CTLCOLORSTATIC).
  const bool gray = label.color == forms::TextColor::GrayText;
  if (gray != IsGrayText(widget.window)) {
    if (gray) SetPropA(widget.window, kGrayTextProperty, reinterpret_cast<HANDLE>(1));
    else RemovePropA(widget.window, kGrayTextProperty);
    InvalidateRect(widget.window, nullptr, TRUE);
  }
  // Texts from the string table break lines with CR LF already; the static control wants that.
  DrawText(widget.window, label.caption);
}

void Draw(GroupBox widget, const forms::Frame& frame) {
  DrawControl(widget.window, frame);
  DrawText(widget.window, frame.caption);
}

void Draw(PushButton widget, const forms::CommandButton& button) {
  DrawControl(widget.window, button);
  // A picture button keeps the name its view gave it as its text, for assistive technology.
  const bool picture = (GetWindowLongPtrA(widget.window, GWL_STYLE) & (BS_BITMAP | BS_ICON)) != 0;
  if (!(picture && button.caption.empty())) DrawText(widget.window, button.caption);
}

void Draw(CheckButton widget, const forms::CheckBox& box) {
  DrawControl(widget.window, box);
  DrawText(widget.window, box.caption);
  const WPARAM state = box.value != 0 ? BST_CHECKED : BST_UNCHECKED;
  if (static_cast<WPARAM>(SendMessageA(widget.window, BM_GETCHECK, 0, 0)) != state)
    SendMessageA(widget.window, BM_SETCHECK, state, 0);
}

void Draw(EditBox widget, const forms::TextBox& box) {
  DrawControl(widget.window, box);
  DrawText(widget.window, box.text);
}

void Draw(ComboBox widget, const forms::ComboBox& combo) {
  DrawControl(widget.window, combo);
  const HWND window = widget.window;
  bool same = SendMessageA(window, CB_GETCOUNT, 0, 0) == static_cast<LRESULT>(combo.items.size());
  for (std::size_t i = 0; same && i < combo.items.size(); ++i)
    same = ItemText(window, CB_GETLBTEXTLEN, CB_GETLBTEXT, i) == combo.items[i].text;
  if (!same) {
    SendMessageA(window, CB_RESETCONTENT, 0, 0);
    for (const forms::ComboItem& item : combo.items) {
      const LRESULT index = SendMessageA(window, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.text.c_str()));
      SendMessageA(window, CB_SETITEMDATA, static_cast<WPARAM>(index), item.item_data);
    }
  }
  if (combo.editable) {
    // The edit text is the value; which preset it came from does not matter.
    DrawText(window, combo.text);
    return;
  }
  if (SendMessageA(window, CB_GETCURSEL, 0, 0) != combo.list_index)
    SendMessageA(window, CB_SETCURSEL, static_cast<WPARAM>(combo.list_index), 0);
}

void Draw(ListBox widget, const forms::ListBox& list) {
  DrawControl(widget.window, list);
  const HWND window = widget.window;
  const auto count = static_cast<LRESULT>(list.items.size());
  while (SendMessageA(window, LB_GETCOUNT, 0, 0) > count)
    SendMessageA(window, LB_DELETESTRING, static_cast<WPARAM>(SendMessageA(window, LB_GETCOUNT, 0, 0) - 1), 0);
  for (LRESULT i = 0; i < count; ++i) {
    const std::string& text = list.items[static_cast<std::size_t>(i)];
    if (i >= SendMessageA(window, LB_GETCOUNT, 0, 0)) {
      SendMessageA(window, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    } else if (ItemText(window, LB_GETTEXTLEN, LB_GETTEXT, static_cast<WPARAM>(i)) != text) {
      SendMessageA(window, LB_DELETESTRING, static_cast<WPARAM>(i), 0);
      SendMessageA(window, LB_INSERTSTRING, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text.c_str()));
    }
  }
  if (SendMessageA(window, LB_GETCURSEL, 0, 0) != list.list_index)
    SendMessageA(window, LB_SETCURSEL, static_cast<WPARAM>(list.list_index), 0);
}

void SelectInEdit(HWND window, UINT message, const forms::EditText& edit) {
  // Both count characters; the field clips a selection past its end.
  const auto clip = [](std::size_t n) { return n < 0x7FFF ? static_cast<WORD>(n) : static_cast<WORD>(0x7FFF); };
  const WORD start = clip(edit.sel_start);
  const WORD end = clip(edit.sel_start + edit.sel_length);
  if (message == CB_SETEDITSEL) SendMessageA(window, message, 0, MAKELPARAM(start, end));
  else SendMessageA(window, message, start, end);
}

}  // namespace kgh::native
