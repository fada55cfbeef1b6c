#include "win32/DialogWindow.h"

#include <commctrl.h>

#include <vector>

#include "platform/win32/AnsiText.h"

namespace kgh::native {
namespace {

// An empty dialog template: the caption, the size in dialog units and the dialog font.
std::vector<WORD> TemplateFor(const std::string& caption, int width, int height) {
  std::vector<WORD> words;
  const DWORD style = DS_SETFONT | DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU;
  words.push_back(LOWORD(style));
  words.push_back(HIWORD(style));
  words.push_back(0);  // extended style
  words.push_back(0);
  words.push_back(0);  // no controls in the template: they are made in code
  for (const int value : {0, 0, width, height}) words.push_back(static_cast<WORD>(value));
  words.push_back(0);  // no menu
  words.push_back(0);  // the standard dialog class
  for (const wchar_t c : win32::FromAnsi(caption)) words.push_back(c);
  words.push_back(0);
  words.push_back(8);  // point size
  for (const wchar_t c : std::wstring(L"MS Shell Dlg")) words.push_back(c);
  words.push_back(0);
  return words;
}

}  // namespace

namespace {

constexpr const char* kPageClass = "KelmarGUIHelperPage";

// A page passes what its controls report on to the dialog, which routes it to the form.
LRESULT CALLBACK PageProcedure(HWND page, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
      return SendMessageA(GetParent(page), message, wparam, lparam);
    case WM_CTLCOLORSTATIC:
      if (const LRESULT brush = SendMessageA(GetParent(page), message, wparam, lparam); brush != 0) return brush;
      return DefWindowProcA(page, message, wparam, lparam);
    default:
      return DefWindowProcA(page, message, wparam, lparam);
  }
}

// The module this code lives in: the automation server's DLL, not the host's program. A class
// registered for it must be gone before the DLL is unloaded, or a later load at another address
// would find the class still pointing into the old one.
HINSTANCE ThisModule() {
  HMODULE module = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCSTR>(&PageProcedure), &module);
  return module;
}

int g_open_dialogs = 0;  // the page class is registered while any dialog is open

void RegisterPageClass() {
  if (g_open_dialogs++ > 0) return;
  WNDCLASSA page_class{};
  page_class.lpfnWndProc = PageProcedure;
  page_class.hInstance = ThisModule();
  page_class.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  page_class.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  page_class.lpszClassName = kPageClass;
  RegisterClassA(&page_class);
}

void UnregisterPageClass() {
  if (--g_open_dialogs == 0) UnregisterClassA(kPageClass, ThisModule());
}

}  // namespace

