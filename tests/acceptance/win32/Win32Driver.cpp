// The scenarios' driver for the native front-end, run as a Windows program: the dialogs run on
// the main thread as a host's call shows them, and the scenario acts from another with real input
// (SendInput: keys with their modifiers, Unicode text, mouse clicks at a control's place). State
// is read as the system's accessibility layer reads standard controls: names from window texts
// (a box named by the label before it), states from the controls' own messages.
#include <windows.h>

#include <commctrl.h>
#include <objbase.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <thread>

#include "acceptance/Scenario.h"
#include "component/SetupOrvex.h"
#include "win32/NativeServices.h"

namespace kgh::acceptance {
namespace {

constexpr UINT kRunHostCall = WM_APP + 1;    // posted: runs the pending host call
constexpr UINT kQuery = WM_APP + 2;          // sent: lparam is a std::function<void()> to run
constexpr UINT kScenarioEnded = WM_APP + 3;  // posted
constexpr UINT_PTR kCloseTimer = 1;

std::string Utf8(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr,
                                       nullptr);
  std::string text(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), text.data(), size, nullptr, nullptr);
  return text;
}

std::wstring Wide(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring text(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text.data(), size);
  return text;
}

std::string TextOf(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return Utf8(text);
}

// Without access-key marks: "&Add..." reads "Add...".
std::string Plain(const std::string& text) {
  std::string plain;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) ++i;
    plain += text[i];
  }
  return plain;
}

std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

// An etched line drawn by a static control.
bool IsRule(HWND window) {
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
  return ClassOf(window) == "Static" && (style & SS_TYPEMASK) == SS_ETCHEDHORZ;
}

Box ScreenBox(HWND window) {
  RECT area{};
  GetWindowRect(window, &area);
  return {area.left, area.top, area.right, area.bottom};
}

bool IsLabel(HWND window) { return ClassOf(window) == "Static"; }

// The name assistive technology gives a control: a button's caption, or for a box or list the
// text of the label that comes before it.
std::string NameOf(HWND window) {
  const std::string kind = ClassOf(window);
  if (kind == "Button" || kind == "Static") return Plain(TextOf(window));
  for (HWND before = GetWindow(window, GW_HWNDPREV); before != nullptr; before = GetWindow(before, GW_HWNDPREV)) {
    if (!IsLabel(before)) break;
    if (const std::string label = TextOf(before); !label.empty()) return Plain(label);
  }
  return "";
}

// The controls of a window, as assistive technology lists them: an editable combo box's edit
// field is part of the combo box.
std::vector<HWND> ControlsOf(HWND window) {
  std::vector<HWND> controls;
  EnumChildWindows(
      window,
      [](HWND child, LPARAM found) {
        const std::string kind = ClassOf(GetParent(child));
        if (kind != "ComboBox" && ClassOf(child) != "KelmarGUIHelperPage")
          reinterpret_cast<std::vector<HWND>*>(found)->push_back(child);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&controls));
  return controls;
}

