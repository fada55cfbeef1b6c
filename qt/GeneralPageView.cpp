#include "qt/GeneralPageView.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "qt/FormWidgets.h"
#include "qt/StyleIcons.h"
#include "qt/Twips.h"

namespace kgh::qt {

GeneralPageView::GeneralPageView(frmOrvexOptions& form, forms::Dispatcher& dispatch, ControlWidgets& controls,
                                 QWidget* parent)
    : OptionsPage(form, dispatch, controls, parent) {
  setObjectName(QStringLiteral("picOptions(0)"));
  auto* grid = new QGridLayout(this);
  grid->setColumnMinimumWidth(1, TwipsToPixels(3600, this));
  grid->setColumnStretch(1, 1);
  BuildDefaults(grid);
  BuildPages(grid);
  grid->setRowStretch(grid->rowCount(), 1);
  controls_.BindAll(form_.GeneralPageControls(), defaults_heading_, server_note_, server_label_, server_, change_root_,
                    root_note_, root_label_, root_, browse_dir_, pages_heading_, home_note_, home_label_, home_, browse_,
                    error_note_, error_label_, error_);
  Connect();
}

QLabel* GeneralPageView::AddNote(QGridLayout* grid, int row) {
  auto* note = new QLabel(this);
  note->setWordWrap(true);
  grid->addWidget(note, row, 0, 1, 3);
  return note;
}

QLineEdit* GeneralPageView::AddField(QGridLayout* grid, int row, QLabel** label, const char* name) {
  *label = new QLabel(this);
  auto* box = new QLineEdit(this);
  box->setObjectName(QString::fromUtf8(name));
  (*label)->setBuddy(box);
  grid->addWidget(*label, row, 0);
  grid->addWidget(box, row, 1);
  return box;
}

// Widgets are made in the form's tab order, which Qt then follows.
void GeneralPageView::BuildDefaults(QGridLayout* grid) {
  defaults_heading_ = new QLabel(this);
  grid->addWidget(MakeHeading(defaults_heading_), 0, 0, 1, 3);
  server_note_ = AddNote(grid, 1);
  server_ = AddField(grid, 2, &server_label_, "txtServer");
  change_root_ = new QPushButton(this);
  change_root_->setObjectName(QStringLiteral("cmdChangeRoot"));
  change_root_->setAutoDefault(false);
  grid->addWidget(change_root_, 3, 1, Qt::AlignRight);
  root_note_ = AddNote(grid, 4);
  root_ = AddField(grid, 5, &root_label_, "txtRoot");
  browse_dir_ = MakePictureButton(this, Picture::OpenFolder, "Browse for root directory", 375, 315);
  browse_dir_->setObjectName(QStringLiteral("cmdBrowseDir"));
  grid->addWidget(browse_dir_, 5, 2);
}

void GeneralPageView::BuildPages(QGridLayout* grid) {
  pages_heading_ = new QLabel(this);
  grid->addWidget(MakeHeading(pages_heading_), 6, 0, 1, 3);
  home_note_ = AddNote(grid, 7);
  home_ = AddField(grid, 8, &home_label_, "txtHome");
  browse_ = MakePictureButton(this, Picture::OpenFolder, "Browse for home page", 375, 315);
  browse_->setObjectName(QStringLiteral("cmdBrowse"));
  grid->addWidget(browse_, 8, 2);
  error_note_ = AddNote(grid, 9);
  error_ = AddField(grid, 10, &error_label_, "txtError");
}

void GeneralPageView::Connect() {
  frmOrvexOptions& form = form_;
  BindTextBox(server_, form.txtServer, dispatch_, [&form] { form.txtServer_GotFocus(); });
  BindTextBox(root_, form.txtRoot, dispatch_);
  BindTextBox(home_, form.txtHome, dispatch_, [&form] { form.txtHome_GotFocus(); });
  BindTextBox(error_, form.txtError, dispatch_, [&form] { form.txtError_GotFocus(); });
  connect(change_root_, &QPushButton::clicked, this, [this] { dispatch_([this] { form_.cmdChangeRoot_Click(); }); });
  connect(browse_dir_, &QPushButton::clicked, this, [this] { dispatch_([this] { form_.cmdBrowseDir_Click(); }); });
  connect(browse_, &QPushButton::clicked, this, [this] { dispatch_([this] { form_.cmdBrowse_Click(); }); });
}

}  // namespace kgh::qt
