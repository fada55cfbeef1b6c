#include "qt/DesignWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

#include <algorithm>
#include <optional>
#include <vector>

#include "qt/FormWidgets.h"
#include "qt/ProgramPictures.h"
#include "qt/QtText.h"
#include "qt/StyleIcons.h"

namespace kgh::qt {
namespace {

// A user's event: `change` copies what the user changed into the control, then the control's
// handler runs, if the form gave it one.
template <typename Change>
void Send(forms::Dispatcher& dispatch, const std::function<void()>& handler, Change change) {
  dispatch([&handler, change] {
    change();
    if (handler) handler();
  });
}

using forms::Overloaded;

// Makes and wires the widget of one control; the visit below must cover every kind of control.
class WidgetMaker {
 public:
  WidgetMaker(const DesignUnits& units, ControlWidgets& controls, forms::Dispatcher& dispatch)
      : units_(units), controls_(controls), dispatch_(dispatch) {}

  // The widget of `item`, a child of `parent`.
  QWidget* Make(const forms::ControlDesign& item, QWidget* parent) {
    item_ = &item;
    parent_ = parent;
    return std::visit(Overloaded{[this](forms::Label* c) -> QWidget* { return MakeLabel(*c); },
                                 [this](forms::Frame* c) -> QWidget* { return Bound(new QGroupBox(parent_), *c); },
                                 [this](forms::Line* c) -> QWidget* { return Bound(MakeRule(parent_), *c); },
                                 [this](forms::Image* c) -> QWidget* { return MakeImage(*c); },
                                 [this](forms::CommandButton* c) -> QWidget* { return MakeButton(*c); },
                                 [this](forms::CheckBox* c) -> QWidget* { return MakeCheckBox(*c); },
                                 [this](forms::TextBox* c) -> QWidget* { return MakeTextBox(*c); },
                                 [this](forms::ComboBox* c) -> QWidget* { return MakeComboBox(*c); },
                                 [this](forms::ListBox* c) -> QWidget* { return MakeListBox(*c); },
                                 [this](forms::ListViewBase* c) -> QWidget* { return MakeListView(*c); }},
                      item.control);
  }

 private:
  template <typename Widget, typename Control>
  Widget* Bound(Widget* widget, const Control& control) {
    widget->setObjectName(ToQ(control.name));
    if (*item_->accessible_name != '\0') widget->setAccessibleName(QString::fromUtf8(item_->accessible_name));
    controls_.BindOne(control, widget);
    return widget;
  }

  QWidget* MakeLabel(forms::Label& label) {
    auto* widget = Bound(new QLabel(parent_), label);
    // A label given room for more than one line wraps; one given a line keeps its words whole.
    widget->setWordWrap(item_->grows || item_->place.height > forms::kOneLine);
    widget->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const forms::Font& font = item_->font;
    if (*font.face != '\0') {
      QFont title(QString::fromUtf8(font.face));
      title.setPointSizeF(font.points);
      title.setBold(font.bold);
      widget->setFont(title);
    }
    if (item_->heading) heading_ = widget;
    return widget;
  }

  QWidget* MakeImage(forms::Image& image) {
    auto* widget = Bound(new QLabel(parent_), image);
    widget->setAlignment(Qt::AlignCenter);
    const QSize size = units_.Pixels(item_->place).size();
    widget->setPixmap(ProgramPixmap(item_->bitmap, size, widget->devicePixelRatioF()));
    return widget;
  }

  QWidget* MakeButton(forms::CommandButton& button) {
    // Enter presses the button that has the focus, and the default one while the focus is
    // elsewhere, as the system's dialogs do.
    auto* widget = new QPushButton(parent_);
    widget->setAutoDefault(true);
    widget->setDefault(item_->is_default);
    if (item_->picture != forms::Picture::None) {
      widget->setIcon(StyleIcon(item_->picture));
      widget->setIconSize(QSize(16, 16));
      // Without a caption, the accessible name is also the tip that says what the button does.
      widget->setToolTip(QString::fromUtf8(item_->accessible_name));
    }
    if (*item_->bitmap != '\0') {
      // The picture fills the button but for a margin; the label before the button names it.
      widget->setIcon(ProgramIcon(item_->bitmap));
      const QRect place = units_.Pixels(item_->place);
      const int side = std::min(place.width(), place.height()) - units_.Across(150);
      widget->setIconSize(QSize(side, side));
    }
    QObject::connect(widget, &QPushButton::clicked, widget,
                     [&dispatch = dispatch_, handler = item_->on.click] { Send(dispatch, handler, [] {}); });
    return Bound(widget, button);
  }