// Real input: keys pressed and released in order.
void SendKeys(const std::vector<std::pair<WORD, bool>>& strokes) {
  std::vector<INPUT> inputs;
  for (const auto& [key, down] : strokes) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    inputs.push_back(input);
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

WORD KeyCode(const std::string& name) {
  static const std::map<std::string, WORD> named = {{"Enter", VK_RETURN}, {"Esc", VK_ESCAPE}, {"Tab", VK_TAB},
                                                    {"Down", VK_DOWN},    {"Up", VK_UP},        {"Space", VK_SPACE},
                                                    {"Home", VK_HOME},    {"F1", VK_F1}};
  if (const auto found = named.find(name); found != named.end()) return found->second;
  return static_cast<WORD>(std::toupper(static_cast<unsigned char>(name[0])));
}

void ClickAtScreen(int x, int y) {
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  INPUT inputs[3] = {};
  for (INPUT& input : inputs) {
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(x, 65535, width - 1);
    input.mi.dy = MulDiv(y, 65535, height - 1);
  }
  inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
  inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
  SendInput(3, inputs, sizeof(INPUT));
}

// The pixels of a part of the screen as the display shows it, top row first, 32 bits each.
std::vector<DWORD> ScreenPixels(const Box& box) {
  const int width = box.right - box.left, height = box.bottom - box.top;
  const HDC screen = GetDC(nullptr);
  BITMAPINFO format{};
  format.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  const HBITMAP copy = CreateDIBSection(screen, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HDC canvas = CreateCompatibleDC(screen);
  const HGDIOBJ previous = SelectObject(canvas, copy);
  BitBlt(canvas, 0, 0, width, height, screen, box.left, box.top, SRCCOPY);
  GdiFlush();
  const auto* first = static_cast<const DWORD*>(bits);
  std::vector<DWORD> pixels(first, first + static_cast<std::ptrdiff_t>(width) * height);
  SelectObject(canvas, previous);
  DeleteDC(canvas);
  DeleteObject(copy);
  ReleaseDC(nullptr, screen);
  return pixels;
}

// A 32-bit BMP file of the pixels, opaque; the picture script turns it into PNG.
void WriteBitmapFile(const std::string& path, std::vector<DWORD> pixels, int width, int height) {
  for (DWORD& pixel : pixels) pixel |= 0xFF000000;  // the display leaves the fourth byte 0: transparent
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{sizeof info, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = static_cast<DWORD>(file.bfOffBits + pixels.size() * sizeof(DWORD));
  if (FILE* out = std::fopen(path.c_str(), "wb")) {
    std::fwrite(&file, sizeof file, 1, out);
    std::fwrite(&info, sizeof info, 1, out);
    std::fwrite(pixels.data(), sizeof(DWORD), pixels.size(), out);
    std::fclose(out);
  }
}

class Win32Driver final : public Driver {
 public:
  Win32Driver() : ui_thread_(GetCurrentThreadId()) {
    // As in every host of the automation server: the wizard's pictures are decoded through COM.
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    WNDCLASSW kind{};
    kind.lpfnWndProc = &Win32Driver::Procedure;
    kind.hInstance = GetModuleHandleW(nullptr);
    kind.lpszClassName = L"KelmarGUIHelperDriver";
    RegisterClassW(&kind);
    helper_ = CreateWindowW(kind.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, kind.hInstance, nullptr);
    SetWindowLongPtrW(helper_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }


  void Run(const std::function<void()>& scenario) override {
    help_opened_.clear();
    scenario_ended_ = false;
    std::thread runner([&] {
      scenario();
      scenario_ended_ = true;
      PostMessageW(helper_, kScenarioEnded, 0, 0);
    });
    MSG message{};
    while (!(scenario_ended_ && !call_running_) && GetMessageW(&message, nullptr, 0, 0) > 0) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    runner.join();
    KillTimer(helper_, kCloseTimer);
    EXPECT_FALSE(left_open_) << "the scenario left the host's call running";
    left_open_ = false;
  }

  void StartHostCall(std::function<void(SetupOrvex&)> call) override {
    pending_call_ = std::move(call);
    call_running_ = true;
    PostMessageW(helper_, kRunHostCall, 0, 0);
    Settle();
  }

  bool WaitForHostCall() override { return Eventually([this] { return !call_running_; }); }
  void SetComponentFolder(const std::string& folder) override { component_folder_ = folder; }

  std::vector<std::string> ShownWindows() override {
    return OnUi([this] {
      std::vector<std::string> titles;
      for (HWND window : Windows()) titles.push_back(TextOf(window));
      return titles;
    });
  }

  std::string ActiveWindow() override {
    return OnUi([this] {
      const HWND front = Front();
      return front == nullptr ? std::string() : TextOf(front);
    });
  }

  bool WaitForWindow(const std::string& title) override {
    return Eventually([&] { return ActiveWindow() == title; });
  }

  Box WindowBox(const std::string& title) override {
    return OnUi([&] {
      for (HWND window : Windows())
        if (TextOf(window) == title) return ScreenBox(window);
      return Box{};
    });
  }

  void DragWindow(int right, int down) override {
    OnUi([&] {
      if (const HWND front = Front()) {
        RECT area{};
        GetWindowRect(front, &area);
        SetWindowPos(front, nullptr, area.left + right, area.top + down, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
      }
      return 0;
    });
    Settle();
  }

  void Press(const std::string& keys) override {
    std::vector<WORD> modifiers;
    std::string rest = keys;
    for (const auto& [prefix, key] : {std::pair{"Ctrl+", VK_CONTROL}, {"Shift+", VK_SHIFT}, {"Alt+", VK_MENU}}) {
      if (const auto at = rest.find(prefix); at != std::string::npos) {
        rest.erase(at, std::string(prefix).size());
        modifiers.push_back(static_cast<WORD>(key));
      }
    }
    std::vector<std::pair<WORD, bool>> strokes;
    for (const WORD modifier : modifiers) strokes.emplace_back(modifier, true);
    strokes.emplace_back(KeyCode(rest), true);
    strokes.emplace_back(KeyCode(rest), false);
    for (auto modifier = modifiers.rbegin(); modifier != modifiers.rend(); ++modifier) strokes.emplace_back(*modifier, false);
    BringFrontForward();
    SendKeys(strokes);
    Settle();
  }

  void Type(const std::string& text) override {
    BringFrontForward();
    std::vector<INPUT> inputs;
    for (const wchar_t unit : Wide(text)) {
      for (const DWORD up : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wScan = unit;
        input.ki.dwFlags = KEYEVENTF_UNICODE | up;
        inputs.push_back(input);
      }
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    Settle();
  }

  void Click(const std::string& name) override {
    ClickWhere([&] {
      const HWND control = Find(name);
      RECT area{};
      if (control != nullptr) GetClientRect(control, &area);
      return std::pair{control, area};
    });
  }

  void ClickTab(const std::string& caption) override {
    ClickWhere([&] {
      const HWND tabs = TabStrip();
      const TabsState state = ReadTabs(tabs);
      const auto found = std::find(state.captions.begin(), state.captions.end(), caption);
      RECT area{};
      if (found == state.captions.end()) {
        ADD_FAILURE() << "no tab \"" << caption << "\"";
        return std::pair<HWND, RECT>{nullptr, area};
      }
      SendMessageW(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(found - state.captions.begin()),
                   reinterpret_cast<LPARAM>(&area));
      return std::pair{tabs, area};
    });
  }

  void ClickRow(const std::string& list, int row) override {
    ClickWhere([&] {
      const HWND control = Find(list);
      RECT area{};
      if (control != nullptr && ClassOf(control) == WC_LISTVIEWA) {
        area.left = LVIR_LABEL;
        SendMessageW(control, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&area));
      } else if (control != nullptr) {
        SendMessageW(control, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&area));
      }
      return std::pair{control, area};
    });
  }

  ControlState Control(const std::string& name) override {
    return OnUi([&] {
      ControlState state;
      const HWND control = Find(name, false);
      if (control == nullptr) return state;
      state.visible = IsWindowVisible(control) != 0;
      state.enabled = IsWindowEnabled(control) != 0;
      const LONG_PTR kind = GetWindowLongPtrW(control, GWL_STYLE) & BS_TYPEMASK;
      if (ClassOf(control) == "Button" && (kind == BS_AUTOCHECKBOX || kind == BS_CHECKBOX))
        state.checked = SendMessageW(control, BM_GETCHECK, 0, 0) == BST_CHECKED;
      if (ClassOf(control) == "Edit" || ClassOf(control) == "ComboBox") state.value = TextOf(control);
      return state;
    });
  }

  ListState List(const std::string& name) override {
    return OnUi([&] {
      ListState state;
      const HWND list = Find(name);
      if (list == nullptr) return state;
      if (ClassOf(list) == WC_LISTVIEWA) {
        const auto count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
        for (int row = 0; row < count; ++row) {
          wchar_t text[512] = {};
          LVITEMW item{};
          item.pszText = text;
          item.cchTextMax = 512;
          SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
          state.rows.push_back(Utf8(text));
          if (SendMessageW(list, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED) & LVIS_SELECTED)
            state.selected.push_back(row);
        }
      } else {
        const auto count = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
        for (int row = 0; row < count; ++row) {
          std::wstring text(static_cast<std::size_t>(SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(row), 0)) + 1,
                            L'\0');
          text.resize(static_cast<std::size_t>(
              SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text.data()))));
          state.rows.push_back(Utf8(text));
        }
        if (const auto selected = static_cast<int>(SendMessageW(list, LB_GETCURSEL, 0, 0)); selected >= 0)
          state.selected.push_back(selected);
      }
      return state;
    });
  }

  TabsState Tabs() override {
    return OnUi([this] { return ReadTabs(TabStrip()); });
  }

  std::string FocusedControl() override {
    return OnUi([] {
      HWND focus = GetFocus();
      if (focus != nullptr && ClassOf(GetParent(focus)) == "ComboBox") focus = GetParent(focus);
      return focus == nullptr ? std::string() : NameOf(focus);
    });
  }

  std::string MessageText() override {
    return OnUi([this] {
      const HWND front = Front();
      const HWND text = front == nullptr ? nullptr : GetDlgItem(front, 0xFFFF);
      return text == nullptr ? std::string() : TextOf(text);
    });
  }

  DialogLayout OptionsLayout() override {
    return OnUi([this] {
      DialogLayout layout;
      const HWND tabs = TabStrip();
      if (tabs == nullptr) return layout;
      const HWND dialog = GetParent(tabs);
      RECT area{};
      GetClientRect(tabs, &area);
      SendMessageW(tabs, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
      MapWindowPoints(tabs, nullptr, reinterpret_cast<POINT*>(&area), 2);
      layout.tab_display = {area.left, area.top, area.right, area.bottom};
      std::map<int, HWND> pages;  // by control id: in the order they were made, the tabs' order
      for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if (ClassOf(child) == "KelmarGUIHelperPage") pages[GetDlgCtrlID(child)] = child;
        const LONG_PTR kind = GetWindowLongPtrW(child, GWL_STYLE) & BS_TYPEMASK;
        if (ClassOf(child) == "Button" && (kind == BS_PUSHBUTTON || kind == BS_DEFPUSHBUTTON))
          layout.push_buttons.emplace_back(NameOf(child), ScreenBox(child));
      }
      for (const auto& [id, page] : pages) {
        layout.pages.push_back(ScreenBox(page));
        auto& controls = layout.page_controls.emplace_back();
        // Every control shown on it; etched rules, which assistive technology reads as separators,
        // are left out as the Qt driver leaves them out.
        for (HWND child = GetWindow(page, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
          if ((GetWindowLongPtrW(child, GWL_STYLE) & WS_VISIBLE) != 0 && !IsRule(child))
            controls.emplace_back(NameOf(child).empty() ? ClassOf(child) : NameOf(child), ScreenBox(child));
      }
      return layout;
    });
  }

  int ColoursShown(const std::string& name) override {
    const Box box = ShownOnScreen([&] { return Find(name); });
    const int width = box.right - box.left, height = box.bottom - box.top;
    if (width <= 0 || height <= 0) return 0;
    const std::vector<DWORD> pixels = OnUi([&] { return ScreenPixels(box); });
    std::set<DWORD> colours;
    for (int y = height / 4; y < height * 3 / 4; ++y)
      for (int x = width / 4; x < width * 3 / 4; ++x) colours.insert(pixels[static_cast<std::size_t>(y * width + x)]);
    return static_cast<int>(colours.size());
  }

  std::vector<std::string> HelpPagesOpened() override {
    return OnUi([this] { return help_opened_; });
  }

  void Picture(const std::string& name) override {
    const char* folder = std::getenv("KGH_PICTURES");
    if (folder == nullptr || *folder == '\0') return;
    const Box box = ShownOnScreen([this] { return Front(); });
    if (box.right <= box.left) return;
    const std::vector<DWORD> pixels = OnUi([&] { return ScreenPixels(box); });
    WriteBitmapFile(std::string(folder) + "\\native-" + name + ".bmp", pixels, box.right - box.left,
                    box.bottom - box.top);
  }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    auto* self = reinterpret_cast<Win32Driver*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcW(window, message, wparam, lparam);
    switch (message) {
      case kRunHostCall:
        self->RunHostCall();
        return 0;
      case kQuery:
        (*reinterpret_cast<std::function<void()>*>(lparam))();
        return 0;
      case kScenarioEnded:
        // A dialog the scenario left open is closed, so that the next scenario starts afresh.
        if (self->call_running_) {
          self->left_open_ = true;
          SetTimer(window, kCloseTimer, 200, nullptr);
        }
        return 0;
      case WM_TIMER:
        if (const HWND front = self->Front()) PostMessageW(front, WM_CLOSE, 0, 0);
        return 0;
      default:
        return DefWindowProcW(window, message, wparam, lparam);
    }
  }

  void RunHostCall() {
    const std::function<void(SetupOrvex&)> call = std::move(pending_call_);
    native::NativeServices services(GetModuleHandleW(nullptr), component_folder_,
                                    win32::Win32Help([this](const std::string& path) {
                                      help_opened_.push_back(path.substr(path.find_last_of("\\/") + 1));
                                    }));
    SetupOrvex component(services.Component());
    call(component);
    call_running_ = false;
  }

  // The shown windows of the dialogs' thread, with a title bar (not tips or menus).
  std::vector<HWND> Windows() const {
    std::vector<HWND> windows;
    EnumThreadWindows(
        ui_thread_,
        [](HWND window, LPARAM found) {
          if (IsWindowVisible(window) && (GetWindowLongPtrW(window, GWL_STYLE) & WS_CAPTION) == WS_CAPTION)
            reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
  }

  // The window the user works in: the shown one that its modal dialogs have not disabled.
  HWND Front() const {
    for (HWND window : Windows())
      if (IsWindowEnabled(window)) return window;
    return nullptr;
  }

  // Clicks the middle of the area that `where` finds, on the dialogs' thread, in a window's
  // client coordinates; nothing when it finds no window.
  void ClickWhere(const std::function<std::pair<HWND, RECT>()>& where) {
    const POINT at = OnUi([&] {
      const auto [window, area] = where();
      POINT middle{(area.left + area.right) / 2, (area.top + area.bottom) / 2};
      if (window == nullptr) return POINT{-1, -1};
      ClientToScreen(window, &middle);
      return middle;
    });
    if (at.x < 0) return;
    ClickAtScreen(at.x, at.y);
    Settle();
  }

  // Where the window `which` finds lies on screen, once it has been drawn afresh and the display
  // has been given the new pixels (the system hands them over between its messages).
  Box ShownOnScreen(const std::function<HWND()>& which) {
    const Box box = OnUi([&] {
      const HWND window = which();
      if (window == nullptr) return Box{};
      RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
      // The client area: on a display without a window manager nobody draws the frame.
      RECT area{};
      GetClientRect(window, &area);
      MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&area), 2);
      return Box{area.left, area.top, area.right, area.bottom};
    });
    Sleep(500);
    Settle();
    return box;
  }

  // A desktop's window manager gives the keyboard to the window in front; Xvfb has none. The
  // display confirms the change a moment later, and the window takes its focus back then: keys
  // sent before that would land on either side of it.
  void BringFrontForward() {
    const bool moved = OnUi([this] {
      const HWND front = Front();
      if (front == nullptr || GetForegroundWindow() == front) return false;
      SetForegroundWindow(front);
      return true;
    });
    if (!moved) return;
    Sleep(300);
    Settle();
  }

  HWND TabStrip() const {
    const HWND front = Front();
    for (HWND control : front == nullptr ? std::vector<HWND>{} : ControlsOf(front))
      if (ClassOf(control) == WC_TABCONTROLA) return control;
    return nullptr;
  }

  static TabsState ReadTabs(HWND tabs) {
    TabsState state;
    if (tabs == nullptr) return state;
    const auto tips = reinterpret_cast<HWND>(SendMessageW(tabs, TCM_GETTOOLTIPS, 0, 0));
    const auto count = static_cast<int>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      wchar_t caption[256] = {};
      TCITEMW item{};
      item.mask = TCIF_TEXT;
      item.pszText = caption;
      item.cchTextMax = 256;
      SendMessageW(tabs, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
      state.captions.push_back(Plain(Utf8(caption)));
      wchar_t tip[1024] = {};
      TTTOOLINFOW tool{};
      tool.cbSize = sizeof tool;
      tool.hwnd = tabs;
      tool.uId = static_cast<UINT_PTR>(i);
      tool.lpszText = tip;
      if (tips != nullptr) SendMessageW(tips, TTM_GETTEXTW, 1024, reinterpret_cast<LPARAM>(&tool));
      state.tool_tips.push_back(Utf8(tip));
    }
    state.selected = static_cast<int>(SendMessageW(tabs, TCM_GETCURSEL, 0, 0));
    return state;
  }

  // The control of that name in the window in front: a shown one before a hidden one (another
  // page may have its namesake), one that takes input before a label.
  HWND Find(const std::string& name, bool must = true) const {
    const HWND front = Front();
    HWND best = nullptr;
    int best_rank = 4;
    std::vector<std::string> names;
    for (HWND control : front == nullptr ? std::vector<HWND>{} : ControlsOf(front)) {
      const std::string control_name = NameOf(control);
      names.push_back(control_name);
      if (control_name != name) continue;
      const int rank = (IsWindowVisible(control) ? 0 : 2) + (IsLabel(control) ? 1 : 0);
      if (rank < best_rank) best = control, best_rank = rank;
    }
    if (best == nullptr && must) {
      std::string known;
      for (const std::string& known_name : names) known += " \"" + known_name + "\"";
      ADD_FAILURE() << "no control \"" << name << "\" in \"" << (front ? TextOf(front) : "") << "\":" << known;
    }
    return best;
  }

  // Runs `query` on the dialogs' thread, which answers between its messages, and returns its answer.
  template <typename Query>
  auto OnUi(Query query) -> decltype(query()) {
    decltype(query()) answer{};
    std::function<void()> run = [&] { answer = query(); };
    DWORD_PTR result = 0;
    if (SendMessageTimeoutW(helper_, kQuery, 0, reinterpret_cast<LPARAM>(&run), SMTO_NORMAL, 20000, &result) == 0)
      ADD_FAILURE() << "the dialogs' thread does not answer";
    return answer;
  }

  // Waits until the dialogs' thread has taken in every key, click and posted message, and has
  // painted: twice in a row nothing of that kind waiting.
  void Settle() {
    for (int quiet = 0, tries = 0; quiet < 2 && tries < 200; ++tries) {
      Sleep(30);
      const DWORD waiting = OnUi([] { return HIWORD(GetQueueStatus(QS_INPUT | QS_POSTMESSAGE | QS_PAINT)); });
      quiet = waiting == 0 ? quiet + 1 : 0;
    }
  }

  DWORD ui_thread_;
  HWND helper_ = nullptr;
  std::function<void(SetupOrvex&)> pending_call_;
  std::string component_folder_;
  std::vector<std::string> help_opened_;
  std::atomic<bool> call_running_ = false;
  std::atomic<bool> scenario_ended_ = false;
  bool left_open_ = false;
};

}  // namespace

Driver& TheDriver() {
  static Win32Driver driver;
  return driver;
}

}  // namespace kgh::acceptance
