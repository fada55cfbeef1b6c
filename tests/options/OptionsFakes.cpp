#include "OptionsFakes.h"

#include "wizard/frmWizard.h"

#include <gtest/gtest.h>

#include "component/SetupOrvex.h"
#include "platform/Module1.h"

namespace kgh::test {

MessageAnswer ScriptedMessageBoxes::Show(const MessageRequest& request) {
  shown.push_back(request);
  if (request.buttons == MessageButtons::Ok) return MessageAnswer::Ok;
  if (answers.empty()) {
    ADD_FAILURE() << "unexpected question: " << request.text;
    return MessageAnswer::No;
  }
  const MessageAnswer answer = answers.front();
  answers.pop_front();
  return answer;
}

std::string ScriptedFileDialogs::ShowFileDialog(const FileDialogRequest& request) {
  requests.push_back(request);
  if (choices.empty()) {
    ADD_FAILURE() << "unexpected file dialog: " << request.title;
    return {};
  }
  std::string choice = choices.front();
  choices.pop_front();
  return choice;
}

std::string ScriptedFolderBrowser::BrowseForFolder(const std::string& title, const std::string& default_dir) {
  requests.push_back({title, default_dir, PendingBrowseFolder});
  if (choices.empty()) {
    ADD_FAILURE() << "unexpected folder browser";
    return {};
  }
  std::string choice = choices.front();
  choices.pop_front();
  return choice;
}

bool RecordingHelp::ShowHtmlHelp(const std::string& path) {
  help_engine_calls.push_back(path);
  return engine_callable;
}

void RecordingHelp::ShellOpen(const std::string& path) { shell_opens.push_back(path); }

void FakeDialogHost::ShowButtonDialog(dlgButton& dialog) {
  bool closed = false;
  dialog.on_closed = [&closed] { closed = true; };
  if (button_scripts.empty()) {
    ADD_FAILURE() << "unexpected button dialog";
    dialog.CancelButton_Click();
  } else {
    auto script = std::move(button_scripts.front());
    button_scripts.pop_front();
    script(dialog);
  }
  EXPECT_TRUE(closed) << "the button dialog was left open";
  dialog.on_closed = nullptr;
}

void FakeDialogHost::ShowDomainDialog(dlgDomain& dialog) {
  bool closed = false;
  dialog.on_closed = [&closed] { closed = true; };
  if (domain_scripts.empty()) {
    ADD_FAILURE() << "unexpected domain dialog";
    dialog.CancelButton_Click();
  } else {
    auto script = std::move(domain_scripts.front());
    domain_scripts.pop_front();
    script(dialog);
  }
  EXPECT_TRUE(closed) << "the domain dialog was left open";
  dialog.on_closed = nullptr;
}

bool FakeDialogHost::SetFocus(const forms::Control& control) {
  focus_requests.push_back(control.name);
  return focus_succeeds;
}

void ScriptedFormHost::ShowWizard(frmWizard& form) {
  ++wizards_shown;
  if (wizard_script) wizard_script(form);
  EXPECT_TRUE(form.unloaded || form.hidden) << "the wizard was left open";
}

void ScriptedFormHost::ShowOptionsDialog(frmOrvexOptions& form) {
  ++shown;
  config_path = form.ConfigPath();
  root_dir = form.RootDir();
  def_server = form.DefServer();
  bool closed = false;
  form.on_closed = [&closed] { closed = true; };
  if (script) script(form);
  EXPECT_TRUE(closed) << "the options dialog was left open";
  form.on_closed = nullptr;
}

ReadStatus MemoryFileStore::Read(const std::string& path, std::string& bytes, int& error) {
  const auto it = files.find(path);
  if (it == files.end()) {
    bytes.clear();
    error = 2;
    return ReadStatus::Missing;
  }
  bytes = it->second;
  return ReadStatus::Ok;
}

bool MemoryFileStore::Replace(const std::string& path, std::string_view bytes, int&) {
  files[path] = std::string(bytes);
  return true;
}

OptionsServices OptionsFixture::Native() {
  OptionsServices services;
  services.messages = &messages;
  services.file_dialogs = &files;
  services.folder_browser = &folders;
  services.help = &help;
  services.host = &host;
  return services;
}

OptionsServices OptionsFixture::Windows() {
  OptionsServices services = Native();
  services.profile = &memory_profile;
  services.flavour = PathFlavour::Windows;
  services.file_attributes = [this](const std::string& path) {
    const auto it = attributes.find(path);
    return it == attributes.end() ? -1 : it->second;
  };
  return services;
}

std::string IniText(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

std::unique_ptr<frmOrvexOptions> OptionsDialogTest::OpenWith(const std::string& content, const std::string& root,
                                                             const std::string& server) {
  WriteBytes(path, content);
  return Open(root, server);
}

std::unique_ptr<frmOrvexOptions> OptionsDialogTest::Open(const std::string& root, const std::string& server) {
  auto form = std::make_unique<frmOrvexOptions>(fx.Native());
  form->Start(root, path, server);
  return form;
}

void WriteTemplate(const std::string& path, const std::string& home_page) {
  ASSERT_TRUE(SetupOrvex().CreateStartFile(path, home_page));
}

std::string Captions(const frmOrvexOptions& form) {
  std::string out;
  for (const ToolbarEntry& row : form.lstButtons.rows) out += (out.empty() ? "" : "|") + row.caption;
  return out;
}

void ClickRow(frmOrvexOptions& form, int row) {
  form.lstButtons.selected = row;
  form.lstButtons_ItemClick(row);
}

namespace {

void SelectKind(dlgButton& dialog, ButtonTypeId type) {
  for (std::size_t i = 0; i < dialog.cmbType.items.size(); ++i)
    if (dialog.cmbType.items[i].item_data == type) dialog.cmbType.list_index = static_cast<int>(i);
  dialog.cmbType_Click();
}

}  // namespace

std::function<void(dlgButton&)> ConfirmUserButton(std::string caption, std::string url, std::string bitmap) {
  return [=](dlgButton& dialog) {
    SelectKind(dialog, kUserButton);
    dialog.txtCaption.text = caption;
    dialog.txtURL.text = url;
    dialog.txtBitmap.text = bitmap;
    dialog.OKButton_Click();
  };
}

std::function<void(dlgButton&)> ConfirmKind(ButtonTypeId type) {
  return [=](dlgButton& dialog) {
    SelectKind(dialog, type);
    dialog.OKButton_Click();
  };
}

std::function<void(dlgButton&)> CancelButtonDialog() {
  return [](dlgButton& dialog) { dialog.CancelButton_Click(); };
}

std::function<void(dlgDomain&)> TypeDomainAndConfirm(std::string text) {
  return [=](dlgDomain& dialog) {
    dialog.cmbDomain.text = text;
    dialog.OKButton_Click();
  };
}

std::function<void(dlgDomain&)> CancelDomainDialog() {
  return [](dlgDomain& dialog) { dialog.CancelButton_Click(); };
}

}  // namespace kgh::test
