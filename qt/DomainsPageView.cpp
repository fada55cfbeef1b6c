#include "qt/DomainsPageView.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "qt/FormWidgets.h"
#include "qt/Twips.h"

namespace kgh::qt {

DomainsPageView::DomainsPageView(frmOrvexOptions& form, forms::Dispatcher& dispatch, ControlWidgets& controls,
                                 QWidget* parent)
    : OptionsPage(form, dispatch, controls, parent) {
  setObjectName(QStringLiteral("picOptions(1)"));
  heading_ = new QLabel(this);
  QWidget* heading_row = MakeHeading(heading_);
  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("lstDomains"));
  list_->setAccessibleName(QStringLiteral("Domains"));
  list_->setMinimumWidth(TwipsToPixels(4275, this));
  auto* column = new QVBoxLayout;
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    buttons_[i] = new QPushButton(this);
    buttons_[i]->setObjectName(QString::fromStdString(form_.cmdDomainOp[i].name));
    buttons_[i]->setAutoDefault(false);
    column->addWidget(buttons_[i]);
  }
  column->addStretch();
  auto* grid = new QGridLayout(this);
  grid->addWidget(heading_row, 0, 0, 1, 2);
  grid->addWidget(list_, 1, 0);
  grid->addLayout(column, 1, 1);
  controls_.BindAll(form_.DomainsPageControls(), heading_, list_, buttons_);
  Connect();
}

void DomainsPageView::Connect() {
  // The form's selected entry is the entry the user selected, not Qt's current row, which the
  // list sets to the first entry when it takes the focus.
  connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
    const int row = SelectedRow(list_);
    dispatch_([this, row] { form_.lstDomains.list_index = row; });
  });
  connect(list_, &QListWidget::itemDoubleClicked, this, [this] { dispatch_([this] { form_.lstDomains_DblClick(); }); });
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    const int index = static_cast<int>(i);
    connect(buttons_[i], &QPushButton::clicked, this,
            [this, index] { dispatch_([this, index] { form_.cmdDomainOp_Click(index); }); });
  }
}

}  // namespace kgh::qt
