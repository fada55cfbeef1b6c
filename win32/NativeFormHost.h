#pragma once
// Shows the component's dialogs as native windows, modally, without an owner window.
#include "component/FormHost.h"
#include "platform/MessageBox.h"

namespace kgh::native {

class NativeFormHost final : public FormHost {
 public:
  explicit NativeFormHost(MessageBoxService& messages) : messages_(messages) {}
  void ShowOptionsDialog(frmOrvexOptions& form) override;
  // The wizard has no native window yet: the user is told so, and nothing is built.
  void ShowWizard(frmWizard& form) override;

 private:
  MessageBoxService& messages_;
};

}  // namespace kgh::native
