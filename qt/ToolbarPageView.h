#pragma once
// The "Toolbar buttons" page: the rows, the seven operation buttons (three with captions, four
// arrows in a cross) and the preview strip that follows every change.
#include <array>

#include "qt/OptionsPage.h"

class QGridLayout;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace kgh::qt {

class ToolbarPreview;

class ToolbarPageView final : public OptionsPage {
 public:
  ToolbarPageView(frmOrvexOptions& form, forms::Dispatcher& dispatch, ControlWidgets& controls, QWidget* parent);
  void Render() override;

 private:
  void BuildList();
  QGridLayout* BuildButtons();
  void Connect();
  void RenderRows();
  void RenderPreview();
  int RowOf(QTreeWidgetItem* item) const;

  QLabel* heading_ = nullptr;
  QTreeWidget* list_ = nullptr;
  std::array<QPushButton*, 7> buttons_{};
  ToolbarPreview* preview_ = nullptr;
};

}  // namespace kgh::qt
