#pragma once
// What the wizard asks of the window system while it is shown, as Qt does it: the
// application-wide hourglass and the pop-up menu of virtual directories.
#include "wizard/WizardHost.h"

namespace kgh::qt {

class QtWizardHost final : public WizardHost {
 public:
  QtWizardHost() = default;
  QtWizardHost(const QtWizardHost&) = delete;
  QtWizardHost& operator=(const QtWizardHost&) = delete;
  // Gives back a pointer still left as the hourglass.
  ~QtWizardHost() override;

  void SetHourglass(bool on) override;
  int ShowPopupMenu(const forms::MenuItem& menu, const std::vector<forms::MenuItem>& items) override;
  void HelpQuit(const std::string& help_file) override;

 private:
  int hourglass_depth_ = 0;
};

}  // namespace kgh::qt
