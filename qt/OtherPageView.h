#pragma once
// The "Other" page: the browser engine and the six presentation switches.
#include <array>

#include "qt/OptionsPage.h"

class QCheckBox;
class QComboBox;
class QGroupBox;

namespace kgh::qt {

class OtherPageView final : public OptionsPage {
 public:
  OtherPageView(frmOrvexOptions& form, forms::Dispatcher& dispatch, ControlWidgets& controls, QWidget* parent);
  void Render() override;

 private:
  std::array<forms::CheckBox*, 6> FormCheckBoxes();
  void Connect();

  QGroupBox* engine_frame_ = nullptr;
  QLabel* engine_label_ = nullptr;
  QComboBox* engine_ = nullptr;
  QGroupBox* presentation_frame_ = nullptr;
  std::array<QCheckBox*, 6> boxes_{};
};

}  // namespace kgh::qt
