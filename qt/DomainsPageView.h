#pragma once
// The "Allowed domains" page: the entries and the Change, Add and Remove buttons.
#include <array>

#include "qt/OptionsPage.h"

class QListWidget;
class QPushButton;

namespace kgh::qt {

class DomainsPageView final : public OptionsPage {
 public:
  DomainsPageView(frmOrvexOptions& form, forms::Dispatcher& dispatch, ControlWidgets& controls, QWidget* parent);

 private:
  void Connect();

  QLabel* heading_ = nullptr;
  QListWidget* list_ = nullptr;
  std::array<QPushButton*, 3> buttons_{};
};

}  // namespace kgh::qt
