#include "qt/wizard/WizardView.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>

#include "qt/FormWidgets.h"
#include "qt/QtText.h"
#include "qt/Twips.h"
#include "qt/wizard/WizardLayout.h"

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
  widgets_ = BuildWizardWidgets(this, form_);
  controls_.BindAll(form_.Controls(), widgets_.heading, widgets_.step_text, widgets_.picture, widgets_.iis,
                    widgets_.iis_label, widgets_.empty, widgets_.empty_label, widgets_.save_settings, widgets_.nav,
                    widgets_.nav_button);
  setFixedSize(TwipsToPixels(wizard_layout::kClientWidth, this), TwipsToPixels(wizard_layout::kClientHeight, this));
  Connect();
  SeeKeysFirst(this);
  form_.on_closed = [this] { done(form_.hidden ? QDialog::Accepted : QDialog::Rejected); };
  dispatch_.Render();
  // The page's usual way on; Help shows nothing here.
  widgets_.nav_button[frmWizard::kNextButton]->setFocus();
}

WizardView::~WizardView() { form_.on_closed = nullptr; }

void WizardView::Connect() {
  for (std::size_t i = 0; i < widgets_.nav_button.size(); ++i) {
    connect(widgets_.nav_button[i], &QPushButton::clicked, this,
            [this, index = static_cast<int>(i)] { dispatch_([this, index] { form_.cmdNav_Click(index); }); });
  }
  connect(widgets_.iis, &QPushButton::clicked, this, [this] { dispatch_([this] { form_.cmdIIS_Click(); }); });
  connect(widgets_.empty, &QPushButton::clicked, this, [this] { dispatch_([this] { form_.cmdEmptyApp_Click(); }); });
  connect(widgets_.save_settings, &QCheckBox::toggled, this,
          [this](bool checked) { dispatch_([this, checked] { form_.chkSaveSettings.value = checked ? 1 : 0; }); });
}

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
  for (std::size_t step = 0; step < widgets_.page.size(); ++step) {
    const forms::Page& page = form_.fraStep[step];
    // Pages that are not shown are parked outside the window.
    if (page.left == 0 && page.visible) widgets_.pages->setCurrentIndex(static_cast<int>(step));
    widgets_.page[step]->setEnabled(page.enabled);
  }
  controls_.RenderAll();
  LayOutTexts(widgets_);
}

}  // namespace kgh::qt
