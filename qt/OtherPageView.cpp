#include "qt/OtherPageView.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "qt/FormWidgets.h"
#include "qt/QtText.h"

namespace kgh::qt {

OtherPageView::OtherPageView(frmOrvexOptions& form, forms::Dispatcher& dispatch, ControlWidgets& controls, QWidget* parent)
    : OptionsPage(form, dispatch, controls, parent) {
  setObjectName(QStringLiteral("picOptions(3)"));
  engine_frame_ = new QGroupBox(this);
  engine_label_ = new QLabel(engine_frame_);
  engine_ = new QComboBox(engine_frame_);
  engine_->setObjectName(QStringLiteral("cmbBrowserType"));
  engine_label_->setBuddy(engine_);
  auto* engine_row = new QHBoxLayout(engine_frame_);
  engine_row->addWidget(engine_label_);
  engine_row->addWidget(engine_, 1);

  presentation_frame_ = new QGroupBox(this);
  auto* column = new QVBoxLayout(presentation_frame_);
  for (std::size_t i = 0; i < boxes_.size(); ++i) {
    boxes_[i] = new QCheckBox(presentation_frame_);
    boxes_[i]->setObjectName(QString::fromStdString(form_.cbSwitch[i].name));
    column->addWidget(boxes_[i]);
  }
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(engine_frame_);
  layout->addWidget(presentation_frame_);
  layout->addStretch();
  controls_.BindAll(form_.OtherPageControls(), engine_frame_, engine_label_, engine_, presentation_frame_, boxes_);
  Connect();
}

// Every switch is drawn here; a switch declared for another page needs room made for it there.
static_assert(std::ranges::all_of(kSwitchSettings, [](const SwitchSetting& s) { return s.shown.page == DialogPage::Other; }),
              "a switch is declared for a page that has no check boxes");

void OtherPageView::Connect() {
  connect(engine_, &QComboBox::activated, this,
          [this](int index) { dispatch_([this, index] { form_.cmbBrowserType.list_index = index; }); });
  for (std::size_t i = 0; i < boxes_.size(); ++i) {
    forms::CheckBox* box = &form_.cbSwitch[i];
    connect(boxes_[i], &QCheckBox::clicked, this,
            [this, box](bool checked) { dispatch_([box, checked] { box->value = checked ? 1 : 0; }); });
  }
}

}  // namespace kgh::qt
