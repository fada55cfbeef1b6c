#include "qt/ToolbarPageView.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

#include "qt/FormWidgets.h"
#include "qt/QtText.h"
#include "qt/StyleIcons.h"
#include "qt/ToolbarPreview.h"
#include "qt/Twips.h"

namespace kgh::qt {

namespace {

constexpr int kCaptionColumn = 0, kUrlColumn = 1, kImageColumn = 2;

struct ArrowButton {
  Picture picture;
  const char* accessible_name;
  int row, column;  // in the cross
};
// cmdButtonOp 3 to 6: up, down, left (out of a sub-entry), right (into a sub-entry).
constexpr ArrowButton kArrows[] = {
    {Picture::ArrowUp, "Move up", 0, 1},
    {Picture::ArrowDown, "Move down", 2, 1},
    {Picture::ArrowLeft, "Make top-level button", 1, 0},
    {Picture::ArrowRight, "Make sub-entry", 1, 2},
};

}  // namespace

ToolbarPageView::ToolbarPageView(frmOrvexOptions& form, forms::Dispatcher& dispatch, ControlWidgets& controls,
                                 QWidget* parent)
    : OptionsPage(form, dispatch, controls, parent) {
  setObjectName(QStringLiteral("picOptions(2)"));
  heading_ = new QLabel(this);
  QWidget* heading_row = MakeHeading(heading_);
  BuildList();
  QGridLayout* buttons = BuildButtons();
  preview_ = new ToolbarPreview(this);
  auto* grid = new QGridLayout(this);
  grid->addWidget(heading_row, 0, 0, 1, 2);
  grid->addWidget(list_, 1, 0);
  grid->addLayout(buttons, 1, 1);
  grid->addWidget(preview_, 2, 0, 1, 2);
  grid->setColumnStretch(0, 1);
  controls_.BindAll(form_.ToolbarPageControls(), heading_, list_, buttons_);
  Connect();
}

void ToolbarPageView::BuildList() {
  list_ = new QTreeWidget(this);
  list_->setObjectName(QStringLiteral("lstButtons"));
  list_->setAccessibleName(QStringLiteral("Custom buttons"));
  list_->setRootIsDecorated(false);
  list_->setUniformRowHeights(true);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setMinimumSize(TwipsToPixels(4275, this), TwipsToPixels(3255, this));
  QStringList headers;
  for (const forms::ListViewColumn& column : form_.lstButtons.columns) headers << ToQ(column.header);
  list_->setHeaderLabels(headers);
  for (std::size_t i = 0; i < form_.lstButtons.columns.size(); ++i) {
    const int width = form_.lstButtons.columns[i].width;
    // A column of width 0 is kept with its data but not shown.
    if (width == 0) list_->setColumnHidden(static_cast<int>(i), true);
    else list_->setColumnWidth(static_cast<int>(i), TwipsToPixels(width, this));
  }
}

QGridLayout* ToolbarPageView::BuildButtons() {
  auto* column = new QGridLayout;
  for (std::size_t i = 0; i < 3; ++i) {
    buttons_[i] = new QPushButton(this);
    buttons_[i]->setAutoDefault(false);
    column->addWidget(buttons_[i], static_cast<int>(i), 0, 1, 3);
  }
  for (std::size_t i = 0; i < std::size(kArrows); ++i) {
    const ArrowButton& arrow = kArrows[i];
    buttons_[3 + i] = MakePictureButton(this, arrow.picture, arrow.accessible_name, 375, 375);
    column->addWidget(buttons_[3 + i], 4 + arrow.row, arrow.column, Qt::AlignCenter);
  }
  column->setRowMinimumHeight(3, TwipsToPixels(225, this));
  column->setRowStretch(7, 1);
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    buttons_[i]->setObjectName(QString::fromStdString(form_.cmdButtonOp[i].name));
  }
  return column;
}

int ToolbarPageView::RowOf(QTreeWidgetItem* item) const {
  return item != nullptr ? list_->indexOfTopLevelItem(item) : -1;
}

void ToolbarPageView::Connect() {
  // The form's selected row is the row the user selected, never merely Qt's current row: taking
  // the focus makes the first row current without selecting it. A click, even on the row already
  // selected, or a keyboard move in the list is the form's ItemClick.
  const auto item_click = [this] {
    const int row = SelectedRow(list_);
    dispatch_([this, row] {
      form_.lstButtons.selected = row;
      if (row >= 0) form_.lstButtons_ItemClick(row);
    });
  };
  connect(list_, &QTreeWidget::itemSelectionChanged, this, item_click);
  connect(list_, &QTreeWidget::itemClicked, this, item_click);
  connect(list_, &QTreeWidget::itemDoubleClicked, this, [this] { dispatch_([this] { form_.lstButtons_DblClick(); }); });
  for (std::size_t i = 0; i < buttons_.size(); ++i) {
    const int index = static_cast<int>(i);
    connect(buttons_[i], &QPushButton::clicked, this,
            [this, index] { dispatch_([this, index] { form_.cmdButtonOp_Click(index); }); });
  }
}

void ToolbarPageView::RenderRows() {
  const auto& rows = form_.lstButtons.rows;
  const int count = static_cast<int>(rows.size());
  while (list_->topLevelItemCount() > count) delete list_->takeTopLevelItem(list_->topLevelItemCount() - 1);
  for (int i = 0; i < count; ++i) {
    const ToolbarEntry& row = rows[static_cast<std::size_t>(i)];
    QTreeWidgetItem* item = list_->topLevelItem(i);
    if (item == nullptr) item = new QTreeWidgetItem(list_);
    item->setText(kCaptionColumn, ToQ(row.caption));
    item->setText(kUrlColumn, ToQ(row.url));
    item->setText(kImageColumn, ToQ(row.image));
    item->setData(kCaptionColumn, Qt::UserRole, row.tag);
  }
  const int selected = form_.lstButtons.selected;
  if (SelectedRow(list_) != selected) {
    if (selected < 0 || selected >= count) list_->clearSelection();
    // Selecting by code goes past the view's row selection: the whole row is asked for, as a
    // click selects it and as assistive technology reads the selection.
    else list_->setCurrentItem(list_->topLevelItem(selected), 0,
                               QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
  }
  int& visible = form_.lstButtons.ensure_visible;
  if (visible >= 0 && visible < count) list_->scrollToItem(list_->topLevelItem(visible));
  visible = -1;
}

// The preview draws the buttons at the size the "small toolbar buttons" switch asks for.
constexpr std::size_t kSmallButtonsSwitch = SwitchIndex("cbSmall");
static_assert(kSmallButtonsSwitch < kSwitchCount);

void ToolbarPageView::RenderPreview() {
  BitmapPlaces places;
  places.root_dir = form_.RootDir();
  places.def_server = form_.DefServer();
  places.config_dir = FromQ(QFileInfo(ToQ(form_.ConfigPath())).absolutePath());
  preview_->SetItems(PreviewItems(form_.lstButtons.rows, places), form_.cbSwitch[kSmallButtonsSwitch].value != 0);
}

void ToolbarPageView::Render() {
  RenderRows();
  RenderPreview();
}

}  // namespace kgh::qt
