#include "qt/wizard/WizardView.h"

#include <QKeyEvent>
#include <QStackedWidget>

#include "qt/DesignWidgets.h"
#include "qt/FormWidgets.h"
#include "qt/QtText.h"
#include "wizard/WizardDesign.h"

namespace kgh::qt {

namespace {

// The form's key code of a function key (F1 is 112), or 0 for keys the form does not take.
int FunctionKeyCode(int qt_key) {
  if (qt_key < Qt::Key_F1 || qt_key > Qt::Key_F16) return 0;
  return frmWizard::kF1Key + (qt_key - Qt::Key_F1);
}

}  // namespace

WizardView::WizardView(frmWizard& form, QWidget* parent)
    : QDialog(parent), form_(form), dispatch_([this] { Render(); }) {
  setObjectName(QStringLiteral("frmWizard"));
  const DesignUnits units(this);
  setFixedSize(units.Pixels(wizard_layout::kClient).size());
  // The pages lie in one place, one shown at a time; each holds its design.
  pages_ = new QStackedWidget(this);
  pages_->setObjectName(QStringLiteral("fraStep"));
  PlaceFrom(pages_, wizard_layout::kPages, {});
  for (std::size_t step = 0; step < page_.size(); ++step) {
    page_[step] = new QWidget(pages_);
    page_[step]->setObjectName(ToQ(form_.fraStep[step].name));
    pages_->addWidget(page_[step]);
    controls_.Bind(form_.fraStep[step], page_[step]);
    BuildDesign(page_[step], form_.PageDesign(static_cast<int16_t>(step)), controls_, dispatch_);
  }
  auto* nav = new QWidget(this);
  PlaceFrom(nav, wizard_layout::kNavRow, {});
  nav->setObjectName(ToQ(form_.picNav.name));
  controls_.BindOne(form_.picNav, nav);
  BuildDesign(nav, form_.NavigationDesign(), controls_, dispatch_);
  SeeKeysFirst(this);
  form_.on_closed = [this] { done(form_.hidden ? QDialog::Accepted : QDialog::Rejected); };
  dispatch_.Render();
  // The page's usual way on; Help shows nothing here.
  controls_.Find(form_.cmdNav[frmWizard::kNextButton])->setFocus();
}

WizardView::~WizardView() { form_.on_closed = nullptr; }

bool WizardView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  const int code = FunctionKeyCode(key->key());
  if (code == 0) return QDialog::eventFilter(watched, event);
  const int shift = ShiftState(key->modifiers());
  dispatch_([this, code, shift] { form_.Form_KeyDown(code, shift); });
  // Taken here, so that it does not climb back to the window from the control it was sent to.
  return true;
}

void WizardView::reject() {
  // Esc and the title bar's close button ask the form, which closes the window once it unloads.
  if (form_.unloaded || form_.hidden) QDialog::reject();
  else dispatch_([this] { form_.cmdNav_Click(frmWizard::kCancelButton); });
}

void WizardView::Render() {
  setWindowTitle(ToQ(form_.Caption));
  for (std::size_t step = 0; step < page_.size(); ++step) {
    const forms::Page& page = form_.fraStep[step];
    // Pages that are not shown are parked outside the window.
    if (page.left == 0 && page.visible) pages_->setCurrentIndex(static_cast<int>(step));
    page_[step]->setEnabled(page.enabled);
  }
  controls_.RenderAll();
}

}  // namespace kgh::qt
