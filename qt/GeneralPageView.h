#pragma once
// The "General" page: default server and root directory above, home and error page below.
#include "qt/OptionsPage.h"

class QGridLayout;
class QLineEdit;
class QPushButton;

namespace kgh::qt {

class GeneralPageView final : public OptionsPage {
 public:
  GeneralPageView(frmOrvexOptions& form, forms::Dispatcher& dispatch, ControlWidgets& controls, QWidget* parent);

 private:
  void BuildDefaults(QGridLayout* grid);
  void BuildPages(QGridLayout* grid);
  QLabel* AddNote(QGridLayout* grid, int row);
  QLineEdit* AddField(QGridLayout* grid, int row, QLabel** label, const char* name);
  void Connect();

  QLabel* defaults_heading_ = nullptr;
  QLabel* server_note_ = nullptr;
  QLabel* server_label_ = nullptr;
  QLineEdit* server_ = nullptr;
  QPushButton* change_root_ = nullptr;
  QLabel* root_note_ = nullptr;
  QLabel* root_label_ = nullptr;
  QLineEdit* root_ = nullptr;
  QPushButton* browse_dir_ = nullptr;
  QLabel* pages_heading_ = nullptr;
  QLabel* home_note_ = nullptr;
  QLabel* home_label_ = nullptr;
  QLineEdit* home_ = nullptr;
  QPushButton* browse_ = nullptr;
  QLabel* error_note_ = nullptr;
  QLabel* error_label_ = nullptr;
  QLineEdit* error_ = nullptr;
};

}  // namespace kgh::qt
