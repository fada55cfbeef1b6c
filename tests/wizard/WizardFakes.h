#pragma once
// Scripted stand-ins for everything the wizard asks of the window system and the platform.
#include <deque>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "component/SetupOrvex.h"
#include <memory>
#include "wizard/frmWizard.h"

namespace kgh::test {

class ScriptedHost final : public WizardHost {
 public:
  void SetHourglass(bool on) override { hourglass.push_back(on); }
  int ShowPopupMenu(const forms::MenuItem&, const std::vector<forms::MenuItem>& items) override;
  void HelpQuit(const std::string& help_file) override { help_quits.push_back(help_file); }

  std::vector<bool> hourglass;
  std::vector<std::string> help_quits;
  // What each pop-up offered (the visible items' captions), and the caption the user picks.
  std::vector<std::vector<std::string>> menus_shown;
  std::string pick;  // "" closes the menu without a choice
  bool button_enabled_while_reading = true;
};

class ScriptedFileDialogs final : public FileDialogService {
 public:
  std::string ShowFileDialog(const FileDialogRequest& request) override {
    requests.push_back(request);
    return answers.empty() ? "" : Next();
  }
  std::string Next() {
    std::string answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::deque<std::string> answers;
  std::vector<FileDialogRequest> requests;
};

class RecordingMessages final : public MessageBoxService {
 public:
  MessageAnswer Show(const MessageRequest& request) override {
    shown.push_back(request);
    return MessageAnswer::Ok;
  }
  std::vector<MessageRequest> shown;
};

class FixedListing final : public DirectoryListing {
 public:
  std::vector<DirectoryEntry> List(const std::string& directory) override {
    listed.push_back(directory);
    return entries;
  }
  std::vector<DirectoryEntry> entries;
  std::vector<std::string> listed;
};

class FixedComputerName final : public ComputerNameSource {
 public:
  explicit FixedComputerName(std::string name) : name_(std::move(name)) {}
  std::string ComputerName() override { return name_; }

 private:
  std::string name_;
};

// A directory service that yields its entries and then, when told to, fails.
class ScriptedDirectoryService final : public VirtualDirectorySource {
 public:
  bool ReadVirtualDirs(std::vector<VirtualDirEntry>& out) override;
  std::vector<VirtualDirEntry> entries;
  bool fails_after_entries = false;
  ScriptedHost* watch = nullptr;  // notes whether cmdIIS is disabled while reading
  const frmWizard* wizard = nullptr;
};

// One key with values in order; every other key is missing.
class ScriptedRegistry final : public RegistryStore {
 public:
  static constexpr RegKeyHandle kHandle = 0x1234;
  int32_t OpenKey(RegKeyHandle root, const std::string& sub_key, uint32_t access, RegKeyHandle& handle) override;
  int32_t EnumValue(RegKeyHandle key, uint32_t index, std::string& name, uint32_t& data_size) override;
  int32_t QueryValue(RegKeyHandle key, const std::string& name, std::string& data) override;
  int32_t CloseKey(RegKeyHandle key) override;

  RegKeyHandle root = kHKeyLocalMachine;
  std::string key;
  std::vector<std::pair<std::string, std::string>> values;  // name, data as stored
  std::vector<RegKeyHandle> closed;
};

// The public class's two operations: the real template writer, and a record of the opening.
class RecordingOpener final : public ConfigurationOpener {
 public:
  explicit RecordingOpener(ComponentServices services) : component_(services) {}
  bool CreateStartFile(const std::string& Dest, const std::string& StartFile) override {
    return component_.CreateStartFile(Dest, StartFile);
  }
  void SetupOrvexEx(const void* ParentForm, const std::string& RootPath, const std::string& TargetPath,
                    const std::string& DefaultServer) override {
    opened.push_back({ParentForm, RootPath, TargetPath, DefaultServer});
  }
  struct Opening {
    const void* parent;
    std::string root, target, server;
  };
  std::vector<Opening> opened;

 private:
  SetupOrvex component_;
};

// A wizard wired to all the fakes above, loaded and on its first page.
struct WizardRig {
  explicit WizardRig(std::string computer = "SRV1");
  frmWizard& Load();

  ScriptedHost host;
  ScriptedFileDialogs dialogs;
  RecordingMessages messages;
  FixedListing listing;
  FixedComputerName computer;
  ScriptedDirectoryService directory_service;
  ScriptedRegistry registry;
  RecordingOpener opener;
  int closed_count = 0;
  std::unique_ptr<frmWizard> wizard;
};

}  // namespace kgh::test
