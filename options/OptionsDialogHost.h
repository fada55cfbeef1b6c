#pragma once
// What the options dialog needs from the window system while it is shown: the two entry
// dialogs displayed modally over it, and the input focus. The view of the options dialog
// implements it; tests script it.
#include "forms/Controls.h"

namespace kgh {

class dlgButton;
class dlgDomain;

class OptionsDialogHost {
 public:
  virtual ~OptionsDialogHost() = default;

  // Shows the entry dialog modally over the options dialog and returns once it has closed (it
  // called its on_closed). Reached through EntryDialog::ShowModal only.
  virtual void ShowModal(dlgButton& dialog) = 0;
  virtual void ShowModal(dlgDomain& dialog) = 0;

  // Gives `control` (a member of a shown form) the input focus. False when that is not
  // possible: the form is not visible yet, or the control is hidden, disabled or on a page
  // that is not shown.
  virtual bool SetFocus(const forms::Control& control) = 0;
};

}  // namespace kgh
