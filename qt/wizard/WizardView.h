#pragma once
// The new-configuration wizard on screen: four pages stacked in one place, each with its
// banner, and the navigation row below. The view draws the loaded form, forwards the user's
// clicks and keys to its handlers and draws the form again afterwards. It closes when the form
// unloads (Cancel) or hides itself (a configuration is being built), which ends its exec().
#include <QDialog>

#include "forms/Dispatcher.h"
#include "qt/ControlWidgets.h"
#include "qt/wizard/WizardWidgets.h"
#include "wizard/frmWizard.h"

namespace kgh::qt {

class WizardView final : public QDialog {
 public:
  // `form` must be loaded (Form_Load) and outlive the view.
  explicit WizardView(frmWizard& form, QWidget* parent = nullptr);
  ~WizardView() override;
  WizardView(const WizardView&) = delete;
  WizardView& operator=(const WizardView&) = delete;

  // Esc, and closing the window, press Cancel.
  void reject() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Connect();
  void Render();

  frmWizard& form_;
  forms::Dispatcher dispatch_;
  WizardWidgets widgets_;
  ControlWidgets controls_;
};

}  // namespace kgh::qt
