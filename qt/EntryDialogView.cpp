#include "qt/EntryDialogView.h"

#include <QCloseEvent>

#include "qt/DesignWidgets.h"
#include "qt/HelpTopics.h"
#include "qt/QtText.h"

namespace kgh::qt {

template <typename Form>
EntryDialogView<Form>::EntryDialogView(Form& form, QWidget* parent)
    : QDialog(parent), form_(form), dispatch_([this] { Render(); }) {
  setObjectName(QString::fromUtf8(Form::kFormName));
  const DesignUnits units(this);
  setFixedSize(units.Across(Form::kDesignWidth), units.Down(Form::kDesignHeight));
  BuildDesign(this, form_.DialogDesign(), controls_, dispatch_);
  SetHelpTopic(*this, Form::kHelpTopic);
  form_.on_closed = [this] { done(form_.Confirmed ? QDialog::Accepted : QDialog::Rejected); };
  dispatch_.Render();
}

// The form may outlive its view: it must not reach a view that is gone.
template <typename Form>
EntryDialogView<Form>::~EntryDialogView() {
  form_.on_closed = nullptr;
}

template <typename Form>
void EntryDialogView<Form>::Render() {
  setWindowTitle(ToQ(form_.Caption));
  controls_.RenderAll();
}

template <typename Form>
void EntryDialogView<Form>::reject() {
  dispatch_([this] { form_.CancelButton_Click(); });
}

template <typename Form>
void EntryDialogView<Form>::closeEvent(QCloseEvent* event) {
  if (form_.IsOpen()) dispatch_([this] { form_.Form_QueryUnload(); });
  event->accept();
}

template class EntryDialogView<dlgButton>;
template class EntryDialogView<dlgDomain>;

}  // namespace kgh::qt
