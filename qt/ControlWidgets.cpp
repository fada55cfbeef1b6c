#include "qt/ControlWidgets.h"

#include <QWidget>

namespace kgh::qt {

bool FocusWidget(QWidget* widget) {
  if (widget == nullptr || !widget->isVisible() || !widget->isEnabled()) return false;
  widget->setFocus(Qt::OtherFocusReason);
  return true;
}

}  // namespace kgh::qt
