#include "qt/FormWidgets.h"

#include <algorithm>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>

#include "forms/Dispatcher.h"
#include "qt/QtText.h"

namespace kgh::qt {

namespace {

// Calls a handler on FocusIn; owned by the widget it watches.
class FocusInFilter final : public QObject {
 public:
  FocusInFilter(QObject* parent, std::function<void()> handler) : QObject(parent), handler_(std::move(handler)) {}

  // The widget handles the focus first (a line edit selects all on Tab), then the form's
  // handler sets the selection it wants, which is what the user sees.
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::FocusIn) return QObject::eventFilter(watched, event);
    watched->event(event);
    handler_();
    return true;
  }

 private:
  std::function<void()> handler_;
};

void SetTextIfChanged(QLineEdit* widget, const QString& text) {
  if (widget->text() != text) widget->setText(text);
}

}  // namespace

void RenderControl(QWidget* widget, const forms::Control& control) {
  if (widget->isEnabled() != control.enabled) widget->setEnabled(control.enabled);
  if (widget->isHidden() == control.visible) widget->setHidden(!control.visible);
  // Picture buttons carry their own tip (their accessible name) when the form gives none.
  const QString tip = ToQ(control.tool_tip);
  if (!tip.isEmpty() && widget->toolTip() != tip) widget->setToolTip(tip);
}

void RenderLabel(QLabel* widget, const forms::Label& label) {
  RenderControl(widget, label);
  // Texts from the string table break lines with CR LF; a label breaks them at LF alone.
  const QString caption = ToQ(label.caption).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  if (widget->text() != caption) widget->setText(caption);
  const bool grey = label.color == forms::TextColor::GrayText;
  // The grey-text colour is the palette's colour for disabled text.
  const QPalette normal = widget->parentWidget() != nullptr ? widget->parentWidget()->palette() : QPalette();
  QPalette palette = normal;
  if (grey) palette.setColor(QPalette::WindowText, normal.color(QPalette::Disabled, QPalette::WindowText));
  if (widget->palette().color(QPalette::WindowText) != palette.color(QPalette::WindowText)) widget->setPalette(palette);
}

void RenderFrame(QGroupBox* widget, const forms::Frame& frame) {
  RenderControl(widget, frame);
  const QString caption = ToQ(frame.caption);
  if (widget->title() != caption) widget->setTitle(caption);
}

void RenderButton(QAbstractButton* widget, const forms::CommandButton& button) {
  RenderControl(widget, button);
  const QString caption = ToQ(button.caption);
  if (widget->text() != caption) widget->setText(caption);
}

void RenderCheckBox(QCheckBox* widget, const forms::CheckBox& box) {
  RenderControl(widget, box);
  const QString caption = ToQ(box.caption);
  if (widget->text() != caption) widget->setText(caption);
  if (widget->isChecked() != (box.value != 0)) widget->setChecked(box.value != 0);
}

void RenderTextBox(QLineEdit* widget, const forms::TextBox& box) {
  RenderControl(widget, box);
  SetTextIfChanged(widget, ToQ(box.text));
}

void RenderComboBox(QComboBox* widget, const forms::ComboBox& combo) {
  RenderControl(widget, combo);
  bool same_items = widget->count() == static_cast<int>(combo.items.size());
  for (int i = 0; same_items && i < widget->count(); ++i) {
    const forms::ComboItem& item = combo.items[static_cast<std::size_t>(i)];
    same_items = widget->itemText(i) == ToQ(item.text) && widget->itemData(i).toInt() == item.item_data;
  }
  if (!same_items) {
    widget->clear();
    for (const forms::ComboItem& item : combo.items) widget->addItem(ToQ(item.text), item.item_data);
  }
  if (combo.editable) {
    // The edit text is the value; which preset it came from does not matter.
    if (widget->currentText() != ToQ(combo.text)) widget->setEditText(ToQ(combo.text));
    return;
  }
  if (widget->currentIndex() != combo.list_index) widget->setCurrentIndex(combo.list_index);
}

void RenderListBox(QListWidget* widget, const forms::ListBox& list) {
  RenderControl(widget, list);
  const int count = static_cast<int>(list.items.size());
  while (widget->count() > count) delete widget->takeItem(widget->count() - 1);
  for (int i = 0; i < count; ++i) {
    const QString text = ToQ(list.items[static_cast<std::size_t>(i)]);
    if (i >= widget->count()) widget->addItem(text);
    else if (widget->item(i)->text() != text) widget->item(i)->setText(text);
  }
  if (SelectedRow(widget) == list.list_index) return;
  if (list.list_index < 0 || list.list_index >= count) widget->clearSelection();
  else widget->setCurrentRow(list.list_index, QItemSelectionModel::ClearAndSelect);
}

int SelectedRow(const QAbstractItemView* view) {
  const QModelIndexList selected = view->selectionModel()->selectedIndexes();
  return selected.isEmpty() ? -1 : selected.first().row();
}

void ApplySelection(QLineEdit* widget, const forms::EditText& edit) {
  // Both count UTF-16 code units; a selection past the end is clipped to it.
  const qsizetype size = widget->text().size();
  const qsizetype start = std::min<qsizetype>(static_cast<qsizetype>(edit.sel_start), size);
  const qsizetype length = std::min<qsizetype>(static_cast<qsizetype>(edit.sel_length), size - start);
  widget->setSelection(static_cast<int>(start), static_cast<int>(length));
}

void OnFocusIn(QWidget* widget, std::function<void()> handler) {
  widget->installEventFilter(new FocusInFilter(widget, std::move(handler)));
}

void BindTextBox(QLineEdit* box, forms::TextBox& control, forms::Dispatcher& dispatch, std::function<void()> got_focus) {
  QObject::connect(box, &QLineEdit::textEdited, box, [&dispatch, &control](const QString& text) {
    dispatch([&control, text] { control.text = FromQ(text); });
  });
  if (!got_focus) return;
  OnFocusIn(box, [box, &control, &dispatch, handler = std::move(got_focus)] {
    dispatch(handler);
    ApplySelection(box, control);
  });
}

int ShiftState(Qt::KeyboardModifiers modifiers) {
  int state = 0;
  if (modifiers & Qt::ShiftModifier) state |= 1;
  if (modifiers & Qt::ControlModifier) state |= 2;
  if (modifiers & Qt::AltModifier) state |= 4;
  return state;
}

void SeeKeysFirst(QWidget* window) {
  window->installEventFilter(window);
  for (QWidget* child : window->findChildren<QWidget*>()) child->installEventFilter(window);
}

QWidget* MakeRule(QWidget* parent) {
  auto* rule = new QFrame(parent);
  rule->setFrameShape(QFrame::HLine);
  rule->setFrameShadow(QFrame::Sunken);
  return rule;
}

}  // namespace kgh::qt
