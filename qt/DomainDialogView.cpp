#include "qt/DomainDialogView.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "qt/FormWidgets.h"
#include "qt/QtText.h"
#include "qt/Twips.h"

namespace kgh::qt {

DomainDialogView::DomainDialogView(dlgDomain& form, QWidget* parent)
    : QDialog(parent), form_(form), dispatch_([this] { Render(); }) {
  Build();
  Connect();
  form_.on_closed = [this] { done(form_.hidden ? QDialog::Accepted : QDialog::Rejected); };
  dispatch_.Render();
}

void DomainDialogView::Build() {
  setObjectName(QStringLiteral("dlgDomain"));
  label_ = new QLabel(this);
  label_->setWordWrap(true);
  domain_ = new QComboBox(this);
  domain_->setObjectName(QStringLiteral("cmbDomain"));
  domain_->setEditable(true);
  domain_->setInsertPolicy(QComboBox::NoInsert);
  domain_->setMinimumWidth(TwipsToPixels(3600, this));
  label_->setBuddy(domain_);
  ok_ = new QPushButton(this);
  ok_->setObjectName(QStringLiteral("OKButton"));
  ok_->setDefault(true);
  cancel_ = new QPushButton(this);
  cancel_->setObjectName(QStringLiteral("CancelButton"));

  auto* entry = new QVBoxLayout;
  entry->addWidget(label_);
  entry->addWidget(domain_);
  entry->addStretch();
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  buttons->addStretch();
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(entry, 1);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  label_->setMaximumWidth(TwipsToPixels(3600, this));

  controls_.Bind(form_.cmbDomain, domain_);
  controls_.Bind(form_.OKButton, ok_);
  controls_.Bind(form_.CancelButton, cancel_);
}

void DomainDialogView::Connect() {
  connect(domain_, &QComboBox::editTextChanged, this,
          [this](const QString& text) { dispatch_([this, text] { form_.cmbDomain.text = FromQ(text); }); });
  connect(domain_, &QComboBox::activated, this,
          [this](int index) { dispatch_([this, index] { form_.cmbDomain.list_index = index; }); });
  OnFocusIn(domain_, [this] {
    dispatch_([this] { form_.cmbDomain_GotFocus(); });
    ApplySelection(domain_, form_.cmbDomain);
  });
  connect(ok_, &QPushButton::clicked, this, [this] { dispatch_([this] { form_.OKButton_Click(); }); });
  connect(cancel_, &QPushButton::clicked, this, [this] { reject(); });
}

void DomainDialogView::Render() {
  setWindowTitle(ToQ(form_.Caption));
  RenderLabel(label_, form_.Label1);
  RenderComboBox(domain_, form_.cmbDomain);
  RenderButton(ok_, form_.OKButton);
  RenderButton(cancel_, form_.CancelButton);
}

void DomainDialogView::reject() {
  dispatch_([this] { form_.CancelButton_Click(); });
}

void DomainDialogView::closeEvent(QCloseEvent* event) {
  if (!form_.hidden && !form_.unloaded) dispatch_([this] { form_.Form_QueryUnload(); });
  event->accept();
}

}  // namespace kgh::qt
