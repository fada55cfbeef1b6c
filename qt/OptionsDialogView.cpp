#include "qt/OptionsDialogView.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QShortcut>
#include <QStackedWidget>
#include <QTabBar>
#include <QTreeWidget>

#include "options/OptionsDesign.h"
#include "qt/DesignWidgets.h"
#include "qt/EntryDialogView.h"
#include "qt/FormWidgets.h"
#include "qt/HelpTopics.h"
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
  const DesignUnits units(this);
  setFixedSize(units.Across(options_layout::kClientWidth), units.Down(options_layout::kClientHeight));
  BuildTabs();
  BuildPages();
  BuildDesign(this, form_.FrameDesign(), controls_, dispatch_);
}

// The strip's tabs above the area its pages fill, both within the strip's place.
void OptionsDialogView::BuildTabs() {
  tabs_ = new QTabBar(this);
  tabs_->setObjectName(QStringLiteral("tbsOptions"));
  tabs_->setExpanding(false);
  for (const forms::Tab& tab : form_.tbsOptions.tabs) {
    const int index = tabs_->addTab(ToQ(tab.caption));
    tabs_->setTabToolTip(index, ToQ(tab.tool_tip));
  }
  stack_ = new QStackedWidget(this);
  stack_->setFrameShape(QFrame::StyledPanel);
  PlaceFrom(stack_, options_layout::kTabStrip, {});
  const QRect strip = stack_->geometry();
  const int tab_height = tabs_->sizeHint().height();
  tabs_->setGeometry(strip.left(), strip.top(), strip.width(), tab_height);
  stack_->setGeometry(strip.adjusted(0, tab_height, 0, 0));
}

void OptionsDialogView::BuildPages() {
  // Controls stand clear of the frame around the pages by a margin, as the system's tab control
  // keeps its pages clear of its border.
  constexpr int kMargin = 90;  // twips
  const DesignUnits units(this);
  const QPoint origin(units.Across(kMargin), units.Down(kMargin));
  for (std::size_t i = 0; i < pages_.size(); ++i) {
    pages_[i] = new QWidget(stack_);
    pages_[i]->setObjectName(QString::fromStdString(form_.picOptions[i].name));
    stack_->addWidget(pages_[i]);
    BuildDesign(pages_[i], form_.PageDesign(static_cast<DialogPage>(i)), controls_, dispatch_, origin);
  }
  auto* list = qobject_cast<QTreeWidget*>(controls_.Find(form_.lstButtons));
  QWidget* toolbar_page = pages_[static_cast<std::size_t>(DialogPage::ToolbarButtons)];
  toolbar_ = std::make_unique<ToolbarPageView>(form_, toolbar_page, list, origin);
}

void OptionsDialogView::Connect() {
  connect(tabs_, &QTabBar::currentChanged, this, [this](int index) {
    dispatch_([this, index] {
      form_.tbsOptions.selected = index;
      form_.tbsOptions_Click();
    });
  });
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
      SetHelpTopic(*this, options_layout::kPages[i].help_topic);
    }
    pages_[i]->setEnabled(page.enabled);
  }
  controls_.RenderAll();
  toolbar_->Render();
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
