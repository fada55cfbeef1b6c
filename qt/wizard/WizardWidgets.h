#pragma once
// The widgets that draw the wizard's controls, built once and placed as the form was designed.
// Each widget carries its control's name as object name, so tools and tests find it.
#include <array>
#include <map>

#include "wizard/frmWizard.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QStackedWidget;
class QWidget;

namespace kgh::qt {

struct WizardWidgets {
  QStackedWidget* pages = nullptr;
  std::array<QWidget*, frmWizard::kStepCount> page{};
  QLabel* heading = nullptr;          // Label2
  std::map<int, QLabel*> step_text;   // lblStep, by the form's index
  std::map<int, QLabel*> picture;     // imgStep, by the form's index
  QPushButton* iis = nullptr;         // cmdIIS
  QLabel* iis_label = nullptr;        // lblExpl
  QPushButton* empty = nullptr;       // cmdEmptyApp
  QLabel* empty_label = nullptr;      // Label1
  QCheckBox* save_settings = nullptr;  // chkSaveSettings
  QWidget* nav = nullptr;             // picNav
  std::array<QPushButton*, 5> nav_button{};
};

// Builds the pages and the navigation row into `dialog`, named after `form`'s controls.
WizardWidgets BuildWizardWidgets(QWidget* dialog, const frmWizard& form);

// Places the texts again after they changed: a text that needs more lines pushes the
// control designed below it further down.
void LayOutTexts(const WizardWidgets& widgets);

}  // namespace kgh::qt
