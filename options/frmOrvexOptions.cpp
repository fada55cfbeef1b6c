// The options dialog's frame: design state, opening and loading, tabs, help, OK/Cancel, saving.
#include "options/frmOrvexOptions.h"

#include <utility>

#include "config/Configuration.h"
#include "config/ProfileTransaction.h"
#include "options/OptionsDialogHost.h"
#include "options/dlgButton.h"

namespace kgh {
namespace {

constexpr int kShownPageLeft = 210;
constexpr int kHiddenPageOffset = 20000;  // hidden pages are parked this far left of the shown one
constexpr const char* kHelpFileName = "Pallix.chm";

void Button(forms::CommandButton& button, const char* name, const char* caption) {
  button.name = name;
  button.caption = caption;
}

}  // namespace

frmOrvexOptions::frmOrvexOptions(OptionsServices services) : services_(std::move(services)) {
  if (services_.profile == nullptr) services_.profile = &SystemProfileApi();
  tbsOptions.name = "tbsOptions";
  for (const options_layout::PageRow& row : options_layout::kPages) tbsOptions.tabs.push_back({row.caption, row.tool_tip, ""});
  for (std::size_t i = 0; i < picOptions.size(); ++i) {
    picOptions[i].name = "picOptions(" + std::to_string(i) + ")";
    picOptions[i].left = kShownPageLeft;
  }
  Button(cmdOK, "cmdOK", "OK");
  Button(cmdCancel, "cmdCancel", "Cancel");
  Button(cmdHelp, "cmdHelp", "&Help");
  InitGeneralPage();
  InitDomainsPage();
  InitToolbarPage();
  InitOtherPage();
}

frmOrvexOptions::~frmOrvexOptions() = default;

void frmOrvexOptions::InitOtherPage() {
  fraBrowserEngine.name = "fraBrowserEngine";
  fraBrowserEngine.caption = "Browser engine";
  lblBrowserEngine.name = "lblBrowserEngine";
  lblBrowserEngine.caption = kEngineSetting.shown.caption;
  cmbBrowserType.name = kEngineSetting.shown.control;
  fraPresentation.name = "fraPresentation";
  fraPresentation.caption = "Presentation options";
  for (std::size_t i = 0; i < kSwitchCount; ++i) {
    cbSwitch[i].name = kSwitchSettings[i].shown.control;
    cbSwitch[i].caption = kSwitchSettings[i].shown.caption;
  }
}

void frmOrvexOptions::Form_Load() {
  if (loaded_) return;
  loaded_ = true;
  if (services_.screen_width > 0 && services_.screen_height > 0) {
    Left = (services_.screen_width - Width) / 2;
    Top = (services_.screen_height - Height) / 2;
  }
  cmbBrowserType.items.clear();
  for (const EngineChoice& choice : kEngineChoices) cmbBrowserType.items.push_back({std::string(choice.text), choice.engine});
}

void frmOrvexOptions::Start(const std::string& RootDir, const std::string& DestDir, const std::string& DefServer) {
  Form_Load();  // the first touch of a control loads the form
  root_dir_ = RootDir;
  def_server_ = DefServer;
  if (!def_server_.empty() && def_server_.back() == '/') def_server_.pop_back();

  const int32_t attributes = services_.file_attributes ? services_.file_attributes(DestDir) : -1;
  config_path_ = ConfigurationPathFor(DestDir, attributes, services_.flavour);

  txtServer.text = def_server_;
  txtRoot.text = root_dir_;
  ini_ = std::make_unique<CIniFile2>(*services_.profile, services_.messages);
  ini_->INIFile = config_path_;
  {
    const ProfileTransaction loading(*services_.profile, config_path_);  // one reading serves every value
    LoadBrowserSettings();
    LoadToolbar();
    LoadDomains();
  }
  tbsOptions_Click();
}

void frmOrvexOptions::LoadBrowserSettings() {
  const BrowserSettings settings = ReadBrowserSettings(*ini_);
  txtHome.text = settings.home_page;
  txtError.text = settings.error_page;
  for (std::size_t i = 0; i < kSwitchCount; ++i) cbSwitch[i].value = settings.switches[i];
  cmbBrowserType.list_index = -1;
  for (std::size_t i = 0; i < cmbBrowserType.items.size(); ++i)
    if (cmbBrowserType.items[i].item_data == settings.browser_engine) cmbBrowserType.list_index = static_cast<int>(i);
}

void frmOrvexOptions::LoadToolbar() {
  lstButtons.rows = ReadToolbar(*ini_);
  toolbar_buttons_unread_ = ToolbarButtonsBeyondRead(*ini_);
  if (lstButtons.rows.empty()) return;
  lstButtons.selected = 0;
  lstButtons_ItemClick(0);
}

void frmOrvexOptions::LoadDomains() { lstDomains.items = ReadDomains(*ini_); }

void frmOrvexOptions::tbsOptions_Click() {
  for (std::size_t i = 0; i < picOptions.size() && i < tbsOptions.tabs.size(); ++i) {
    forms::Page& page = picOptions[i];
    const bool shown = static_cast<int>(i) == tbsOptions.selected;
    page.visible = page.enabled = shown;
    page.left = shown ? kShownPageLeft : kShownPageLeft - kHiddenPageOffset;
  }
}

void frmOrvexOptions::Form_KeyDown(int KeyCode, int Shift) {
  if (KeyCode != kTabKey || Shift != kCtrlShift || tbsOptions.tabs.empty()) return;
  const int last = static_cast<int>(tbsOptions.tabs.size()) - 1;
  tbsOptions.selected = tbsOptions.selected >= last ? 0 : tbsOptions.selected + 1;
  tbsOptions_Click();
}

void frmOrvexOptions::cmdHelp_Click() {
  if (services_.help == nullptr) return;
  const std::string path = services_.component_dir + PathSeparator(services_.flavour) + kHelpFileName;
  // What the help engine answers is not looked at; only failing to call it leads to the shell.
  if (!services_.help->ShowHtmlHelp(path)) services_.help->ShellOpen(path);
}

void frmOrvexOptions::cmdOK_Click() {
  if (RefuseUnstorableTexts() || !MayRemoveUnreadToolbarButtons()) return;
  // A save that failed has said why; closing would lose what the user typed, which another OK
  // may yet save once the cause is gone.
  if (!Save()) return;
  Unload();
}

// All four boxes are on the General page, which is brought forward so the box can take the focus.
bool frmOrvexOptions::RefuseUnstorableTexts() {
  const struct {
    const forms::TextBox& box;
    TypedText kind;
  } checks[] = {
      {txtHome, TypedText::PageAddress},
      {txtError, TypedText::PageAddress},
      {txtServer, TypedText::DefaultServer},
      {txtRoot, TypedText::RootDirectory},
  };
  for (const auto& check : checks) {
    if (!RefusedAsTyped(services_, check.kind, check.box.text)) continue;
    tbsOptions.selected = static_cast<int>(DialogPage::General);
    tbsOptions_Click();
    SafeSetFocus(check.box);
    return true;
  }
  return false;
}

void frmOrvexOptions::cmdCancel_Click() { Unload(); }

void frmOrvexOptions::Form_QueryUnload() { Unload(); }

void frmOrvexOptions::Unload() {
  if (unloaded) return;
  unloaded = true;
  if (on_closed) on_closed();
}

BrowserSettings frmOrvexOptions::SettingsFromControls() const {
  BrowserSettings s;
  s.home_page = txtHome.text;
  s.error_page = txtError.text;
  for (std::size_t i = 0; i < kSwitchCount; ++i) s.switches[i] = cbSwitch[i].value;
  const int index = cmbBrowserType.list_index;
  const bool chosen = index >= 0 && static_cast<std::size_t>(index) < cmbBrowserType.items.size();
  s.browser_engine = chosen ? cmbBrowserType.items[static_cast<std::size_t>(index)].item_data : kEngineSetting.when_missing;
  return s;
}

bool frmOrvexOptions::Save() {
  if (!ini_) return true;  // never started: there is no file to write
  // The whole configuration reaches the disk in one replacement: a crash or a reader never
  // meets half the toolbar or half the allowed domains.
  ProfileTransaction saving(*services_.profile, config_path_);
  // An empty box keeps the value the dialog already has.
  if (!txtServer.text.empty()) def_server_ = txtServer.text;
  if (!txtRoot.text.empty()) root_dir_ = txtRoot.text;
  WriteConfiguration(*ini_, {SettingsFromControls(), lstButtons.rows, lstDomains.items, {def_server_, root_dir_}});
  if (saving.Commit()) return true;
  ShowWriteFailure(services_.messages, services_.profile->LastError());
  return false;
}

MessageAnswer frmOrvexOptions::Ask(const std::string& text) { return AskUser(services_, MessageRequest::Question(text)); }

void frmOrvexOptions::SafeSetFocus(const forms::Control& control) {
  if (services_.host != nullptr) services_.host->SetFocus(control);
}

}  // namespace kgh
