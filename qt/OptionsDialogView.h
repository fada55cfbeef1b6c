#pragma once
// The options dialog on screen: the tab strip over its pages, OK, Cancel and Help. It is also
// the window-system side the form needs while shown: it shows the entry dialogs modally over
// itself and gives controls the focus.
#include <QDialog>

#include <array>
#include <memory>
#include <vector>

#include "options/OptionsDialogHost.h"
#include "options/frmOrvexOptions.h"
#include "qt/ControlWidgets.h"
#include "forms/Dispatcher.h"

class QPushButton;
class QStackedWidget;
class QTabBar;

namespace kgh::qt {

class ToolbarPageView;

class OptionsDialogView final : public QDialog, public OptionsDialogHost {
 public:
  explicit OptionsDialogView(frmOrvexOptions& form, QWidget* parent = nullptr);
  ~OptionsDialogView() override;

  void ShowModal(dlgButton& dialog) override;
  void ShowModal(dlgDomain& dialog) override;
  bool SetFocus(const forms::Control& control) override;

  void reject() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Build();
  void BuildTabs();
  void BuildPages();
  void Connect();
  void AddHelpKey(QWidget& window);
  void Render();
  template <typename View, typename Dialog>
  void RunEntryDialog(Dialog& dialog);

  frmOrvexOptions& form_;
  forms::Dispatcher dispatch_;
  ControlWidgets controls_;
  // The controls of the entry dialog shown over this one, which the entry dialogs' own focus
  // requests reach through this host.
  std::vector<const ControlWidgets*> nested_controls_;
  QTabBar* tabs_ = nullptr;
  QStackedWidget* stack_ = nullptr;
  std::array<QWidget*, options_layout::kPageCount> pages_{};
  std::unique_ptr<ToolbarPageView> toolbar_;
};

}  // namespace kgh::qt
