#include "qt/ModalParent.h"

#include <QApplication>
#include <QWidget>

namespace kgh::qt {

QWidget* ModalParent() {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  return QApplication::activeWindow();
}

}  // namespace kgh::qt
