#pragma once
// An entry dialog of the options dialog on screen (a toolbar button, an allowed domain): the
// form's design made into widgets, its caption as the title, and Esc and the window frame
// answered as the form answers Cancel and closing.
#include <QDialog>

#include "forms/Dispatcher.h"
#include "options/dlgButton.h"
#include "options/dlgDomain.h"
#include "qt/ControlWidgets.h"

class QCloseEvent;

namespace kgh::qt {

template <typename Form>
class EntryDialogView final : public QDialog {
 public:
  EntryDialogView(Form& form, QWidget* parent);
  ~EntryDialogView() override;
  EntryDialogView(const EntryDialogView&) = delete;
  EntryDialogView& operator=(const EntryDialogView&) = delete;

  const ControlWidgets& controls() const { return controls_; }
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Render();

  Form& form_;
  forms::Dispatcher dispatch_;
  ControlWidgets controls_;
};

using ButtonDialogView = EntryDialogView<dlgButton>;
using DomainDialogView = EntryDialogView<dlgDomain>;

extern template class EntryDialogView<dlgButton>;
extern template class EntryDialogView<dlgDomain>;

}  // namespace kgh::qt
