#include "qt/OptionsDialogView.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QShortcut>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

#include "qt/ButtonDialogView.h"
#include "qt/DomainDialogView.h"
#include "qt/DomainsPageView.h"
#include "qt/FormWidgets.h"
#include "qt/GeneralPageView.h"
#include "qt/HelpTopics.h"
#include "qt/OtherPageView.h"
#include "qt/QtText.h"
#include "qt/ToolbarPageView.h"

namespace kgh::qt {

OptionsDialogView::OptionsDialogView(frmOrvexOptions& form, QWidget* parent)
    : QDialog(parent), form_(form), dispatch_([this] { Render(); }) {
  Build();
  Connect();
  SeeKeysFirst(this);
  form_.SetDialogHost(this);
  form_.on_closed = [this] { done(QDialog::Accepted); };
  dispatch_.Render();
}

OptionsDialogView::~OptionsDialogView() {
  form_.SetDialogHost(nullptr);
  form_.on_closed = nullptr;
}

void OptionsDialogView::Build() {
  setObjectName(QStringLiteral("frmOrvexOptions"));
  BuildTabs();
  ok_ = new QPushButton(this);
  ok_->setObjectName(QStringLiteral("cmdOK"));
  ok_->setDefault(true);
  cancel_ = new QPushButton(this);
  cancel_->setObjectName(QStringLiteral("cmdCancel"));
  help_ = new QPushButton(this);
  help_->setObjectName(QStringLiteral("cmdHelp"));
  help_->setAutoDefault(false);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  buttons->addWidget(help_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);
  layout->addWidget(stack_, 1);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  controls_.Bind(form_.tbsOptions, tabs_);
  controls_.BindAll(form_.FrameControls(), ok_, cancel_, help_);
}

void OptionsDialogView::BuildTabs() {
  tabs_ = new QTabBar(this);
  tabs_->setObjectName(QStringLiteral("tbsOptions"));
  tabs_->setExpanding(false);
  for (const forms::Tab& tab : form_.tbsOptions.tabs) {
    const int index = tabs_->addTab(ToQ(tab.caption));
    tabs_->setTabToolTip(index, ToQ(tab.tool_tip));
  }
  stack_ = new QStackedWidget(this);
  pages_ = {new GeneralPageView(form_, dispatch_, controls_, stack_),
            new DomainsPageView(form_, dispatch_, controls_, stack_),
            new ToolbarPageView(form_, dispatch_, controls_, stack_),
            new OtherPageView(form_, dispatch_, controls_, stack_)};
  for (std::size_t i = 0; i < pages_.size(); ++i) {
    stack_->addWidget(pages_[i]);
    controls_.Bind(form_.picOptions[i], pages_[i]);
  }
}

void OptionsDialogView::Connect() {
  connect(tabs_, &QTabBar::currentChanged, this, [this](int index) {
    dispatch_([this, index] {
      form_.tbsOptions.selected = index;
      form_.tbsOptions_Click();
    });
  });
  connect(ok_, &QPushButton::clicked, this, [this] { dispatch_([this] { form_.cmdOK_Click(); }); });
  connect(cancel_, &QPushButton::clicked, this, [this] { reject(); });
  connect(help_, &QPushButton::clicked, this, [this] { dispatch_([this] { form_.cmdHelp_Click(); }); });
  AddHelpKey(*this);
}

// F1 asks for help as the Help button does, over an entry dialog too: the help service shows
// the page of the window in front.
void OptionsDialogView::AddHelpKey(QWidget& window) {
  auto* key = new QShortcut(QKeySequence::HelpContents, &window);
  connect(key, &QShortcut::activated, this, [this] { dispatch_([this] { form_.cmdHelp_Click(); }); });
}

bool OptionsDialogView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  if (key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab) return QDialog::eventFilter(watched, event);
  const int before = form_.tbsOptions.selected;
  const int shift = ShiftState(key->modifiers()) | (key->key() == Qt::Key_Backtab ? 1 : 0);
  dispatch_([this, shift] { form_.Form_KeyDown(frmOrvexOptions::kTabKey, shift); });
  // A key the form acted on goes no further; any other Tab moves the focus as usual.
  return form_.tbsOptions.selected != before;
}

void OptionsDialogView::Render() {
  setWindowTitle(ToQ(form_.Caption));
  if (tabs_->currentIndex() != form_.tbsOptions.selected) tabs_->setCurrentIndex(form_.tbsOptions.selected);
  for (std::size_t i = 0; i < pages_.size(); ++i) {
    const forms::Page& page = form_.picOptions[i];
    if (page.visible) {
      stack_->setCurrentIndex(static_cast<int>(i));
      SetHelpTopic(*this, kOptionsPageTopics[i]);
    }
    pages_[i]->setEnabled(page.enabled);
  }
  controls_.RenderAll();
  for (OptionsPage* page : pages_) page->Render();
}

// Both entry dialogs are shown alike; while one is up, focus requests look in it first.
template <typename View, typename Dialog>
void OptionsDialogView::RunEntryDialog(Dialog& dialog) {
  View view(dialog, this);
  AddHelpKey(view);
  nested_controls_.push_back(&view.controls());
  view.exec();
  nested_controls_.pop_back();
}

void OptionsDialogView::ShowModal(dlgButton& dialog) { RunEntryDialog<ButtonDialogView>(dialog); }

void OptionsDialogView::ShowModal(dlgDomain& dialog) { RunEntryDialog<DomainDialogView>(dialog); }

bool OptionsDialogView::SetFocus(const forms::Control& control) {
  for (auto it = nested_controls_.rbegin(); it != nested_controls_.rend(); ++it)
    if (QWidget* widget = (*it)->Find(control)) return FocusWidget(widget);
  return FocusWidget(controls_.Find(control));
}

void OptionsDialogView::reject() {
  dispatch_([this] { form_.cmdCancel_Click(); });
}

void OptionsDialogView::closeEvent(QCloseEvent* event) {
  if (!form_.unloaded) dispatch_([this] { form_.Form_QueryUnload(); });
  event->accept();
}

}  // namespace kgh::qt
