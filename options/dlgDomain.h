#pragma once
// The dialog for one allowed-domain entry: an editable combo box with typical entries, OK and
// Cancel. It refuses an empty entry silently and one the file cannot hold as typed with the
// reason; what it confirms is stored as typed. OK keeps the text readable after the dialog closed.
#include <array>
#include <string>

#include "forms/Controls.h"
#include "forms/Design.h"
#include "forms/HelpPages.h"
#include "options/EntryDialog.h"

namespace kgh {

class dlgDomain final : public EntryDialog {
 public:
  // `services` shows the message that says why an entry cannot be stored.
  explicit dlgDomain(OptionsServices services = {});

  // Fills the presets, puts `InitText` into the edit field and shows the dialog modally over
  // `Parent`. True when the user confirmed a non-empty entry.
  bool Start(OptionsDialogHost& Parent, const std::string& InitText);

  // The edit field's text; read it after Start returned true.
  std::string SelectedText() const { return cmbDomain.text; }

  void OKButton_Click();
  void CancelButton_Click();
  // Closing through the window frame: the same as Cancel.
  void Form_QueryUnload();
  void cmbDomain_GotFocus();

  std::string Caption = "Enter domain";
  forms::Label Label1;
  forms::ComboBox cmbDomain;
  forms::CommandButton OKButton;
  forms::CommandButton CancelButton;

  // What a front-end makes, places and wires, in tab order, on a client area of this size.
  forms::Design DialogDesign();
  static constexpr int kDesignWidth = 5850;
  static constexpr int kDesignHeight = 1410;
  static constexpr const char* kFormName = "dlgDomain";
  static constexpr const char* kHelpTopic = forms::kDomainDialogTopic;

  static const std::array<const char*, 8> kPresets;

 private:
  void ShowOn(OptionsDialogHost& host) override;
};

}  // namespace kgh
