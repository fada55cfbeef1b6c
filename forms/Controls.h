#pragma once
// Controls as plain data. A form class holds one of these per control and its handlers change
// them; a view (Qt now, native Windows later) draws them and forwards the user's events to the
// handlers, then draws the form's new state. No toolkit types appear here.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kgh::forms {

struct Control {
  std::string name;  // the control's name in its form, e.g. "txtHome" or "cmdButtonOp(3)"
  bool enabled = true;
  bool visible = true;
  std::string tag;
  std::string tool_tip;
};

enum class TextColor { WindowText, GrayText };

struct Label : Control {
  std::string caption;
  TextColor color = TextColor::WindowText;
};

// A frame around a group of controls, with its caption on the border.
struct Frame : Control {
  std::string caption;
};

// A line across the form, etched like a rule between parts of it.
struct Line : Control {};

// A picture compiled into the program, drawn to fit its place; its design names which.
struct Image : Control {};

struct CommandButton : Control {
  std::string caption;  // "" for picture buttons; the view names those for assistive technology
};

struct CheckBox : Control {
  std::string caption;
  int value = 0;  // 0 clear, 1 set
};

// The length of UTF-8 `text` as text boxes count it: in UTF-16 code units, so a selection of
// 24 characters covers 24 letters whatever their script. A stray byte counts as one.
inline std::size_t TextLength(const std::string& text) {
  std::size_t units = 0;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte & 0xC0) != 0x80) ++units;  // every character starts with a non-continuation byte
    if (byte >= 0xF0) ++units;           // beyond the basic plane: a surrogate pair
  }
  return units;
}

// An editable text and its selection, both counted in characters (TextLength).
struct EditText {
  std::string text;
  std::size_t sel_start = 0;
  std::size_t sel_length = 0;

  // Selects from `start` for `length` characters, clipped to the text as a text box does.
  void Select(std::size_t start, std::size_t length) {
    const std::size_t size = TextLength(text);
    sel_start = start < size ? start : size;
    sel_length = length < size - sel_start ? length : size - sel_start;
  }
};

struct TextBox : Control, EditText {};

struct ComboItem {
  std::string text;
  int32_t item_data = 0;
};

// A drop-down list, or with `editable` a drop-down combo whose edit text (`text`) the user may type.
struct ComboBox : Control, EditText {
  std::vector<ComboItem> items;
  int list_index = -1;  // -1: nothing selected
  bool editable = false;
};

struct ListBox : Control {
  std::vector<std::string> items;
  int list_index = -1;  // -1: nothing selected
};

struct Tab {
  std::string caption;
  std::string tool_tip;
  std::string tag;
};

struct TabStrip : Control {
  std::vector<Tab> tabs;
  int selected = 0;  // 0-based index of the selected tab
};

// A page or frame that is shown at `left` (twips) or parked far outside the window.
struct Page : Control {
  int left = 0;
};

struct ListViewColumn {
  std::string header;
  int width = 0;  // twips; 0 keeps the column but does not show it
};

// A report-style list view: one row per `Row`, drawn in `columns`. `ensure_visible` asks the view
// to scroll a row into view once (-1: nothing asked); the view clears it when it has done so, so a
// later redraw does not pull the list back to that row. What does not depend on the rows' type
// is its base, which a view can make and wire without knowing the rows.
struct ListViewBase : Control {
  std::vector<ListViewColumn> columns;
  int selected = -1;  // 0-based row index, -1: nothing selected
  int ensure_visible = -1;
};

template <typename Row>
struct ListView : ListViewBase {
  std::vector<Row> rows;
};

struct MenuItem : Control {
  std::string caption;
};

}  // namespace kgh::forms
