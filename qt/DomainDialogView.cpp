#include "qt/DomainDialogView.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCompleter>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "qt/FormWidgets.h"
#include "qt/HelpTopics.h"
#include "qt/QtText.h"
#include "qt/Twips.h"

namespace kgh::qt {

DomainDialogView::DomainDialogView(dlgDomain& form, QWidget* parent)
    : QDialog(parent), form_(form), dispatch_([this] { Render(); }) {
  Build();
  SetHelpTopic(*this, kDomainDialogTopic);
  Connect();
  form_.on_closed = [this] { done(form_.Confirmed ? QDialog::Accepted : QDialog::Rejected); };
  dispatch_.Render();
}

// The form may outlive its view: it must not reach a view that is gone.
DomainDialogView::~DomainDialogView() { form_.on_closed = nullptr; }

void DomainDialogView::Build() {
  setObjectName(QStringLiteral("dlgDomain"));
  label_ = new QLabel(this);
  label_->setWordWrap(true);
  domain_ = new QComboBox(this);
  domain_->setObjectName(QStringLiteral("cmbDomain"));
  domain_->setEditable(true);
  domain_->setInsertPolicy(QComboBox::NoInsert);
  // The entry is stored as typed. Qt's default completer would finish "http://10" as a preset,
  // and when editing ends the combo box looks the text up among the presets and puts the match
  // in its place, ignoring letter case unless its completer compares exactly. A completer that
  // offers nothing and compares exactly keeps both from changing what the user typed.
  auto* exact = new QCompleter(QStringList(), domain_);
  exact->setCaseSensitivity(Qt::CaseSensitive);
  domain_->setCompleter(exact);
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

  controls_.BindAll(form_.Controls(), label_, domain_, ok_, cancel_);
}

void DomainDialogView::Connect() {
  // The edit text changes in two ways only: the user types, or picks a preset from the list (or
  // with the arrow keys). Changes Qt makes on its own never reach the form, and the next redraw
  // puts the form's text back.
  connect(domain_->lineEdit(), &QLineEdit::textEdited, this,
          [this](const QString& text) { dispatch_([this, text] { form_.cmbDomain.text = FromQ(text); }); });
  connect(domain_, &QComboBox::activated, this, [this](int index) {
    const std::string preset = FromQ(domain_->itemText(index));
    dispatch_([this, index, preset] {
      form_.cmbDomain.list_index = index;
      form_.cmbDomain.text = preset;
    });
  });
  OnFocusIn(domain_, [this] {
    dispatch_([this] { form_.cmbDomain_GotFocus(); });
    ApplySelection(domain_->lineEdit(), form_.cmbDomain);
  });
  connect(ok_, &QPushButton::clicked, this, [this] { dispatch_([this] { form_.OKButton_Click(); }); });
  connect(cancel_, &QPushButton::clicked, this, [this] { reject(); });
}

void DomainDialogView::Render() {
  setWindowTitle(ToQ(form_.Caption));
  controls_.RenderAll();
}

void DomainDialogView::reject() {
  dispatch_([this] { form_.CancelButton_Click(); });
}

void DomainDialogView::closeEvent(QCloseEvent* event) {
  if (form_.IsOpen()) dispatch_([this] { form_.Form_QueryUnload(); });
  event->accept();
}

}  // namespace kgh::qt
