#pragma once
// The new-configuration wizard on screen: four pages stacked in one place, each with its
// banner, and the navigation row below. The view draws the loaded form, forwards the user's
// clicks and keys to its handlers and draws the form again afterwards. It closes when the form
// unloads (Cancel) or hides itself (a configuration is being built), which ends its exec().
#include <QDialog>

#include <array>

#include "forms/Dispatcher.h"
#include "qt/ControlWidgets.h"
#include "wizard/frmWizard.h"

class QStackedWidget;

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
  void Render();

  frmWizard& form_;
  forms::Dispatcher dispatch_;
  ControlWidgets controls_;
  QStackedWidget* pages_ = nullptr;  // fraStep
  std::array<QWidget*, frmWizard::kStepCount> page_{};
};

}  // namespace kgh::qt
