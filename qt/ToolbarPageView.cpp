#include "qt/ToolbarPageView.h"

#include <QFileInfo>
#include <QTreeWidget>

#include "options/OptionsDesign.h"
#include "options/frmOrvexOptions.h"
#include "qt/DesignWidgets.h"
#include "qt/FormWidgets.h"
#include "qt/QtText.h"
#include "qt/ToolbarPreview.h"

namespace kgh::qt {

namespace {

constexpr int kCaptionColumn = 0, kUrlColumn = 1, kImageColumn = 2;

}  // namespace

ToolbarPageView::ToolbarPageView(frmOrvexOptions& form, QWidget* page, QTreeWidget* list, QPoint origin)
    : form_(form), list_(list), preview_(new ToolbarPreview(page)) {
  PlaceFrom(preview_, options_layout::kToolbarPreview, origin);
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
