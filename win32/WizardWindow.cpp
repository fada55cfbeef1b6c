#include "win32/WizardWindow.h"

#include <map>

#include "win32/WizardPictures.h"
#include "wizard/WizardDesign.h"

namespace kgh::native {
namespace {

namespace layout = wizard_layout;

// The page that shows lblStep(index) and imgStep(index).
constexpr std::array<int, frmWizard::kStepCount> kStepIndex = {0, 1, 2, 5};

// A font size in points as a height in pixels at the screen's resolution.
int PointsToPixels(double points) {
  const HDC screen = GetDC(nullptr);
  const int dots = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return static_cast<int>(points * dots / 72.0 + 0.5);
}

}  // namespace

WizardWindow::WizardWindow(frmWizard& form, HMODULE pictures)
    : DialogWindow(form.Caption, 318, 207), form_(form), pictures_(pictures) {
  form_.on_closed = [this] { EndModal(); };
}

WizardWindow::~WizardWindow() {
  form_.on_closed = nullptr;
  if (heading_font_ != nullptr) DeleteObject(heading_font_);
  for (const HBITMAP bitmap : bitmaps_) DeleteObject(bitmap);
}

void WizardWindow::ShowPicture(HWND window, UINT message, WizardPicture picture) {
  RECT area{};
  GetClientRect(window, &area);
  // A button keeps a margin around its picture.
  const int margin = message == BM_SETIMAGE ? 8 : 0;
  const HBITMAP bitmap = LoadWizardPicture(pictures_, picture, area.right - margin, area.bottom - margin);
  if (bitmap == nullptr) return;
  bitmaps_.push_back(bitmap);
  SendMessageA(window, message, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap));
}

