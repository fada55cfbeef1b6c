#include "qt/ButtonDialogView.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "qt/FormWidgets.h"
#include "qt/HelpTopics.h"
#include "qt/QtText.h"
#include "qt/StyleIcons.h"
#include "qt/Twips.h"

namespace kgh::qt {

namespace {

// lblCaption's indexes, in the form's order.
constexpr std::size_t kCaptionLabel = 0;
constexpr std::size_t kBitmapLabel = 1;
constexpr std::size_t kUrlLabel = 2;

QLineEdit* MakeTextBox(QWidget* parent, const char* name, int width_twips) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(QString::fromUtf8(name));
  box->setMinimumWidth(TwipsToPixels(width_twips, parent));
  return box;
}

}  // namespace

ButtonDialogView::ButtonDialogView(dlgButton& form, QWidget* parent)
    : QDialog(parent), form_(form), dispatch_([this] { Render(); }) {
  Build();
  SetHelpTopic(*this, kButtonDialogTopic);
  BindControls();
  SetTabOrder();
  Connect();
  form_.on_closed = [this] { done(form_.Confirmed ? QDialog::Accepted : QDialog::Rejected); };
  dispatch_.Render();
}

// The form may outlive its view: it must not reach a view that is gone.
ButtonDialogView::~ButtonDialogView() { form_.on_closed = nullptr; }

void ButtonDialogView::Build() {
  setObjectName(QStringLiteral("dlgButton"));
  type_heading_ = new QLabel(this);
  type_ = new QComboBox(this);
  type_->setObjectName(QStringLiteral("cmbType"));
  custom_heading_ = new QLabel(this);
  caption_label_ = new QLabel(this);
  // Wider than the form's boxes so that a full address on the default server fits.
  caption_ = MakeTextBox(this, "txtCaption", 4815);
  url_label_ = new QLabel(this);
  url_ = MakeTextBox(this, "txtURL", 4155);
  browse_ = MakePictureButton(this, Picture::OpenFolder, "Browse for destination page", 615, 375);
  browse_->setObjectName(QStringLiteral("cmdBrowse"));
  bitmap_label_ = new QLabel(this);
  bitmap_ = MakeTextBox(this, "txtBitmap", 4155);
  browse_bitmap_ = MakePictureButton(this, Picture::OpenFolder, "Browse for bitmap", 615, 375);
  browse_bitmap_->setObjectName(QStringLiteral("cmdBrowseBitmap"));
  hint_ = new QLabel(this);
  hint_->setWordWrap(true);
  ok_ = new QPushButton(this);
  ok_->setObjectName(QStringLiteral("OKButton"));
  ok_->setDefault(true);
  cancel_ = new QPushButton(this);
  cancel_->setObjectName(QStringLiteral("CancelButton"));
  // Assistive technology reads the kind's list as labelled by its heading.
  type_heading_->setBuddy(type_);
  caption_label_->setBuddy(caption_);
  url_label_->setBuddy(url_);
  bitmap_label_->setBuddy(bitmap_);

  auto* grid = new QGridLayout(this);
  AddHeading(grid, 0, type_heading_);
  grid->addWidget(type_, 1, 1, 1, 2);
  AddHeading(grid, 2, custom_heading_);
  AddField(grid, 3, caption_label_, caption_, nullptr);
  AddField(grid, 4, url_label_, url_, browse_);
  AddField(grid, 5, bitmap_label_, bitmap_, browse_bitmap_);
  grid->addWidget(hint_, 6, 0, 1, 3);
  grid->addWidget(MakeRule(this), 7, 0, 1, 3);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  grid->addLayout(buttons, 8, 0, 1, 3);
  grid->setSizeConstraint(QLayout::SetFixedSize);
  hint_->setMaximumWidth(TwipsToPixels(6435, this));
}

void ButtonDialogView::AddHeading(QGridLayout* grid, int row, QLabel* heading) {
  auto* line = new QHBoxLayout;
  line->addWidget(heading);
  line->addWidget(MakeRule(this), 1);
  grid->addLayout(line, row, 0, 1, 3);
}

void ButtonDialogView::AddField(QGridLayout* grid, int row, QLabel* label, QLineEdit* box, QPushButton* browse) {
  grid->addWidget(label, row, 0);
  grid->addWidget(box, row, 1, 1, browse != nullptr ? 1 : 2);
  if (browse != nullptr) grid->addWidget(browse, row, 2);
}

void ButtonDialogView::BindControls() {
  std::array<QLabel*, 3> field_labels{};
  field_labels[kCaptionLabel] = caption_label_;
  field_labels[kBitmapLabel] = bitmap_label_;
  field_labels[kUrlLabel] = url_label_;
  controls_.BindAll(form_.Controls(), std::array{type_heading_, custom_heading_}, type_, field_labels, caption_, url_,
                    bitmap_, ok_, cancel_, browse_, browse_bitmap_, hint_);
}

// The form's tab order: the type, the three boxes, OK, Cancel, then the two browse buttons.
void ButtonDialogView::SetTabOrder() {
  QWidget* order[] = {type_, caption_, url_, bitmap_, ok_, cancel_, browse_, browse_bitmap_};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
}


void ButtonDialogView::Connect() {
  connect(type_, &QComboBox::activated, this, [this](int index) {
    dispatch_([this, index] {
      form_.cmbType.list_index = index;
      form_.cmbType_Click();
    });
  });
  dlgButton& form = form_;
  BindTextBox(caption_, form.txtCaption, dispatch_, [&form] { form.txtCaption_GotFocus(); });
  BindTextBox(url_, form.txtURL, dispatch_, [&form] { form.txtURL_GotFocus(); });
  BindTextBox(bitmap_, form.txtBitmap, dispatch_, [&form] { form.txtBitmap_GotFocus(); });
  connect(browse_, &QPushButton::clicked, this, [this] { dispatch_([this] { form_.cmdBrowse_Click(); }); });
  connect(browse_bitmap_, &QPushButton::clicked, this, [this] { dispatch_([this] { form_.cmdBrowseBitmap_Click(); }); });
  connect(ok_, &QPushButton::clicked, this, [this] { dispatch_([this] { form_.OKButton_Click(); }); });
  connect(cancel_, &QPushButton::clicked, this, [this] { reject(); });
}

void ButtonDialogView::Render() {
  setWindowTitle(ToQ(form_.Caption));
  controls_.RenderAll();
}

void ButtonDialogView::reject() {
  dispatch_([this] { form_.CancelButton_Click(); });
}

void ButtonDialogView::closeEvent(QCloseEvent* event) {
  if (form_.IsOpen()) dispatch_([this] { form_.Form_QueryUnload(); });
  event->accept();
}

}  // namespace kgh::qt
