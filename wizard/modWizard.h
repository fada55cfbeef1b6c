#pragma once
// Giving a window its user-visible texts from the string table: a control whose tag (for a
// menu item, whose caption) holds a string-table id gets that id's text. Windows describe
// their texts through FormTexts, which points into the form's own control data.
#include <optional>
#include <string>
#include <vector>

#include "wizard/StringTable.h"

namespace kgh {

// One control as the text walk sees it. A null pointer is a property the control does not
// have; assigning to it is skipped like any other failure.
struct ControlTexts {
  std::string kind;  // type name: "Menu", "TabStrip", "Toolbar", "ListView"; anything else is
                     // a plain control (label, frame, button, check box, picture, line)
  std::string* caption = nullptr;
  std::string* tag = nullptr;
  std::string* tool_tip = nullptr;
  // Tabs of a tab strip, buttons of a toolbar, column headers of a list view: each with its
  // own caption (tab caption, header text), tag and tool-tip.
  std::vector<ControlTexts> parts;
};

struct FormTexts {
  std::string* title = nullptr;
  std::string* tag = nullptr;
  std::vector<ControlTexts> controls;
};

// The id a property's text names: it must read as a number (blanks around it allowed, an
// optional sign, digits, an optional decimal part, rounded to even) in the 16-bit range.
std::optional<int16_t> NumericId(const std::string& text);

// The text of `id` joined with its continuations: a text ending in "_" continues with the
// next id's text, the "_" dropped. Nothing when any id of the chain is missing.
std::optional<std::string> LoadContinuedString(int32_t id, const StringTable& table = WizardStringTable());

// Replaces the window's title and its controls' texts from the table. Every assignment that
// fails (no such property, no number, an id the table lacks) is skipped; the walk goes on.
void ApplyResourceTexts(FormTexts& window, const StringTable& table = WizardStringTable());

}  // namespace kgh
