#pragma once
// What the "Toolbar buttons" page draws beyond its controls: the rows of the buttons' list, whose
// type only this page knows, and the preview strip that follows every change.
#include <QPoint>

class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace kgh {
class frmOrvexOptions;
}  // namespace kgh

namespace kgh::qt {

class ToolbarPreview;

class ToolbarPageView final {
 public:
  // `list` is the page's list of buttons, made from the form's design with `origin`.
  ToolbarPageView(frmOrvexOptions& form, QWidget* page, QTreeWidget* list, QPoint origin);
  void Render();

 private:
  void RenderRows();
  void RenderPreview();

  frmOrvexOptions& form_;
  QTreeWidget* list_;
  ToolbarPreview* preview_;
};

}  // namespace kgh::qt
