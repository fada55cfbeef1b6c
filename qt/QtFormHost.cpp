#include "qt/QtFormHost.h"

#include "qt/OptionsDialogView.h"
#include "qt/QtApplicationGuard.h"

namespace kgh::qt {

void QtFormHost::ShowOptionsDialog(frmOrvexOptions& form) {
  EnsureApplication();
  OptionsDialogView view(form);
  if (!form.unloaded) view.exec();
}

}  // namespace kgh::qt
