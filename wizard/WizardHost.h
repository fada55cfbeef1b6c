#pragma once
// What the wizard needs from the window system while it is shown. The wizard's view implements
// it; tests script it.
#include <string>
#include <vector>

#include "forms/Controls.h"

namespace kgh {

class WizardHost {
 public:
  virtual ~WizardHost() = default;
  // Sets the whole application's mouse pointer to the hourglass (true) or back to the default.
  virtual void SetHourglass(bool on) = 0;
  // Shows `menu` as a pop-up menu at the mouse position, offering those of `items` that are
  // visible, and waits for the user. Returns the chosen item's index in `items`, or -1 when
  // the user chose none.
  virtual int ShowPopupMenu(const forms::MenuItem& menu, const std::vector<forms::MenuItem>& items) = 0;
  // Asks the platform's help engine to close `help_file` for the wizard's window. Failures are
  // silent; a platform without that engine does nothing.
  virtual void HelpQuit(const std::string& help_file) = 0;
};

}  // namespace kgh
