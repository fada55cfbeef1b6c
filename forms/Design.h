#pragma once
// A form's window as a design: for each control, in tab order, its place in twips, how it looks,
// the name assistive technology reads when no label names it, and the form's handlers for what
// the user does to it. A front-end makes, places, draws and wires its windows from a design alone
// (one call), so a control declared here is on every front-end with its events. A front-end that
// has no window for one kind of control does not build: it must visit every kind.
#include <algorithm>
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "forms/Controls.h"
#include "forms/Twips.h"

namespace kgh::forms {

// The pictures of picture buttons; each front-end draws them in its own way.
enum class Picture { None, OpenFolder, ArrowUp, ArrowDown, ArrowLeft, ArrowRight };

// What the user does to a control, and the form's handler for it. The view first copies what
// the user changed into the control (a check box's value, a list's selection, a box's text),
// then calls the handler, then draws the form again.
struct Events {
  std::function<void()> click;      // a button or check box pressed, a list's entry chosen
  std::function<void()> dbl_click;  // a list's entry double-clicked
  std::function<void()> got_focus;  // a box took the focus; the selection the handler set is then shown
};

using ControlRef = std::variant<Label*, Frame*, Line*, Image*, CommandButton*, CheckBox*, TextBox*, ComboBox*, ListBox*,
                                ListViewBase*>;

// A font other than the window's, for a title; a face of "" is the window's own.
struct Font {
  const char* face = "";
  double points = 0;
  bool bold = false;
};

struct ControlDesign {
  ControlRef control;
  TwipsRect place;
  Events on;
  // A picture instead of a caption; the accessible name then says what the button does.
  Picture picture = Picture::None;
  // A picture compiled into the program, by name, that an image shows or a button shows instead
  // of a caption; such a button is named by the label just before it.
  const char* bitmap = "";
  // What assistive technology calls a picture button, or a list besides its heading's name; a
  // literal, as the windows outlive the design they were made from.
  const char* accessible_name = "";
  // A label drawn as a heading: its text followed by an etched rule to its right edge.
  bool heading = false;
  // The button that Enter presses while the focus is not on another button.
  bool is_default = false;
  Font font;
  // A label whose text may need more lines than its place holds, as its text comes from the
  // string table and the screen's font may be wider: it grows downwards, and the controls designed
  // below it on the same page move down to keep kTextGap from it.
  bool grows = false;
};

// Room kept between a label that grew and the control below it (twips).
inline constexpr int kTextGap = 120;

// A label given no more room than this (twips) keeps its words on one line, since the screen's
// font may be wider than the one the form was designed with; a taller one wraps.
inline constexpr int kOneLine = 360;

// A caption as it is drawn: without the "&" that marks the access key ("&&" draws one "&").
inline std::string WithoutAccessKey(std::string_view caption) {
  std::string text;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;
    text += caption[i];
  }
  return text;
}

// Visits a design's control with one lambda per kind of control: Overloaded{[](Label*) {...}, ...}.
template <typename... Kinds>
struct Overloaded : Kinds... {
  using Kinds::operator()...;
};

using Design = std::vector<ControlDesign>;

// The entries of a design, one kind of entry each.
inline ControlDesign Shown(ControlRef control, TwipsRect place) {
  ControlDesign item;
  item.control = control;
  item.place = place;
  return item;
}
inline ControlDesign Heading(Label& label, TwipsRect place) {
  ControlDesign item = Shown(&label, place);
  item.heading = true;
  return item;
}
inline ControlDesign Pressed(CommandButton& button, TwipsRect place, std::function<void()> click) {
  ControlDesign item = Shown(&button, place);
  item.on.click = std::move(click);
  return item;
}
inline ControlDesign PressedByEnter(CommandButton& button, TwipsRect place, std::function<void()> click) {
  ControlDesign item = Pressed(button, place, std::move(click));
  item.is_default = true;
  return item;
}
inline ControlDesign WithPicture(CommandButton& button, TwipsRect place, Picture picture, const char* name,
                                 std::function<void()> click) {
  ControlDesign item = Pressed(button, place, std::move(click));
  item.picture = picture;
  item.accessible_name = name;
  return item;
}
inline ControlDesign Typed(TextBox& box, TwipsRect place, std::function<void()> got_focus = {}) {
  ControlDesign item = Shown(&box, place);
  item.on.got_focus = std::move(got_focus);
  return item;
}
inline ControlDesign Chosen(ComboBox& combo, TwipsRect place, Events on = {}) {
  ControlDesign item = Shown(&combo, place);
  item.on = std::move(on);
  return item;
}
inline ControlDesign Drawn(Image& image, TwipsRect place, const char* bitmap) {
  ControlDesign item = Shown(&image, place);
  item.bitmap = bitmap;
  return item;
}
inline ControlDesign Growing(Label& label, TwipsRect place, const Font& font = {}) {
  ControlDesign item = Shown(&label, place);
  item.grows = true;
  item.font = font;
  return item;
}
inline ControlDesign WithBitmap(CommandButton& button, TwipsRect place, const char* bitmap,
                                std::function<void()> click) {
  ControlDesign item = Pressed(button, place, std::move(click));
  item.bitmap = bitmap;
  return item;
}
inline ControlDesign Listed(ControlRef list, TwipsRect place, const char* name, Events on) {
  ControlDesign item = Shown(list, place);
  item.accessible_name = name;
  item.on = std::move(on);
  return item;
}

// Whether a label just before `next` in tab order names it: a box's caption, a list's heading, or
// the text beside a button that shows a picture of the program's.
inline bool NamesNext(const ControlDesign& label, const ControlDesign& next) {
  if (!std::holds_alternative<Label*>(label.control)) return false;
  if (std::holds_alternative<CommandButton*>(next.control)) return *next.bitmap != '\0';
  return std::holds_alternative<TextBox*>(next.control) || std::holds_alternative<ComboBox*>(next.control) ||
         std::holds_alternative<ListBox*>(next.control) || std::holds_alternative<ListViewBase*>(next.control);
}

// Where a design's controls sit once its growing labels have the height their texts need
// (`needed(i, width)`, in twips): a growing label grows downwards. Every control keeps, from each
// control designed wholly above it and across from it, the smaller of its designed gap and
// kTextGap, as that control is now placed; a control inside a frame moves as far as its frame.
// A design whose texts fit keeps its places.
template <typename Needed>
std::vector<TwipsRect> Reflowed(const Design& design, Needed needed) {
  // Top to bottom, so that whatever pushes a control is placed before it.
  std::vector<std::size_t> order(design.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
  std::stable_sort(order.begin(), order.end(),
                   [&](std::size_t a, std::size_t b) { return design[a].place.top < design[b].place.top; });
  std::vector<TwipsRect> places(design.size());
  for (std::size_t done = 0; done < order.size(); ++done) {
    const std::size_t i = order[done];
    const TwipsRect& mine = design[i].place;
    TwipsRect place = mine;
    for (std::size_t earlier = 0; earlier < done; ++earlier) {
      const std::size_t other = order[earlier];
      const TwipsRect& theirs = design[other].place;
      if (theirs.bottom() <= mine.top && theirs.Across(mine))
        place.top = std::max(place.top, places[other].bottom() + std::min(kTextGap, mine.top - theirs.bottom()));
      else if (std::holds_alternative<Frame*>(design[other].control) && theirs.Contains(mine))
        place.top = std::max(place.top, mine.top + places[other].top - theirs.top);
    }
    if (design[i].grows) place.height = std::max(place.height, needed(i, place.width));
    places[i] = place;
  }
  return places;
}

}  // namespace kgh::forms
