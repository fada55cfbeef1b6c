#pragma once
// The button properties dialog on screen: the kind, and for a user button its caption, address
// and bitmap with the two browse buttons.
#include <QDialog>

#include "options/dlgButton.h"
#include "qt/ControlWidgets.h"
#include "forms/Dispatcher.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kgh::qt {

class ButtonDialogView final : public QDialog {
 public:
  ButtonDialogView(dlgButton& form, QWidget* parent);
  ~ButtonDialogView() override;
  ButtonDialogView(const ButtonDialogView&) = delete;
  ButtonDialogView& operator=(const ButtonDialogView&) = delete;

  const ControlWidgets& controls() const { return controls_; }
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void Build();
  void AddHeading(QGridLayout* grid, int row, QLabel* heading);
  void AddField(QGridLayout* grid, int row, QLabel* label, QLineEdit* box, QPushButton* browse);
  void BindControls();
  void SetTabOrder();
  void Connect();
  void Render();

  dlgButton& form_;
  forms::Dispatcher dispatch_;
  ControlWidgets controls_;
  QLabel* type_heading_ = nullptr;
  QLabel* custom_heading_ = nullptr;
  QComboBox* type_ = nullptr;
  QLabel* caption_label_ = nullptr;
  QLabel* url_label_ = nullptr;
  QLabel* bitmap_label_ = nullptr;
  QLineEdit* caption_ = nullptr;
  QLineEdit* url_ = nullptr;
  QLineEdit* bitmap_ = nullptr;
  QPushButton* browse_ = nullptr;
  QPushButton* browse_bitmap_ = nullptr;
  QLabel* hint_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
};

}  // namespace kgh::qt