std::string WindowText(HWND window) {
  std::string text(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1, '\0');
  text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

DialogWindow::DialogWindow(std::string caption, int width_units, int height_units)
    : dispatch_([this] { Redraw(); }),
      caption_(std::move(caption)),
      width_units_(width_units),
      height_units_(height_units) {}

DialogWindow::~DialogWindow() {
  if (window_ != nullptr) DestroyWindow(window_);
  for (const HBITMAP picture : pictures_) DeleteObject(picture);
}

void DialogWindow::RunModal() {
  INITCOMMONCONTROLSEX common{sizeof common, ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES};
  InitCommonControlsEx(&common);
  RegisterPageClass();
  const HWND owner = GetActiveWindow();
  const std::vector<WORD> words = TemplateFor(caption_, width_units_, height_units_);
  window_ = CreateDialogIndirectParamA(ThisModule(), reinterpret_cast<LPCDLGTEMPLATEA>(words.data()), owner,
                                       Procedure, reinterpret_cast<LPARAM>(this));
  if (window_ == nullptr) {
    UnregisterPageClass();
    return;
  }
  if (owner != nullptr) EnableWindow(owner, FALSE);
  ShowWindow(window_, SW_SHOW);
  running_ = true;
  MSG message{};
  while (running_ && GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (message.message == WM_KEYDOWN && (message.hwnd == window_ || IsChild(window_, message.hwnd)) &&
        OnKeyDown(message))
      continue;
    if (IsDialogMessageA(window_, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  if (message.message == WM_QUIT) PostQuitMessage(static_cast<int>(message.wParam));
  if (owner != nullptr) EnableWindow(owner, TRUE);
  DestroyWindow(window_);
  window_ = nullptr;
  UnregisterPageClass();
  if (owner != nullptr) SetActiveWindow(owner);
}

bool DialogWindow::SetFocus(const forms::Control& control) {
  const HWND target = controls_.Find(control);
  if (target == nullptr || !IsWindowVisible(target) || !IsWindowEnabled(target)) return false;
  SendMessageA(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(target), TRUE);
  return true;
}

// Forms were designed in twips with the system's dialog font of the time, whose character cell
// was 6 by 13 pixels at 96 dots per inch (15 twips to the pixel). Dialog units scale with the
// font actually in use, so a rectangle in these units keeps the design's proportions to the text.
RECT DialogWindow::Twips(int left, int top, int width, int height) const {
  const auto across = [](int twips) { return MulDiv(twips, 4, 15 * 6); };
  const auto down = [](int twips) { return MulDiv(twips, 8, 15 * 13); };
  return {across(left), down(top), across(width), down(height)};
}

void DialogWindow::SetClientSizeTwips(int width, int height) {
  const RECT units = Twips(0, 0, width, height);
  RECT frame{0, 0, units.right, units.bottom};
  MapDialogRect(window_, &frame);
  AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrA(window_, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrA(window_, GWL_EXSTYLE)));
  SetWindowPos(window_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND DialogWindow::Add(const char* window_class, const std::string& text, DWORD style, RECT units, DWORD extended) {
  RECT pixels{units.left, units.top, units.left + units.right, units.top + units.bottom};
  MapDialogRect(window_, &pixels);
  const HWND control =
      CreateWindowExA(extended, window_class, text.c_str(), WS_CHILD | WS_VISIBLE | style, pixels.left, pixels.top,
                      pixels.right - pixels.left, pixels.bottom - pixels.top, container_ != nullptr ? container_ : window_,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(next_id_++)), ThisModule(), nullptr);
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  return control;
}


HWND DialogWindow::AddPage(RECT units) {
  const HWND previous = container_;
  container_ = nullptr;
  const HWND page = Add(kPageClass, "", WS_CLIPSIBLINGS, units, WS_EX_CONTROLPARENT);
  container_ = previous;
  return page;
}

StaticText DialogWindow::AddLabel(const std::string& text, RECT units) {
  return {Add("STATIC", text, SS_LEFT, units)};
}

GroupBox DialogWindow::AddFrame(RECT units) { return {Add("BUTTON", "", BS_GROUPBOX, units)}; }

PushButton DialogWindow::AddButton(RECT units, bool default_button) {
  const HWND button = Add("BUTTON", "", WS_TABSTOP | (default_button ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), units);
  // Enter presses the default button through its command id.
  if (default_button) SetWindowLongPtrA(button, GWLP_ID, IDOK);
  return {button};
}

namespace {

// A 16-pixel picture drawn in the button's colours: a folder, or a solid arrow.
HBITMAP GlyphBitmap(Glyph glyph) {
  constexpr int kSize = 16;
  const HDC screen = GetDC(nullptr);
  const HDC canvas = CreateCompatibleDC(screen);
  const HBITMAP bitmap = CreateCompatibleBitmap(screen, kSize, kSize);
  const HGDIOBJ previous_bitmap = SelectObject(canvas, bitmap);
  RECT area{0, 0, kSize, kSize};
  FillRect(canvas, &area, GetSysColorBrush(COLOR_BTNFACE));
  const HBRUSH ink = glyph == Glyph::OpenFolder ? CreateSolidBrush(RGB(236, 196, 84)) : nullptr;
  const HGDIOBJ previous_brush = SelectObject(canvas, ink != nullptr ? ink : GetSysColorBrush(COLOR_BTNTEXT));
  const HGDIOBJ previous_pen = SelectObject(canvas, GetStockObject(glyph == Glyph::OpenFolder ? BLACK_PEN : NULL_PEN));
  POINT shape[6];
  int corners = 3;
  switch (glyph) {
    case Glyph::OpenFolder:
      shape[0] = {1, 4}, shape[1] = {6, 4}, shape[2] = {7, 5}, shape[3] = {14, 5}, shape[4] = {14, 13}, shape[5] = {1, 13};
      corners = 6;
      break;
    case Glyph::ArrowUp: shape[0] = {8, 3}, shape[1] = {14, 11}, shape[2] = {2, 11}; break;
    case Glyph::ArrowDown: shape[0] = {2, 5}, shape[1] = {14, 5}, shape[2] = {8, 13}; break;
    case Glyph::ArrowLeft: shape[0] = {4, 8}, shape[1] = {12, 2}, shape[2] = {12, 14}; break;
    case Glyph::ArrowRight: shape[0] = {4, 2}, shape[1] = {12, 8}, shape[2] = {4, 14}; break;
  }
  Polygon(canvas, shape, corners);
  SelectObject(canvas, previous_pen);
  SelectObject(canvas, previous_brush);
  if (ink != nullptr) DeleteObject(ink);
  SelectObject(canvas, previous_bitmap);
  DeleteDC(canvas);
  ReleaseDC(nullptr, screen);
  return bitmap;
}

}  // namespace

PushButton DialogWindow::AddPictureButton(const char* accessible_name, Glyph glyph, RECT units) {
  const HWND button = Add("BUTTON", accessible_name, WS_TABSTOP | BS_PUSHBUTTON | BS_BITMAP, units);
  pictures_.push_back(GlyphBitmap(glyph));
  SendMessageA(button, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(pictures_.back()));
  return {button};
}

CheckButton DialogWindow::AddCheckBox(RECT units) {
  return {Add("BUTTON", "", WS_TABSTOP | BS_AUTOCHECKBOX, units)};
}

EditBox DialogWindow::AddEditBox(RECT units) {
  return {Add("EDIT", "", WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, units, WS_EX_CLIENTEDGE)};
}

ComboBox DialogWindow::AddComboBox(RECT units, bool editable) {
  // The height includes the drop-down list.
  units.bottom += 80;
  return {Add("COMBOBOX", "", WS_TABSTOP | WS_VSCROLL | (editable ? CBS_DROPDOWN | CBS_AUTOHSCROLL : CBS_DROPDOWNLIST),
              units)};
}

ListBox DialogWindow::AddListBox(RECT units) {
  return {Add("LISTBOX", "", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, units, WS_EX_CLIENTEDGE)};
}

void DialogWindow::On(HWND control, WORD code, std::function<void()> handler) {
  commands_[{GetDlgCtrlID(control), code}] = std::move(handler);
}

void DialogWindow::OnNotify(HWND control, UINT code, std::function<void(const NMHDR&)> handler) {
  notifications_[{control, code}] = std::move(handler);
}

void DialogWindow::Redraw() {
  DrawText(window_, caption_);
  controls_.RenderAll();
  Render();
}

INT_PTR CALLBACK DialogWindow::Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(window, DWLP_USER, lparam);
    auto* self = reinterpret_cast<DialogWindow*>(lparam);
    self->window_ = window;
    self->font_ = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
    self->Build();
    self->dispatch_.Render();
    return TRUE;
  }
  auto* self = reinterpret_cast<DialogWindow*>(GetWindowLongPtrA(window, DWLP_USER));
  return self != nullptr ? self->Handle(message, wparam, lparam) : FALSE;
}

INT_PTR DialogWindow::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_CLOSE) {
    dispatch_([this] { OnCancel(); });
    return TRUE;
  }
  if (message == WM_CTLCOLORSTATIC && IsGrayText(reinterpret_cast<HWND>(lparam))) {
    const auto canvas = reinterpret_cast<HDC>(wparam);
    SetTextColor(canvas, GetSysColor(COLOR_GRAYTEXT));
    SetBkColor(canvas, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
  }
  if (message == WM_COMMAND) {
    if (LOWORD(wparam) == IDCANCEL && lparam == 0) {  // Esc
      dispatch_([this] { OnCancel(); });
      return TRUE;
    }
    const auto found = commands_.find({LOWORD(wparam), HIWORD(wparam)});
    if (found == commands_.end()) return FALSE;
    dispatch_(found->second);
    return TRUE;
  }
  if (message == WM_NOTIFY) {
    const auto& header = *reinterpret_cast<const NMHDR*>(lparam);
    const auto found = notifications_.find({header.hwndFrom, header.code});
    if (found == notifications_.end()) return FALSE;
    const auto handler = found->second;
    dispatch_([&handler, &header] { handler(header); });
    return TRUE;
  }
  return FALSE;
}

}  // namespace kgh::native