  QWidget* MakeCheckBox(forms::CheckBox& box) {
    auto* widget = Bound(new QCheckBox(parent_), box);
    QObject::connect(widget, &QCheckBox::clicked, widget,
                     [&dispatch = dispatch_, &box, handler = item_->on.click](bool checked) {
                       Send(dispatch, handler, [&box, checked] { box.value = checked ? 1 : 0; });
                     });
    return widget;
  }

  QWidget* MakeTextBox(forms::TextBox& box) {
    auto* widget = Bound(new QLineEdit(parent_), box);
    BindTextBox(widget, box, dispatch_, item_->on.got_focus);
    return widget;
  }

  // A preset chosen from an editable combo's list becomes its text, as on every system. Its text
  // changes in those two ways only: the user types, or picks a preset. Changes Qt makes on its own
  // never reach the form, and the next redraw puts the form's text back.
  QWidget* MakeComboBox(forms::ComboBox& combo) {
    auto* widget = Bound(new QComboBox(parent_), combo);
    QObject::connect(widget, &QComboBox::activated, widget,
                     [&dispatch = dispatch_, &combo, handler = item_->on.click](int index) {
                       Send(dispatch, handler, [&combo, index] {
                         combo.list_index = index;
                         if (combo.editable && index >= 0 && static_cast<std::size_t>(index) < combo.items.size())
                           combo.text = combo.items[static_cast<std::size_t>(index)].text;
                       });
                     });
    if (item_->on.got_focus)
      OnFocusIn(widget, [&dispatch = dispatch_, &combo, widget, handler = item_->on.got_focus] {
        dispatch(handler);
        if (widget->lineEdit() != nullptr) ApplySelection(widget->lineEdit(), combo);
      });
    if (!combo.editable) return widget;
    widget->setEditable(true);
    widget->setInsertPolicy(QComboBox::NoInsert);
    // Qt's default completer would finish "http://10" as a preset, and when editing ends the
    // combo box looks the text up among the presets and puts the match in its place, ignoring
    // letter case unless its completer compares exactly. A completer that offers nothing and
    // compares exactly keeps both from changing what the user typed.
    auto* exact = new QCompleter(QStringList(), widget);
    exact->setCaseSensitivity(Qt::CaseSensitive);
    widget->setCompleter(exact);
    QObject::connect(widget->lineEdit(), &QLineEdit::textEdited, widget,
                     [&dispatch = dispatch_, &combo](const QString& text) {
                       dispatch([&combo, text] { combo.text = FromQ(text); });
                     });
    return widget;
  }

  // The form's selected entry is the entry the user selected, not Qt's current row, which a list
  // sets to the first entry when it takes the focus.
  QWidget* MakeListBox(forms::ListBox& list) {
    auto* widget = Bound(new QListWidget(parent_), list);
    QObject::connect(widget, &QListWidget::itemSelectionChanged, widget,
                     [&dispatch = dispatch_, &list, widget, handler = item_->on.click] {
                       const int row = SelectedRow(widget);
                       Send(dispatch, handler, [&list, row] { list.list_index = row; });
                     });
    QObject::connect(widget, &QListWidget::itemDoubleClicked, widget,
                     [&dispatch = dispatch_, handler = item_->on.dbl_click] { Send(dispatch, handler, [] {}); });
    return widget;
  }

  // A row the user selects, by mouse or keys, is the list's click, as on the native front-end; its
  // rows are drawn by the page that knows their type.
  QWidget* MakeListView(forms::ListViewBase& list) {
    auto* widget = Bound(new QTreeWidget(parent_), list);
    widget->setRootIsDecorated(false);
    widget->setUniformRowHeights(true);
    widget->setSelectionMode(QAbstractItemView::SingleSelection);
    QStringList headers;
    for (const forms::ListViewColumn& column : list.columns) headers << ToQ(column.header);
    widget->setHeaderLabels(headers);
    for (std::size_t i = 0; i < list.columns.size(); ++i) {
      const int width = list.columns[i].width;
      // A column of width 0 is kept with its data but not shown.
      if (width == 0) widget->setColumnHidden(static_cast<int>(i), true);
      else widget->setColumnWidth(static_cast<int>(i), units_.Across(width));
    }
    QObject::connect(widget, &QTreeWidget::itemSelectionChanged, widget,
                     [&dispatch = dispatch_, &list, widget, handler = item_->on.click] {
                       const int row = SelectedRow(widget);
                       Send(dispatch, handler, [&list, row] { list.selected = row; });
                     });
    QObject::connect(widget, &QTreeWidget::itemDoubleClicked, widget,
                     [&dispatch = dispatch_, handler = item_->on.dbl_click] { Send(dispatch, handler, [] {}); });
    return widget;
  }

 public:
  QLabel* heading_ = nullptr;  // set when the last label made was a heading

