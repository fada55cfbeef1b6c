#include "qt/OptionsPage.h"

#include <QHBoxLayout>
#include <QLabel>

#include "qt/FormWidgets.h"

namespace kgh::qt {

QWidget* OptionsPage::MakeHeading(QLabel* heading) {
  auto* row = new QWidget(this);
  auto* layout = new QHBoxLayout(row);
  layout->setContentsMargins(0, 0, 0, 0);
  heading->setParent(row);
  layout->addWidget(heading);
  layout->addWidget(MakeRule(row), 1);
  return row;
}

}  // namespace kgh::qt
