#pragma once
// How the component shows its options dialog: modally, without an owner window. The front-end
// implements it; the call returns once the dialog has unloaded itself (OK, Cancel or closed).
namespace kgh {

class frmOrvexOptions;

class FormHost {
 public:
  virtual ~FormHost() = default;
  virtual void ShowOptionsDialog(frmOrvexOptions& form) = 0;
};

}  // namespace kgh
