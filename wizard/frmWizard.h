#pragma once
// The new-configuration wizard as plain data and handlers: four stacked pages, a row of
// navigation buttons, and on "Step 1" the two ways to build a configuration (from a web server
// application or empty). A view draws the public controls, forwards the user's events to the
// handlers named after control and event, and draws the new state.
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "forms/Controls.h"
#include "forms/Design.h"
#include "platform/VirtualDirectorySource.h"
#include "wizard/WizardServices.h"
#include "wizard/modWizard.h"

namespace kgh {

class frmWizard {
 public:
  // Indexes of cmdNav.
  enum NavButton { kHelpButton = 0, kCancelButton, kBackButton, kNextButton, kFinishButton };
  // ShowStep's direction: no effect on what is shown.
  enum Direction : int16_t { kNoDirection = 0, kBackDirection = 1, kNextDirection = 2 };

  static constexpr int kF1Key = 112;
  static constexpr int16_t kStepCount = 4;
  static constexpr int kParkedLeft = -10000;  // twips: where pages that are not shown wait
  static constexpr const char* kTitlePrefix = "Pallix Browser Configuration Wizard";
  static constexpr const char* kHelpFile = "MYWIZARD.HLP";
  static constexpr const char* kNoVirtualDirsMessage = "It appears that no virtual directories are defined for the IIS";
  static constexpr const char* kVirtualRootsKey = "System\\CurrentControlSet\\Services\\W3SVC\\Parameters\\Virtual Roots";

  explicit frmWizard(const WizardServices& services = {});
  frmWizard(const frmWizard&) = delete;
  frmWizard& operator=(const frmWizard&) = delete;

  // ---- handlers ----
  void Form_Load();
  void Form_KeyDown(int KeyCode, int Shift);
  // Closing the window by any means (Cancel, the window frame).
  void Form_Unload();
  void cmdNav_Click(int Index);
  void cmdEmptyApp_Click();
  void cmdIIS_Click();
  void mnuVirtDirSel1_Click(int Index);

  // ---- pages ----
  void ShowStep(int16_t step, int16_t direction);
  void UpdateCaption(int16_t step);
  void UpdateNavButtons(int16_t step);

  // ---- virtual directories and building ----
  bool ReadMetabaseVirtualDirs();
  bool ReadRegistryVirtualDirs();
  void BuildNewConfiguration(const std::string& appUrlPath, std::string appDirectory);

  // The configuration built while the wizard was open, or "".
  const std::string& NewConfigFile() const { return new_config_file_; }
  int16_t CurrentStep() const { return current_step_; }
  bool HelpRequested() const { return help_requested_; }
  bool FinishAllowed() const { return finish_allowed_; }

  // The window's texts for ApplyResourceTexts, pointing into the controls below.
  FormTexts DescribeTexts();

  // ---- controls, in their design state ----
  std::string Caption = kTitlePrefix;
  std::string Tag;
  // Where each sits and how it looks is in the designs (WizardDesign.cpp).
  std::array<forms::Page, kStepCount> fraStep;  // tags "1000", "2000", "2002", "3000"
  forms::Label Label2;                  // page 0's title
  std::map<int, forms::Label> lblStep;  // indexes 0, 1, 2 and 5 (the last on page 3)
  std::map<int, forms::Image> imgStep;  // pictures, same indexes as lblStep
  forms::CommandButton cmdIIS;          // picture only, named by lblExpl beside it
  forms::Label lblExpl;
  forms::CommandButton cmdEmptyApp;  // picture only, named by Label1 beside it
  forms::Label Label1;
  forms::CheckBox chkSaveSettings;  // page 3; its value is not used

  forms::Control picNav;                      // the navigation row along the bottom
  forms::Line Line1;                          // its etched separator along the top
  std::array<forms::CommandButton, 5> cmdNav;  // Help, Cancel, Back, Next, Finish

  forms::MenuItem mnuVirtDir;                   // invisible top-level menu, used as pop-up
  std::vector<forms::MenuItem> mnuVirtDirSel1;  // item 0 "Dir1" from design; 1..N on demand

  // The designs a front-end draws: each page's controls within the page (fraStep(step)), and the
  // navigation row's within picNav. The pages and picNav themselves are the window's own.
  forms::Design PageDesign(int16_t step);
  forms::Design NavigationDesign();

  // Index 0 exists and is never used; the entries found occupy 1..N.
  std::vector<VirtualDirEntry> VirtualDirs;

  // Cancel unloads the wizard; building hides it. Either ends its modal display, and
  // on_closed tells the view so.
  bool unloaded = false;
  bool hidden = false;
  std::function<void()> on_closed;

 private:
  void InitPages();
  void InitNavigation();
  void InitMenu();
  void EndModalDisplay();
  void FillVirtualDirMenu();
  void OfferVirtualDirs();

  WizardServices services_;
  int16_t current_step_ = 0;
  bool help_requested_ = false;
  bool finish_allowed_ = false;
  std::string new_config_file_;
};

}  // namespace kgh
