#pragma once
// The button properties dialog: the kind of one toolbar button and, for a user (URL) button,
// its caption, destination URL and bitmap URL. The caller fills the fields, calls Start or
// StartAddNew, shows it modally (ShowModal) and reads the fields after it has closed; the dialog
// never touches the toolbar list or the file.
#include <array>
#include <functional>
#include <string>

#include "config/CButtons.h"
#include "forms/Controls.h"
#include "forms/Design.h"
#include "forms/HelpPages.h"
#include "options/EntryDialog.h"

namespace kgh {

class dlgButton final : public EntryDialog {
 public:
  explicit dlgButton(OptionsServices services = {});

  // ---- caller's fields (inputs, and results once Confirmed) ----
  std::string RootDir;
  std::string DefServer;  // "server:port", no trailing "/"; "" when none
  std::string ConfigDir;  // folder of the configuration file; may be ""
  ButtonTypeId ButtonType = 0;
  std::string ButtonCaption;
  std::string ButtonURL;
  std::string ButtonBitmap;

  // Prepares the dialog for the preset button; does not show it.
  void Start();
  // Prepares the dialog for a new user button; does not show it.
  void StartAddNew();

  // ---- event handlers ----
  // Call after setting cmbType.list_index.
  void cmbType_Click();
  void cmdBrowse_Click();
  void cmdBrowseBitmap_Click();
  void OKButton_Click();
  void CancelButton_Click();
  // Closing through the window frame: the same as Cancel.
  void Form_QueryUnload();
  void txtCaption_GotFocus();
  void txtURL_GotFocus();
  void txtBitmap_GotFocus();

  void FillTypeList();

  // ---- controls, in their design state ----
  std::string Caption = "Button properties";
  std::array<forms::Label, 2> Label1;      // "Type of the button", "Custom properties"
  forms::ComboBox cmbType;                 // drop-down list, item data = ButtonTypeId
  std::array<forms::Label, 3> lblCaption;  // "&Caption:", "&Bitmap URL:", "&Destination URL:"
  forms::TextBox txtCaption;
  forms::TextBox txtURL;
  forms::TextBox txtBitmap;
  forms::CommandButton cmdBrowse;
  forms::CommandButton cmdBrowseBitmap;
  forms::Label Label3;
  forms::Line Line1;  // above OK and Cancel
  forms::CommandButton OKButton;
  forms::CommandButton CancelButton;

  // What a front-end makes, places and wires, in tab order, on a client area of this size.
  forms::Design DialogDesign();
  static constexpr int kDesignWidth = 4950;
  static constexpr int kDesignHeight = 4515;
  static constexpr const char* kFormName = "dlgButton";
  static constexpr const char* kHelpTopic = forms::kButtonDialogTopic;

 private:
  ButtonTypeId SelectedType() const;  // 0 when nothing is selected
  void SelectFirstWhere(const std::function<bool(const forms::ComboItem&)>& matches);
  std::string ChooseFile(const char* title, const char* description, const char* extensions);
  std::string BitmapAddressFor(const std::string& file) const;
  bool RefuseUnstorableTexts();
  void ShowOn(OptionsDialogHost& host) override;
};

}  // namespace kgh
