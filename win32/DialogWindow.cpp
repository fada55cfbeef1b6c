#include "win32/DialogWindow.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "platform/win32/AnsiText.h"
#include "platform/win32/Win32Help.h"

namespace kgh::native {
namespace {

// An empty dialog template: the caption, the size in dialog units and the dialog font.
std::vector<WORD> TemplateFor(const std::string& caption, int width, int height) {
  std::vector<WORD> words;
  const DWORD style = DS_SETFONT | DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
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

DialogWindow::DialogWindow(const std::string& caption, int width_units, int height_units)
    : dispatch_([this] { Redraw(); }),
      caption_(caption),
      width_units_(width_units),
      height_units_(height_units) {}

DialogWindow::~DialogWindow() {
  if (window_ != nullptr) DestroyWindow(window_);
  for (const HICON picture : pictures_) DestroyIcon(picture);
  for (const HBITMAP bitmap : bitmaps_) DeleteObject(bitmap);
  for (const HFONT font : fonts_) DeleteObject(font);
}

void DialogWindow::EndModal() {
  running_ = false;
  if (window_ == nullptr) return;
  // The owner first, so that it, not some other window, becomes active when this one goes.
  if (owner_ != nullptr) EnableWindow(owner_, TRUE);
  ShowWindow(window_, SW_HIDE);
}

void DialogWindow::SetHelpTopic(const char* page) {
  help_topic_ = page;
  if (window_ != nullptr) win32::SetHelpTopic(window_, page);
}

// Over the owner's middle, kept on the owner's screen; in the middle of the screen without one.
void DialogWindow::CentreOverOwner() {
  RECT own{};
  GetWindowRect(window_, &own);
  const int width = own.right - own.left, height = own.bottom - own.top;
  MONITORINFO screen{sizeof screen, {}, {}, 0};
  GetMonitorInfoA(MonitorFromWindow(owner_ != nullptr ? owner_ : window_, MONITOR_DEFAULTTOPRIMARY), &screen);
  RECT over = screen.rcWork;
  if (owner_ != nullptr) GetWindowRect(owner_, &over);
  int left = over.left + (over.right - over.left - width) / 2;
  int top = over.top + (over.bottom - over.top - height) / 2;
  left = std::max(static_cast<int>(screen.rcWork.left), std::min(left, static_cast<int>(screen.rcWork.right) - width));
  top = std::max(static_cast<int>(screen.rcWork.top), std::min(top, static_cast<int>(screen.rcWork.bottom) - height));
  SetWindowPos(window_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void DialogWindow::RunModal() {
  INITCOMMONCONTROLSEX common{sizeof common, ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES | ICC_TAB_CLASSES};
  InitCommonControlsEx(&common);
  RegisterPageClass();
  const HWND owner = GetActiveWindow();
  owner_ = owner;
  const std::vector<WORD> words = TemplateFor(caption_, width_units_, height_units_);
  window_ = CreateDialogIndirectParamA(ThisModule(), reinterpret_cast<LPCDLGTEMPLATEA>(words.data()), owner,
                                       Procedure, reinterpret_cast<LPARAM>(this));
  if (window_ == nullptr) {
    UnregisterPageClass();
    return;
  }
  CentreOverOwner();
  if (owner != nullptr) EnableWindow(owner, FALSE);
  ShowWindow(window_, SW_SHOW);
  running_ = true;
  MSG message{};
  while (running_ && GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (message.message == WM_KEYDOWN && (message.hwnd == window_ || IsChild(window_, message.hwnd))) {
      if (message.wParam == VK_F1 && help_key_) {
        dispatch_(help_key_);
        continue;
      }
      if (OnKeyDown(message)) continue;
    }
    if (IsDialogMessageA(window_, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  if (message.message == WM_QUIT) PostQuitMessage(static_cast<int>(message.wParam));
  if (owner != nullptr) EnableWindow(owner, TRUE);
  DestroyWindow(window_);
  window_ = nullptr;
  owner_ = nullptr;
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
RECT DialogWindow::Twips(int left, int top, int width, int height) {
  const auto across = [](int twips) { return MulDiv(twips, 4, 15 * 6); };
  const auto down = [](int twips) { return MulDiv(twips, 8, 15 * 13); };
  return {across(left), down(top), across(width), down(height)};
}

HWND DialogWindow::Add(const char* window_class, const std::string& text, DWORD style, RECT units, DWORD extended) {
  return CreateControl(window_class, text, style, InPixels(units), container_ != nullptr ? container_ : window_, extended);
}

RECT DialogWindow::InPixels(RECT units) const {
  RECT pixels{units.left, units.top, units.left + units.right, units.top + units.bottom};
  MapDialogRect(window_, &pixels);
  return pixels;
}

HWND DialogWindow::CreateControl(const char* window_class, const std::string& text, DWORD style, RECT pixels,
                                 HWND parent, DWORD extended) {
  const HWND control =
      CreateWindowExA(extended, window_class, text.c_str(), WS_CHILD | WS_VISIBLE | style, pixels.left, pixels.top,
                      pixels.right - pixels.left, pixels.bottom - pixels.top, parent,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(next_id_++)), ThisModule(), nullptr);
  SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  return control;
}

HWND DialogWindow::AddPage(RECT units) { return AddPageAt(InPixels(units)); }

// Pages lie on the dialog itself, whatever PlaceInto chose for the controls.
HWND DialogWindow::AddPageAt(RECT pixels) {
  return CreateControl(kPageClass, "", WS_CLIPSIBLINGS, pixels, window_, WS_EX_CONTROLPARENT);
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

// The outline of a 16-pixel picture: a folder, or a solid arrow.
std::vector<POINT> GlyphShape(Glyph glyph) {
  switch (glyph) {
    case Glyph::None: return {};
    case Glyph::OpenFolder: return {{1, 4}, {6, 4}, {7, 5}, {14, 5}, {14, 13}, {1, 13}};
    case Glyph::ArrowUp: return {{8, 3}, {14, 11}, {2, 11}};
    case Glyph::ArrowDown: return {{2, 5}, {14, 5}, {8, 13}};
    case Glyph::ArrowLeft: return {{4, 8}, {12, 2}, {12, 14}};
    case Glyph::ArrowRight: return {{4, 2}, {12, 8}, {4, 14}};
  }
  return {};
}

// Fills `shape` on a 16-pixel bitmap over `background`, with `ink` and an outline of `pen`.
void Paint(HDC canvas, HBITMAP bitmap, int background, HBRUSH ink, int pen, const std::vector<POINT>& shape) {
  const HGDIOBJ previous_bitmap = SelectObject(canvas, bitmap);
  RECT area{0, 0, 16, 16};
  FillRect(canvas, &area, static_cast<HBRUSH>(GetStockObject(background)));
  const HGDIOBJ previous_brush = SelectObject(canvas, ink);
  const HGDIOBJ previous_pen = SelectObject(canvas, GetStockObject(pen));
  Polygon(canvas, shape.data(), static_cast<int>(shape.size()));
  SelectObject(canvas, previous_pen);
  SelectObject(canvas, previous_brush);
  SelectObject(canvas, previous_bitmap);
}

// The picture as an icon: its mask keeps the button's face around the shape, and tells the
// system which pixels to grey while the button is disabled.
HICON GlyphIcon(Glyph glyph) {
  constexpr int kSize = 16;
  const std::vector<POINT> shape = GlyphShape(glyph);
  const bool folder = glyph == Glyph::OpenFolder;
  const HDC screen = GetDC(nullptr);
  const HDC canvas = CreateCompatibleDC(screen);
  const HBITMAP colour = CreateCompatibleBitmap(screen, kSize, kSize);
  const HBITMAP mask = CreateBitmap(kSize, kSize, 1, 1, nullptr);
  const HBRUSH ink = CreateSolidBrush(folder ? RGB(236, 196, 84) : GetSysColor(COLOR_BTNTEXT));
  // Colour: the shape over black, which leaves the face as it is; mask: black where the shape is.
  Paint(canvas, colour, BLACK_BRUSH, ink, folder ? BLACK_PEN : NULL_PEN, shape);
  Paint(canvas, mask, WHITE_BRUSH, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)), folder ? BLACK_PEN : NULL_PEN,
        shape);
  ICONINFO parts{TRUE, 0, 0, mask, colour};
  const HICON icon = CreateIconIndirect(&parts);
  DeleteObject(ink);
  DeleteObject(mask);
  DeleteObject(colour);
  DeleteDC(canvas);
  ReleaseDC(nullptr, screen);
  return icon;
}

}  // namespace

PushButton DialogWindow::AddPictureButton(const char* accessible_name, Glyph glyph, RECT units) {
  const HWND button = Add("BUTTON", accessible_name, WS_TABSTOP | BS_PUSHBUTTON | BS_ICON, units);
  pictures_.push_back(GlyphIcon(glyph));
  SendMessageA(button, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(pictures_.back()));
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
  const HWND focus = GetFocus();
  DrawText(window_, caption_);
  controls_.RenderAll();
  Render();
  // A control that has just been disabled or hidden (the system then takes the focus away) hands
  // the keyboard on to the next one, as Tab would: a dialog with no focus ignores Enter.
  // Before the dialog is shown every control counts as hidden; the dialog manager places the
  // focus itself then.
  if (focus == nullptr || !IsChild(window_, focus) || !IsWindowVisible(window_)) return;
  const HWND now = GetFocus();
  if (now != nullptr && IsWindowEnabled(now) && IsWindowVisible(now)) return;
  if (const HWND next = GetNextDlgTabItem(window_, focus, FALSE); next != nullptr)
    SendMessageA(window_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), TRUE);
}

INT_PTR CALLBACK DialogWindow::Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrA(window, DWLP_USER, lparam);
    auto* self = reinterpret_cast<DialogWindow*>(lparam);
    self->window_ = window;
    self->font_ = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
    if (self->help_topic_ != nullptr) win32::SetHelpTopic(window, self->help_topic_);
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
