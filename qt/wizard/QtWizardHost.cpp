#include "qt/wizard/QtWizardHost.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QMenu>

#include "qt/ModalParent.h"
#include "qt/QtText.h"

namespace kgh::qt {

QtWizardHost::~QtWizardHost() {
  while (hourglass_depth_ > 0) SetHourglass(false);
}

void QtWizardHost::SetHourglass(bool on) {
  if (on) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ++hourglass_depth_;
  } else if (hourglass_depth_ > 0) {
    // Only the pointer set here is taken back; one set by the host application stays.
    QApplication::restoreOverrideCursor();
    --hourglass_depth_;
  }
}

int QtWizardHost::ShowPopupMenu(const forms::MenuItem& menu, const std::vector<forms::MenuItem>& items) {
  QMenu popup(ModalParent());
  popup.setObjectName(ToQ(menu.name));
  popup.setTitle(ToQ(menu.caption));
  for (std::size_t i = 0; i < items.size(); ++i) {
    const forms::MenuItem& item = items[i];
    if (!item.visible) continue;
    QAction* action = popup.addAction(ToQ(item.caption));
    action->setObjectName(ToQ(item.name));
    action->setEnabled(item.enabled);
    action->setData(static_cast<int>(i));
  }
  // The choice is taken from the menu's signal rather than from exec's result, so that an
  // action triggered by other means than a click (assistive technology) counts as well.
  int chosen = -1;
  QObject::connect(&popup, &QMenu::triggered, &popup, [&chosen, &popup](QAction* action) {
    chosen = action->data().toInt();
    popup.close();
  });
  popup.exec(QCursor::pos());
  return chosen;
}

// Windows help files have no engine outside Windows, so there is nothing to close; the
// request has no other effect.
void QtWizardHost::HelpQuit(const std::string& /*help_file*/) {}

}  // namespace kgh::qt
