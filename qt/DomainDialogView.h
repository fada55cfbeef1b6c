#pragma once
// The domain entry dialog on screen: the label, the editable box with the presets, OK and Cancel.
#include <QDialog>

#include "options/dlgDomain.h"
#include "qt/ControlWidgets.h"
#include "forms/Dispatcher.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace kgh::qt {

class DomainDialogView final : public QDialog {
 public:
  DomainDialogView(dlgDomain& form, QWidget* parent);
  ~DomainDialogView() override;
  DomainDialogView(const DomainDialogView&) = delete;
  DomainDialogView& operator=(const DomainDialogView&) = delete;

  const ControlWidgets& controls() const { return controls_; }
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Build();
  void Connect();
  void Render();

  dlgDomain& form_;
  forms::Dispatcher dispatch_;
  ControlWidgets controls_;
  QLabel* label_ = nullptr;
  QComboBox* domain_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace kgh::qt
