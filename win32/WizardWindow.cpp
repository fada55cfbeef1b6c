#include "win32/WizardWindow.h"

#include "wizard/WizardDesign.h"

namespace kgh::native {

WizardWindow::WizardWindow(frmWizard& form, HMODULE pictures)
    : DialogWindow(form.Caption, wizard_layout::kClient), form_(form), picture_module_(pictures) {
  form_.on_closed = [this] { EndModal(); };
}

WizardWindow::~WizardWindow() { form_.on_closed = nullptr; }

void WizardWindow::Build() {
  // The pages lie in one place, one shown at a time; each holds its design.
  for (std::size_t step = 0; step < pages_.size(); ++step) {
    pages_[step] = AddPage(Twips(wizard_layout::kPages));
    controls_.Bind(form_.fraStep[step], pages_[step]);
    PlaceInto(pages_[step]);
    BuildDesign(form_.PageDesign(static_cast<int16_t>(step)), picture_module_);
  }
  const HWND nav = AddPage(Twips(wizard_layout::kNavRow));
  controls_.BindOne(form_.picNav, AnyWindow{nav});
  PlaceInto(nav);
  BuildDesign(form_.NavigationDesign());
  PlaceInto(nullptr);
  // The page's usual way on, once the dialog manager has given the first control the focus.
  PostMessageA(window(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(controls_.Find(form_.cmdNav[frmWizard::kNextButton])),
               TRUE);
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
