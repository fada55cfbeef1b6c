#include "win32/NativeFormHost.h"

#include "win32/OptionsDialogWindow.h"

namespace kgh::native {

void NativeFormHost::ShowOptionsDialog(frmOrvexOptions& form) {
  OptionsDialogWindow window(form);
  window.RunModal();
}

void NativeFormHost::ShowWizard(frmWizard&) {
  messages_.Show(MessageRequest::Notice(
      "The wizard for a new configuration is not available in this version for Windows. Create the file with "
      "CreateStartFile and edit it with the options dialog.",
      MessageIcon::Exclamation));
}

}  // namespace kgh::native
