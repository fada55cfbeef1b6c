#pragma once
// Scripted stand-ins for everything modal around the options dialog: each answers from a queue
// the test fills, records what the user was shown, and fails the test when asked for more than
// the script holds.
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "component/FormHost.h"
#include "config/PortableProfile.h"
#include "options/OptionsDialogHost.h"
#include "options/OptionsServices.h"
#include "options/dlgButton.h"
#include "options/dlgDomain.h"
#include "options/frmOrvexOptions.h"
#include "platform/FileStore.h"
#include "support/TempDir.h"

namespace kgh::test {

class ScriptedMessageBoxes final : public MessageBoxService {
 public:
  std::deque<MessageAnswer> answers;  // for questions; plain messages are answered OK
  std::vector<MessageRequest> shown;
  MessageAnswer Show(const MessageRequest& request) override;
};

class ScriptedFileDialogs final : public FileDialogService {
 public:
  std::deque<std::string> choices;  // "" = the user cancels
  std::vector<FileDialogRequest> requests;
  std::string ShowFileDialog(const FileDialogRequest& request) override;
};

class ScriptedFolderBrowser final : public FolderBrowserService {
 public:
  struct Request {
    std::string title;
    std::string default_dir;
    std::string pending;  // PendingBrowseFolder while the browser was open
  };
  std::deque<std::string> choices;
  std::vector<Request> requests;
  std::string BrowseForFolder(const std::string& title, const std::string& default_dir) override;
};

class RecordingHelp final : public HelpService {
 public:
  bool engine_callable = true;
  std::vector<std::string> help_engine_calls;
  std::vector<std::string> shell_opens;
  bool ShowHtmlHelp(const std::string& path) override;
  void ShellOpen(const std::string& path) override;
};

// Shows an entry dialog by running the next script on it, as the user clicking in it. A script
// that leaves the dialog open fails the test: the modal display would never end.
class FakeDialogHost final : public OptionsDialogHost {
 public:
  std::deque<std::function<void(dlgButton&)>> button_scripts;
  std::deque<std::function<void(dlgDomain&)>> domain_scripts;
  std::vector<std::string> focus_requests;  // control names, in order
  bool focus_succeeds = false;

  void ShowButtonDialog(dlgButton& dialog) override;
  void ShowDomainDialog(dlgDomain& dialog) override;
  bool SetFocus(const forms::Control& control) override;
};

// Shows the options dialog by running the script on it.
class ScriptedFormHost final : public FormHost {
 public:
  std::function<void(frmOrvexOptions&)> script;
  int shown = 0;
  std::string config_path, root_dir, def_server;  // the dialog's fields when it was shown
  void ShowOptionsDialog(frmOrvexOptions& form) override;

  // The wizard: `wizard_script` clicks in it; it must close or hide itself before returning.
  std::function<void(frmWizard&)> wizard_script;
  int wizards_shown = 0;
  void ShowWizard(frmWizard& form) override;
};

// Files in memory, for dialogs working on Windows paths on any system.
class MemoryFileStore final : public FileStore {
 public:
  std::map<std::string, std::string> files;
  ReadStatus Read(const std::string& path, std::string& bytes, int& error) override;
  bool Replace(const std::string& path, std::string_view bytes, int& error) override;
};

// The usual set of fakes, wired into OptionsServices.
struct OptionsFixture {
  ScriptedMessageBoxes messages;
  ScriptedFileDialogs files;
  ScriptedFolderBrowser folders;
  RecordingHelp help;
  FakeDialogHost host;
  MemoryFileStore memory;
  PortableProfile memory_profile{memory};
  std::map<std::string, int32_t> attributes;  // for Windows-path targets

  // Real files through the system's profile functions, native paths.
  OptionsServices Native();
  // Files in `memory`, Windows paths, attributes from `attributes`.
  OptionsServices Windows();
};

// CR LF-terminated lines, as the configuration file holds them.
std::string IniText(const std::vector<std::string>& lines);

// A real configuration file in a fresh folder, and options dialogs opened on it.
class OptionsDialogTest : public ::testing::Test {
 protected:
  TempDir dir;
  OptionsFixture fx;
  std::string path = dir.File("Orvex.INI");

  // Writes `content` to `path` and opens a dialog on it.
  std::unique_ptr<frmOrvexOptions> OpenWith(const std::string& content, const std::string& root = "",
                                            const std::string& server = "");
  // Opens a dialog on whatever `path` holds now.
  std::unique_ptr<frmOrvexOptions> Open(const std::string& root = "", const std::string& server = "");
};

// A template configuration as SetupOrvex::CreateStartFile writes it.
void WriteTemplate(const std::string& path, const std::string& home_page);

// The rows' captions, "|"-joined, for compact expectations.
std::string Captions(const frmOrvexOptions& form);

// Clicks a row as a user does: select, then the item-click event.
void ClickRow(frmOrvexOptions& form, int row);

// Scripts for dlgButton.
std::function<void(dlgButton&)> ConfirmUserButton(std::string caption, std::string url, std::string bitmap = "");
std::function<void(dlgButton&)> ConfirmKind(ButtonTypeId type);
std::function<void(dlgButton&)> CancelButtonDialog();

// Scripts for dlgDomain.
std::function<void(dlgDomain&)> TypeDomainAndConfirm(std::string text);
std::function<void(dlgDomain&)> CancelDomainDialog();

}  // namespace kgh::test