void WizardWindow::Build() {
  SetClientSizeTwips(layout::kClientWidth, layout::kClientHeight);
  const auto at = [this](const TwipsRect& r) { return Twips(r.left, r.top, r.width, r.height); };
  std::map<int, StaticText> texts;
  std::map<int, AnyWindow> pictures;
  for (std::size_t step = 0; step < pages_.size(); ++step) {
    pages_[step] = AddPage(at(layout::kPages));
    controls_.Bind(form_.fraStep[step], pages_[step]);
    PlaceInto(pages_[step]);
    const int index = kStepIndex[step];
    pictures[index] = {Add("STATIC", "", SS_BITMAP | SS_CENTERIMAGE, at(layout::kPicture))};
    ShowPicture(pictures[index].window, STM_SETIMAGE, StepPicture(index));
    const TwipsRect text = step == 0 ? layout::kIntroText : step == 3 ? layout::kFinishedText : layout::kStepText;
    texts[index] = AddLabel("", at(text));
  }
  PlaceInto(pages_[0]);
  const StaticText heading = AddLabel("", at(layout::kHeading));
  heading_font_ = CreateFontA(-PointsToPixels(15.75), 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma");
  SendMessageA(heading.window, WM_SETFONT, reinterpret_cast<WPARAM>(heading_font_), FALSE);
  PlaceInto(pages_[1]);
  // A choice button's label comes first, so that its access key reaches the button.
  const StaticText iis_label = AddLabel("", at(layout::kIISLabel));
  const PushButton iis = {Add("BUTTON", "", WS_TABSTOP | BS_PUSHBUTTON | BS_BITMAP, at(layout::kIISButton))};
  ShowPicture(iis.window, BM_SETIMAGE, WizardPicture::Server);
  const StaticText empty_label = AddLabel("", at(layout::kEmptyLabel));
  const PushButton empty = {Add("BUTTON", "", WS_TABSTOP | BS_PUSHBUTTON | BS_BITMAP, at(layout::kEmptyButton))};
  ShowPicture(empty.window, BM_SETIMAGE, WizardPicture::BlankPage);
  PlaceInto(pages_[3]);
  const CheckButton save_settings = AddCheckBox(at(layout::kSaveSettings));
  PlaceInto(nullptr);
  const AnyWindow nav = {Add("STATIC", "", SS_ETCHEDHORZ, at({0, layout::kPageHeight, layout::kClientWidth, 30}))};
  std::array<PushButton, 5> buttons{};
  for (std::size_t i = 0; i < buttons.size(); ++i)
    buttons[i] = AddButton(at({layout::kNavLefts[i], layout::kPageHeight + layout::kNavTop, layout::kNavWidth,
                               layout::kNavHeight}));
  controls_.BindAll(form_.Controls(), heading, texts, pictures, iis, iis_label, empty, empty_label, save_settings, nav,
                    buttons);
  for (std::size_t i = 0; i < buttons.size(); ++i)
    On(buttons[i].window, BN_CLICKED, [this, i] { form_.cmdNav_Click(static_cast<int>(i)); });
  On(iis.window, BN_CLICKED, [this] { form_.cmdIIS_Click(); });
  On(empty.window, BN_CLICKED, [this] { form_.cmdEmptyApp_Click(); });
  On(save_settings.window, BN_CLICKED, [this, save_settings] {
    form_.chkSaveSettings.value = SendMessageA(save_settings.window, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
  });
  // The page's usual way on, once the dialog manager has given the first control the focus.
  PostMessageA(window(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(buttons[frmWizard::kNextButton].window), TRUE);
}

void WizardWindow::Render() {
  for (std::size_t step = 0; step < pages_.size(); ++step) {
    const forms::Page& page = form_.fraStep[step];
    // Pages that are not shown are parked outside the window.
    const bool shown = page.left == 0 && page.visible;
    ShowWindow(pages_[step], shown ? SW_SHOWNA : SW_HIDE);
    EnableWindow(pages_[step], page.enabled ? TRUE : FALSE);
    const LONG_PTR extended = GetWindowLongPtrA(pages_[step], GWL_EXSTYLE);
    const LONG_PTR wanted = shown ? extended | WS_EX_CONTROLPARENT : extended & ~LONG_PTR{WS_EX_CONTROLPARENT};
    if (wanted != extended) SetWindowLongPtrA(pages_[step], GWL_EXSTYLE, wanted);
  }
  // The choice buttons show no caption; their labels' texts name them.
  SetWindowTextA(controls_.Find(form_.cmdIIS), form_.lblExpl.caption.c_str());
  SetWindowTextA(controls_.Find(form_.cmdEmptyApp), form_.Label1.caption.c_str());
}

void WizardWindow::OnCancel() {
  if (form_.unloaded || form_.hidden) return;
  form_.cmdNav_Click(frmWizard::kCancelButton);
}

bool WizardWindow::OnKeyDown(const MSG& message) {
  if (message.wParam < VK_F1 || message.wParam > VK_F16) return false;
  const int code = frmWizard::kF1Key + static_cast<int>(message.wParam - VK_F1);
  const int shift = (GetKeyState(VK_SHIFT) < 0 ? 1 : 0) | (GetKeyState(VK_CONTROL) < 0 ? 2 : 0) |
                    (GetKeyState(VK_MENU) < 0 ? 4 : 0);
  dispatch_([this, code, shift] { form_.Form_KeyDown(code, shift); });
  return true;
}

NativeWizardHost::~NativeWizardHost() {
  while (hourglass_depth_ > 0) SetHourglass(false);
}

void NativeWizardHost::SetHourglass(bool on) {
  if (on) {
    const HCURSOR previous = SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)));
    if (hourglass_depth_++ == 0) before_hourglass_ = previous;
  } else if (hourglass_depth_ > 0 && --hourglass_depth_ == 0) {
    SetCursor(before_hourglass_);
  }
}

int NativeWizardHost::ShowPopupMenu(const forms::MenuItem&, const std::vector<forms::MenuItem>& items) {
  const HMENU popup = CreatePopupMenu();
  for (std::size_t i = 0; i < items.size(); ++i) {
    const forms::MenuItem& item = items[i];
    if (!item.visible) continue;
    const UINT flags = MF_STRING | (item.enabled ? UINT{MF_ENABLED} : UINT{MF_GRAYED});
    AppendMenuA(popup, flags, i + 1, item.caption.c_str());
  }
  POINT at{};
  GetCursorPos(&at);
  const HWND owner = GetActiveWindow();
  const int chosen = static_cast<int>(TrackPopupMenu(popup, TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTALIGN,
                                                     at.x, at.y, 0, owner, nullptr));
  DestroyMenu(popup);
  return chosen - 1;
}

void NativeWizardHost::HelpQuit(const std::string& help_file) {
  WinHelpA(GetActiveWindow(), help_file.c_str(), HELP_QUIT, 0);
}

}  // namespace kgh::native
