#pragma once
// The options dialog among scripted fakes: entry dialogs shown by running the next script on
// them, and a configuration held in memory under a Windows path.
#include <gtest/gtest.h>

#include "component/FormHost.h"
#include "component/SetupOrvex.h"
#include "config/PortableProfile.h"
#include "options/OptionsDialogHost.h"
#include "options/dlgButton.h"
#include "options/dlgDomain.h"
#include "options/frmOrvexOptions.h"
#include "wizard/frmWizard.h"
#include "support/Fakes.h"

namespace kgh::test {

using Op = frmOrvexOptions::ButtonOp;
inline const std::string kMark(kSubEntryMark);

// Shows dialogs modally by running the next script on them; a script that leaves the dialog
// open fails the test, as the modal display would never end. Focus requests fail.
class FakeDialogHost final : public OptionsDialogHost {
 public:
  std::deque<std::function<void(dlgButton&)>> button_scripts;
  std::deque<std::function<void(dlgDomain&)>> domain_scripts;
  std::vector<std::string> focus_requests;  // control names
  void ShowModal(dlgButton& dialog) override { Run(button_scripts, dialog); }
  void ShowModal(dlgDomain& dialog) override { Run(domain_scripts, dialog); }
  bool SetFocus(const forms::Control& control) override { return focus_requests.push_back(control.name), false; }
  template <typename Dialog>
  static void Run(std::deque<std::function<void(Dialog&)>>& scripts, Dialog& dialog) {
    ASSERT_FALSE(scripts.empty()) << "unexpected dialog: " << dialog.Caption;
    bool closed = false;
    dialog.on_closed = [&closed] { closed = true; };
    const auto script = std::move(scripts.front());
    scripts.pop_front();
    script(dialog);
    EXPECT_TRUE(closed) << dialog.Caption << " was left open";
    dialog.on_closed = nullptr;
  }
};

// Shows the options dialog and the wizard by running a script on them, which must close them.
class ScriptedFormHost final : public FormHost {
 public:
  std::function<void(frmOrvexOptions&)> script;
  std::function<void(frmWizard&)> wizard_script;
  std::string opened;  // the dialog's file, root and server when it was last shown, "|"-joined
  void ShowOptionsDialog(frmOrvexOptions& form) override {
    opened = form.ConfigPath() + "|" + form.RootDir() + "|" + form.DefServer();
    if (script) script(form);
    EXPECT_TRUE(form.unloaded) << "the options dialog was left open";
  }
  void ShowWizard(frmWizard& form) override {
    if (wizard_script) wizard_script(form);
    EXPECT_TRUE(form.unloaded || form.hidden) << "the wizard was left open";
  }
};

// CR LF-terminated lines, as the configuration file holds them.
inline std::string IniText(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

// The rows' captions, "|"-joined, a sub-entry's mark shown as ">".
inline std::string Captions(const frmOrvexOptions& form) {
  std::string out;
  for (const ToolbarEntry& row : form.lstButtons.rows)
    out += (out.empty() ? "" : "|") + (row.IsSubEntry() ? ">" + WithoutSubEntryMark(row.caption) : row.caption);
  return out;
}

// Up, Down, Left, Right: "+" enabled, "-" disabled.
inline std::string Arrows(const frmOrvexOptions& form) {
  std::string out;
  for (int op : {Op::kUpButton, Op::kDownButton, Op::kOutdentButton, Op::kIndentButton})
    out += form.cmdButtonOp[static_cast<std::size_t>(op)].enabled ? '+' : '-';
  return out;
}

// Everything a user can see of a loaded dialog: the settings on one line, then a line per row
// (kind, caption, URL, bitmap) and per domain.
inline std::string Shown(const frmOrvexOptions& f) {
  std::string out = f.txtHome.text + "|" + f.txtError.text + "|" + f.txtServer.text + "|" + f.txtRoot.text + "|";
  for (const forms::CheckBox& box : f.cbSwitch) out += std::to_string(box.value);
  out += "|" + f.cmbBrowserType.items.at(static_cast<std::size_t>(f.cmbBrowserType.list_index)).text + "\n";
  for (const ToolbarEntry& r : f.lstButtons.rows)
    out += std::to_string(r.tag) + " " + r.caption + " " + r.url + " " + r.image + "\n";
  for (const std::string& domain : f.lstDomains.items) out += domain + "\n";
  return out;
}

inline void PickKind(dlgButton& dialog, ButtonTypeId type) {
  for (std::size_t i = 0; i < dialog.cmbType.items.size(); ++i)
    if (dialog.cmbType.items[i].item_data == type) dialog.cmbType.list_index = static_cast<int>(i);
  dialog.cmbType_Click();
}

// Scripts for the entry dialogs.
inline std::function<void(dlgButton&)> ConfirmButton(std::string caption, std::string url, std::string bitmap = "",
                                                     ButtonTypeId type = kUserButton) {
  return [=](dlgButton& d) {
    PickKind(d, type);
    d.txtCaption.text = caption, d.txtURL.text = url, d.txtBitmap.text = bitmap;
    d.OKButton_Click();
  };
}
inline std::function<void(dlgDomain&)> ConfirmDomain(std::string text) {
  return [=](dlgDomain& d) { d.cmbDomain.text = text, d.OKButton_Click(); };
}

// The fakes, and options dialogs opened on "C:\Cfg\Orvex.INI" in memory.
class OptionsTest : public ::testing::Test {
 protected:
  ScriptedMessageBoxes messages;
  ScriptedFileDialogs files;
  FakeDialogHost host;
  MemoryFileStore memory;
  PortableProfile profile{memory};
  const std::string path = "C:\\Cfg\\Orvex.INI";

  OptionsServices Services() {  // "C:\Cfg" names a folder
    return {.profile = &profile, .messages = &messages, .file_dialogs = &files, .host = &host,
            .flavour = PathFlavour::Windows, .file_attributes = [](const std::string&) { return -1; }};
  }
  std::string& File() { return memory.files[path]; }
  // The root and server the file remembers.
  PrivateData Remembered() { CIniFile2 ini(profile); return ini.INIFile = path, ReadPrivateData(ini); }
  void WriteTemplate() {
    ASSERT_TRUE(
        SetupOrvex({.options = {.profile = &profile}}).CreateStartFile(path, "default.asp"));
  }
  std::unique_ptr<frmOrvexOptions> Open(const std::string& root = "", const std::string& server = "") {
    auto form = std::make_unique<frmOrvexOptions>(Services());
    form->Start(root, "C:\\Cfg", server);
    return form;
  }
  std::unique_ptr<frmOrvexOptions> OpenWith(const std::vector<std::string>& lines, const std::string& root = "",
                                            const std::string& server = "") {
    File() = IniText(lines);
    return Open(root, server);
  }
};

}  // namespace kgh::test
