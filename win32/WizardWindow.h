#pragma once
// The new-configuration wizard as a native window over frmWizard: four pages in one place, each
// with its banner, and the navigation row below them, placed as the form was designed.
#include <array>
#include <vector>

#include "win32/DialogWindow.h"
#include "wizard/WizardHost.h"
#include "wizard/frmWizard.h"

namespace kgh::native {

class WizardWindow final : public DialogWindow {
 public:
  // The pictures come from the resources of `pictures`.
  WizardWindow(frmWizard& form, HMODULE pictures);
  ~WizardWindow() override;
  WizardWindow(const WizardWindow&) = delete;
  WizardWindow& operator=(const WizardWindow&) = delete;

 private:
  void Build() override;
  void Render() override;
  void OnCancel() override;
  bool OnKeyDown(const MSG& message) override;

  frmWizard& form_;
  HMODULE picture_module_;
  std::array<HWND, frmWizard::kStepCount> pages_{};
};

// What the wizard asks of the window system: the hourglass, the pop-up menu of web
// applications, and closing the help file.
class NativeWizardHost final : public WizardHost {
 public:
  ~NativeWizardHost() override;
  void SetHourglass(bool on) override;
  int ShowPopupMenu(const forms::MenuItem& menu, const std::vector<forms::MenuItem>& items) override;
  void HelpQuit(const std::string& help_file) override;

 private:
  int hourglass_depth_ = 0;
  HCURSOR before_hourglass_ = nullptr;
};

}  // namespace kgh::native
