#pragma once
// The "Other" page: the browser engine and the presentation switches.
#include <array>

#include "qt/OptionsPage.h"

class QCheckBox;
class QComboBox;
class QGroupBox;

namespace kgh::qt {

class OtherPageView final : public OptionsPage {
 public:
  OtherPageView(frmOrvexOptions& form, forms::Dispatcher& dispatch, ControlWidgets& controls, QWidget* parent);

 private:
  void Connect();

  QGroupBox* engine_frame_ = nullptr;
  QLabel* engine_label_ = nullptr;
  QComboBox* engine_ = nullptr;
  QGroupBox* presentation_frame_ = nullptr;
  std::array<QCheckBox*, kSwitchCount> boxes_{};
};

}  // namespace kgh::qt
