#include "qt/OptionsPage.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include "qt/FormWidgets.h"
#include "qt/QtText.h"

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

void OptionsPage::ForwardEdits(QLineEdit* box, forms::TextBox& control) {
  connect(box, &QLineEdit::textEdited, this,
          [this, &control](const QString& text) { dispatch_([&control, text] { control.text = FromQ(text); }); });
}

void OptionsPage::ForwardFocus(QLineEdit* box, forms::TextBox& control, void (frmOrvexOptions::*got_focus)()) {
  // The handler reaches the form and the dispatcher directly rather than through this page.
  frmOrvexOptions& form = form_;
  Dispatcher& dispatch = dispatch_;
  OnFocusIn(box, [&form, &dispatch, box, &control, got_focus] {
    dispatch([&form, got_focus] { (form.*got_focus)(); });
    ApplySelection(box, control);
  });
}

}  // namespace kgh::qt