 private:
  QWidget* parent_ = nullptr;
  const DesignUnits& units_;
  ControlWidgets& controls_;
  forms::Dispatcher& dispatch_;
  const forms::ControlDesign* item_ = nullptr;
};

// An etched rule from the end of a heading's text to the right edge of its place, level with the
// middle of the text's line.
void AddRule(QLabel* heading, const std::string& caption) {
  QWidget* rule = MakeRule(heading->parentWidget());
  const QRect place = heading->geometry();
  const QFontMetrics metrics = heading->fontMetrics();
  const int start = place.left() + metrics.horizontalAdvance(ToQ(forms::WithoutAccessKey(caption))) + 6;
  rule->setGeometry(start, place.top() + metrics.height() / 2 - 1, std::max(0, place.right() - start), 3);
}

// Where a design's widget went: into the frame the design lists at `frame`, or `origin` (pixels)
// into the design's parent.
struct Placed {
  QWidget* widget = nullptr;
  std::optional<std::size_t> frame;
  QPoint origin;
  // Places the widget at `places[its index]`, given where every control of the design is now.
  void Place(const DesignUnits& units, TwipsRect rect, const std::vector<TwipsRect>& places) const {
    if (frame) {
      rect.left -= places[*frame].left;
      rect.top -= places[*frame].top;
    }
    widget->setGeometry(units.Pixels(rect).translated(origin));
  }
};

}  // namespace

DesignUnits::DesignUnits(const QWidget* window) {
  const QFontMetrics metrics = window->fontMetrics();
  const int letters = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  char_width_ = (letters / 26 + 1) / 2;
  char_height_ = metrics.height();
}

int DesignUnits::Across(int twips) const { return (twips * char_width_ + 45) / 90; }
int DesignUnits::Down(int twips) const { return (twips * char_height_ + 97) / 195; }
int DesignUnits::TwipsDown(int pixels) const { return (pixels * 195 + char_height_ - 1) / char_height_; }

QRect DesignUnits::Pixels(const TwipsRect& rect) const {
  return {Across(rect.left), Down(rect.top), Across(rect.width), Down(rect.height)};
}

void PlaceFrom(QWidget* widget, const TwipsRect& rect, QPoint origin) {
  widget->setGeometry(DesignUnits(widget->window()).Pixels(rect).translated(origin));
}

void BuildDesign(QWidget* parent, const forms::Design& design, ControlWidgets& controls, forms::Dispatcher& dispatch,
                 QPoint origin) {
  // The window's font is measured once for all its widgets.
  const DesignUnits units(parent->window());
  WidgetMaker maker(units, controls, dispatch);
  // A control inside a frame's place is the frame's child, so that assistive technology reads it
  // as one of the frame's group.
  std::vector<std::size_t> frames;  // indexes into the design
  std::vector<Placed> placed;
  std::vector<TwipsRect> designed;
  for (const forms::ControlDesign& item : design) designed.push_back(item.place);
  QLabel* last_label = nullptr;
  for (std::size_t i = 0; i < design.size(); ++i) {
    const forms::ControlDesign& item = design[i];
    Placed where{nullptr, std::nullopt, origin};
    QWidget* holder = parent;
    for (auto frame = frames.rbegin(); frame != frames.rend(); ++frame) {
      if (!design[*frame].place.Contains(item.place)) continue;
      holder = placed[*frame].widget;
      where.frame = *frame;
      where.origin = {};
      break;
    }
    maker.heading_ = nullptr;
    where.widget = maker.Make(item, holder);
    where.Place(units, item.place, designed);
    placed.push_back(where);
    if (std::holds_alternative<forms::Frame*>(item.control)) frames.push_back(i);
    if (maker.heading_ != nullptr) AddRule(maker.heading_, std::get<forms::Label*>(item.control)->caption);
    if (i > 0 && last_label != nullptr && forms::NamesNext(design[i - 1], item)) last_label->setBuddy(where.widget);
    last_label = qobject_cast<QLabel*>(where.widget);
  }
  if (std::none_of(design.begin(), design.end(), [](const forms::ControlDesign& item) { return item.grows; })) return;
  // Texts change as the form runs: each drawing gives the growing labels the height their texts
  // now need, and moves what lies below them.
  controls.AfterDrawing([units, placed, design] {
    const auto needed = [&](std::size_t i, int width) {
      const int pixels = placed[i].widget->heightForWidth(units.Across(width));
      return pixels < 0 ? 0 : units.TwipsDown(pixels);
    };
    const std::vector<TwipsRect> places = forms::Reflowed(design, needed);
    for (std::size_t i = 0; i < placed.size(); ++i) placed[i].Place(units, places[i], places);
  });
}

}  // namespace kgh::qt
