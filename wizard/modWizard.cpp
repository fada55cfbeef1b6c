#include "wizard/modWizard.h"

#include <cmath>
#include <cstdlib>
#include <limits>

namespace kgh {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The text of the id that `property` names, loaded by `load`; nothing on any failure.
template <typename Load>
void Assign(std::string* target, const std::string* property, Load load) {
  if (target == nullptr || property == nullptr) return;
  auto id = NumericId(*property);
  if (!id) return;
  if (auto text = load(*id)) *target = *text;
}

void ApplyToControl(ControlTexts& control, const StringTable& table) {
  auto single = [&table](int16_t id) { return table.Text(id); };
  auto continued = [&table](int16_t id) { return LoadContinuedString(id, table); };
  if (control.kind == "Menu") {
    Assign(control.caption, control.caption, single);
  } else if (control.kind == "TabStrip") {
    for (ControlTexts& tab : control.parts) {
      Assign(tab.caption, tab.tag, single);
      Assign(tab.tool_tip, tab.tool_tip, single);
    }
  } else if (control.kind == "Toolbar") {
    for (ControlTexts& button : control.parts) Assign(button.tool_tip, button.tag, single);
  } else if (control.kind == "ListView") {
    for (ControlTexts& header : control.parts) Assign(header.caption, header.tag, single);
  } else {
    Assign(control.caption, control.tag, continued);
    Assign(control.tool_tip, control.tool_tip, single);
  }
}

}  // namespace

std::optional<int16_t> NumericId(const std::string& text) {
  std::size_t begin = text.find_first_not_of(' ');
  std::size_t end = text.find_last_not_of(' ');
  if (begin == std::string::npos) return std::nullopt;
  std::string number = text.substr(begin, end - begin + 1);
  std::size_t i = (number[0] == '+' || number[0] == '-') ? 1 : 0;
  std::size_t digits = 0;
  for (; i < number.size() && IsDigit(number[i]); ++i) ++digits;
  if (i < number.size() && number[i] == '.') {
    for (++i; i < number.size() && IsDigit(number[i]); ++i) ++digits;
  }
  if (digits == 0 || i != number.size()) return std::nullopt;
  double value = std::nearbyint(std::strtod(number.c_str(), nullptr));  // rounds half to even
  if (value < std::numeric_limits<int16_t>::min() || value > std::numeric_limits<int16_t>::max()) return std::nullopt;
  return static_cast<int16_t>(value);
}

std::optional<std::string> LoadContinuedString(int32_t id, const StringTable& table) {
  std::string result;
  for (;; ++id) {
    std::optional<std::string> text = table.Text(id);
    if (!text) return std::nullopt;
    if (text->empty() || text->back() != '_') return result + *text;
    text->pop_back();
    result += *text;
  }
}

void ApplyResourceTexts(FormTexts& window, const StringTable& table) {
  Assign(window.title, window.tag, [&table](int16_t id) { return table.Text(id); });
  for (ControlTexts& control : window.controls) ApplyToControl(control, table);
}

}  // namespace kgh
