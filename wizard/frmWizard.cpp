#include "wizard/frmWizard.h"

#include <utility>

namespace kgh {
namespace {

forms::Label MakeLabel(std::string name, std::string caption, std::string tag) {
  forms::Label label;
  label.name = std::move(name);
  label.caption = std::move(caption);
  label.tag = std::move(tag);
  return label;
}

forms::Image MakePicture(std::string name) {
  forms::Image picture;
  picture.name = std::move(name);
  return picture;
}

std::string Indexed(const char* name, int index) { return std::string(name) + "(" + std::to_string(index) + ")"; }

ControlTexts Plain(forms::Control& control, std::string* caption) {
  return ControlTexts{"Control", caption, &control.tag, &control.tool_tip, {}};
}

ControlTexts Menu(forms::MenuItem& item) { return ControlTexts{"Menu", &item.caption, &item.tag, &item.tool_tip, {}}; }

}  // namespace

frmWizard::frmWizard(const WizardServices& services) : services_(services) {
  InitPages();
  InitNavigation();
  InitMenu();
}

void frmWizard::InitPages() {
  static constexpr const char* kTitleIds[kStepCount] = {"1000", "2000", "2002", "3000"};
  for (int i = 0; i < kStepCount; ++i) {
    fraStep[static_cast<std::size_t>(i)].name = Indexed("fraStep", i);
    fraStep[static_cast<std::size_t>(i)].tag = kTitleIds[i];
  }
  Label2 = MakeLabel("Label2", "Create new Pallix browser configuration", "");
  static constexpr std::pair<int, const char*> kStepTexts[] = {{0, "1001"}, {1, "2001"}, {2, "2003"}, {5, "3001"}};
  for (auto [index, text_id] : kStepTexts) {
    lblStep[index] = MakeLabel(Indexed("lblStep", index), Indexed("lblStep", index), text_id);
    imgStep[index] = MakePicture(Indexed("imgStep", index));
  }
  cmdIIS.name = "cmdIIS";
  lblExpl = MakeLabel("lblExpl", "lblExpl", "2050");
  cmdEmptyApp.name = "cmdEmptyApp";
  Label1 = MakeLabel("Label1", "Label1", "2051");
  chkSaveSettings.name = "chkSaveSettings";
  chkSaveSettings.caption = "chkSaveSettings";
  chkSaveSettings.tag = "3003";
}

void frmWizard::InitNavigation() {
  static constexpr const char* kCaptions[] = {"Help", "Cancel", "< &Back", "&Next >", "&Finish"};
  picNav.name = "picNav";
  Line1.name = "Line1";
  for (int i = 0; i < 5; ++i) {
    auto& button = cmdNav[static_cast<std::size_t>(i)];
    button.name = Indexed("cmdNav", i);
    button.caption = kCaptions[i];
    button.tag = std::to_string(100 + i);
  }
}

void frmWizard::InitMenu() {
  mnuVirtDir.name = "mnuVirtDir";
  mnuVirtDir.caption = "VirtDir Menu";
  mnuVirtDir.visible = false;  // a pop-up only: the wizard shows no menu bar
  forms::MenuItem first;
  first.name = Indexed("mnuVirtDirSel1", 0);
  first.caption = "Dir1";
  mnuVirtDirSel1.assign(1, first);
  VirtualDirs.assign(1, VirtualDirEntry{});
}

FormTexts frmWizard::DescribeTexts() {
  FormTexts texts{&Caption, &Tag, {}};
  auto& controls = texts.controls;
  for (forms::Page& page : fraStep) controls.push_back(Plain(page, nullptr));  // frames show no caption
  controls.push_back(Plain(Label2, &Label2.caption));
  for (auto& [index, label] : lblStep) controls.push_back(Plain(label, &label.caption));
  for (auto& [index, picture] : imgStep) controls.push_back(Plain(picture, nullptr));
  controls.push_back(Plain(cmdIIS, &cmdIIS.caption));
  controls.push_back(Plain(lblExpl, &lblExpl.caption));
  controls.push_back(Plain(cmdEmptyApp, &cmdEmptyApp.caption));
  controls.push_back(Plain(Label1, &Label1.caption));
  controls.push_back(Plain(chkSaveSettings, &chkSaveSettings.caption));
  controls.push_back(Plain(picNav, nullptr));
  for (forms::CommandButton& button : cmdNav) controls.push_back(Plain(button, &button.caption));
  controls.push_back(Menu(mnuVirtDir));
  for (forms::MenuItem& item : mnuVirtDirSel1) controls.push_back(Menu(item));
  return texts;
}

// ---- opening and closing ----

void frmWizard::Form_Load() {
  finish_allowed_ = false;
  for (forms::Page& page : fraStep) page.left = kParkedLeft;
  FormTexts texts = DescribeTexts();
  ApplyResourceTexts(texts, *services_.strings);
  ShowStep(0, kNoDirection);
}

void frmWizard::Form_KeyDown(int KeyCode, int /*Shift*/) {
  if (KeyCode == kF1Key) cmdNav_Click(kHelpButton);
}

void frmWizard::Form_Unload() {
  if (help_requested_ && services_.host != nullptr) services_.host->HelpQuit(kHelpFile);
  bool was_shown = !hidden && !unloaded;
  unloaded = true;
  if (was_shown) EndModalDisplay();
}

void frmWizard::EndModalDisplay() {
  if (on_closed) on_closed();
}

// ---- pages ----

void frmWizard::ShowStep(int16_t step, int16_t /*direction*/) {
  // Back and Next are disabled at the ends, so only a caller's mistake could leave the range.
  if (step < 0 || step >= kStepCount) return;
  auto page = [this](int16_t index) -> forms::Page& { return fraStep[static_cast<std::size_t>(index)]; };
  page(current_step_).enabled = false;
  page(step).left = 0;
  if (step != current_step_) page(current_step_).left = kParkedLeft;
  page(step).enabled = true;
  UpdateCaption(step);
  UpdateNavButtons(step);
}

void frmWizard::UpdateCaption(int16_t step) {
  auto id = NumericId(fraStep[static_cast<std::size_t>(step)].tag);
  if (!id) return;
  auto title = services_.strings->Text(*id);
  if (!title) return;
  Caption = std::string(kTitlePrefix) + " - " + *title;
}

void frmWizard::UpdateNavButtons(int16_t step) {
  cmdNav[kHelpButton].enabled = true;
  cmdNav[kCancelButton].enabled = true;
  cmdNav[kBackButton].enabled = step != 0;
  cmdNav[kNextButton].enabled = step != kStepCount - 1;
  cmdNav[kFinishButton].enabled = finish_allowed_;
  current_step_ = step;
}

void frmWizard::cmdNav_Click(int Index) {
  switch (Index) {
    case kHelpButton: help_requested_ = true; break;
    case kCancelButton: Form_Unload(); break;
    case kBackButton: ShowStep(static_cast<int16_t>(current_step_ - 1), kBackDirection); break;
    case kNextButton: ShowStep(static_cast<int16_t>(current_step_ + 1), kNextDirection); break;
    default: break;  // Finish is never enabled
  }
}

void frmWizard::cmdEmptyApp_Click() { BuildNewConfiguration("", ""); }

}  // namespace kgh
