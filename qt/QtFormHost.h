#pragma once
// Shows the options dialog for the public class: modally, without an owner, returning once the
// form has unloaded itself.
#include "component/FormHost.h"

namespace kgh::qt {

class QtFormHost final : public FormHost {
 public:
  void ShowOptionsDialog(frmOrvexOptions& form) override;
  void ShowWizard(frmWizard& form) override;
};

}  // namespace kgh::qt
