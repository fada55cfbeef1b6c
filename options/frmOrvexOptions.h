#pragma once
// The four-page options dialog over one configuration file, as plain data and handlers. A view
// draws the public controls, forwards the user's events to the handlers named after control and
// event, and draws the new state. Nothing reaches the file before cmdOK_Click.
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "config/CIniFile2.h"
#include "config/ConfigFormat.h"
#include "forms/Controls.h"
#include "forms/Design.h"
#include "options/OptionsDesign.h"
#include "options/OptionsServices.h"

namespace kgh {

class dlgButton;

class frmOrvexOptions {
 public:
  // Indexes of cmdButtonOp.
  enum ButtonOp { kChangeButton = 0, kAddButton, kRemoveButton, kUpButton, kDownButton, kOutdentButton, kIndentButton };
  // Indexes of cmdDomainOp.
  enum DomainOp { kChangeDomain = 0, kAddDomain, kRemoveDomain };

  static constexpr int kTabKey = 9;
  static constexpr int kCtrlShift = 2;

  explicit frmOrvexOptions(OptionsServices services = {});
  ~frmOrvexOptions();
  frmOrvexOptions(const frmOrvexOptions&) = delete;
  frmOrvexOptions& operator=(const frmOrvexOptions&) = delete;

  // The view that shows this dialog may take over showing the entry dialogs and the focus.
  void SetDialogHost(OptionsDialogHost* host) { services_.host = host; }

  // ---- fields ----
  const std::string& ConfigPath() const { return config_path_; }
  const std::string& RootDir() const { return root_dir_; }
  const std::string& DefServer() const { return def_server_; }

  // ---- opening, pages, help, closing ----
  void Form_Load();
  void Start(const std::string& RootDir, const std::string& DestDir, const std::string& DefServer);
  // Call after setting tbsOptions.selected.
  void tbsOptions_Click();
  void Form_KeyDown(int KeyCode, int Shift);
  void cmdHelp_Click();
  void cmdOK_Click();
  // Also the Esc key.
  void cmdCancel_Click();
  // Closing through the window frame: unloads without saving.
  void Form_QueryUnload();
  // Writes the configuration as the dialog shows it; false, after telling the user why, when the
  // file could not be written.
  bool Save();

  // ---- toolbar page (rows are 0-based) ----
  void cmdButtonOp_Click(int Index);
  void lstButtons_DblClick();
  // Call after setting lstButtons.selected to the clicked row.
  void lstButtons_ItemClick(int Row);
  void AddToolbarButton();
  void ChangeToolbarButton();
  void RemoveToolbarButton();
  void MoveToolbarButtonUp();
  void MoveToolbarButtonDown();
  void OutdentToolbarButton();
  void IndentToolbarButton();
  void SwapToolbarRows(int RowA, int RowB);

  // ---- general page ----
  void cmdBrowse_Click();
  void cmdBrowseDir_Click();
  void cmdChangeRoot_Click();
  void ChangeServerInUrls(const std::string& OldServer, const std::string& NewServer);
  void txtHome_GotFocus();
  void txtError_GotFocus();
  void txtServer_GotFocus();

  // ---- domains page ----
  void cmdDomainOp_Click(int Index);
  void lstDomains_DblClick();
  void ChangeDomainEntry();
  void AddDomainEntry();

  void SafeSetFocus(const forms::Control& control);

  // ---- controls, in their design state ----
  std::string Caption = "Pallix Browser Options";
  int Left = 0, Top = 0, Width = 6240, Height = 5400;  // twips

  forms::TabStrip tbsOptions;
  std::array<forms::Page, options_layout::kPageCount> picOptions;  // one per tab, in kPages' order
  forms::CommandButton cmdOK;
  forms::CommandButton cmdCancel;
  forms::CommandButton cmdHelp;

  // General
  std::array<forms::Label, 4> Label1;  // "&Home page", "&Error page", "&Default server", "&Root directory"
  std::array<forms::Label, 4> Label2;  // headings "Pages", "Domains", "Defaults", "Custom buttons"
  std::array<forms::Label, 2> Label3;  // notes on the home and error page
  forms::Label Label5;                 // note on the default server
  forms::Label Label6;                 // note on the root directory
  forms::TextBox txtHome;
  forms::CommandButton cmdBrowse;
  forms::TextBox txtError;
  forms::TextBox txtServer;
  forms::CommandButton cmdChangeRoot;
  forms::TextBox txtRoot;
  forms::CommandButton cmdBrowseDir;

  // Allowed domains
  forms::ListBox lstDomains;
  std::array<forms::CommandButton, 3> cmdDomainOp;

  // Toolbar buttons
  forms::ListView<ToolbarEntry> lstButtons;
  std::array<forms::CommandButton, 7> cmdButtonOp;

  // Other
  forms::Frame fraBrowserEngine;
  forms::Frame fraPresentation;
  forms::Label lblBrowserEngine;
  forms::ComboBox cmbBrowserType;  // item data = engine number
  std::array<forms::CheckBox, kSwitchCount> cbSwitch;  // one per switch, in kSwitchSettings' order

  // ---- what a front-end makes, places and wires: OK, Cancel and Help, then each page ----
  forms::Design FrameDesign();
  forms::Design PageDesign(DialogPage page);

  // OK and Cancel unload the dialog and end its modal display; on_closed tells the view so.
  bool unloaded = false;
  std::function<void()> on_closed;

 private:
  // Design state, one function per page.
  void InitGeneralPage();
  void InitDomainsPage();
  void InitToolbarPage();
  void InitOtherPage();
  void AddSwitches(forms::Design& design, DialogPage page);

  // Loading, one function per part of the file.
  void LoadBrowserSettings();
  void LoadToolbar();
  void LoadDomains();
  BrowserSettings SettingsFromControls() const;

  void Unload();
  MessageAnswer Ask(const std::string& text);
  bool RefuseUnstorableTexts();
  bool MayRemoveUnreadToolbarButtons();
  std::string AddressForChosenFile(const std::string& file) const;
  void RemoveDomainEntry();

  // Toolbar rows.
  bool HasSelectedRow() const;
  void SelectRow(int row);
  void PrepareButtonDialog(dlgButton& dialog) const;
  static ToolbarEntry ResultRow(const dlgButton& dialog);
  void EnableArrows(bool up_down, bool left, bool right);

  OptionsServices services_;
  std::string config_path_;
  std::string root_dir_;
  std::string def_server_;
  std::unique_ptr<CIniFile2> ini_;
  bool loaded_ = false;
  // [Toolbar] buttons of the file that lie beyond what the list could read, and a save removes.
  std::size_t toolbar_buttons_unread_ = 0;
};

}  // namespace kgh
