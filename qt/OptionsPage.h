#pragma once
// What every page of the options dialog shares: the form it draws, the road for its events and
// the map that answers the form's focus requests.
#include <QWidget>

#include "options/frmOrvexOptions.h"
#include "qt/ControlWidgets.h"
#include "forms/Dispatcher.h"

class QLabel;

namespace kgh::qt {

class OptionsPage : public QWidget {
 public:
  OptionsPage(frmOrvexOptions& form, forms::Dispatcher& dispatch, ControlWidgets& controls, QWidget* parent)
      : QWidget(parent), form_(form), dispatch_(dispatch), controls_(controls) {}

  // Draws what the page shows beyond the controls it bound (ControlWidgets draws those).
  virtual void Render() {}

 protected:
  // A heading followed by an etched rule to the right edge.
  QWidget* MakeHeading(QLabel* heading);

  frmOrvexOptions& form_;
  forms::Dispatcher& dispatch_;
  ControlWidgets& controls_;
};

}  // namespace kgh::qt
