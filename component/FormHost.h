#pragma once
// How the component shows its dialogs: modally, without an owner window. The front-end
// implements it; each call returns once the form's modal display has ended.
namespace kgh {

class frmOrvexOptions;
class frmWizard;

class FormHost {
 public:
  virtual ~FormHost() = default;
  // Returns once the dialog has unloaded itself (OK, Cancel or closed).
  virtual void ShowOptionsDialog(frmOrvexOptions& form) = 0;
  // Returns once the wizard has closed, or hidden itself after building a configuration.
  virtual void ShowWizard(frmWizard& form) = 0;
};

}  // namespace kgh
