// The road every front-end takes from an event to the form: the handler runs, then one redraw;
// what widgets emit while they are redrawn never reaches the form. And the binding of a form's
// controls to a view's widgets, which draws each control on its own widget.
#include <gtest/gtest.h>

#include <map>
#include <stdexcept>
#include <string>
#include <tuple>

#include "forms/BoundControls.h"
#include "forms/Dispatcher.h"

namespace kgh::test {
namespace {

TEST(Dispatcher, RunsTheHandlerThenRedrawsOnceAndDropsWhatTheRedrawEmits) {
  std::string log;
  forms::Dispatcher* self = nullptr;
  forms::Dispatcher dispatch([&] {
    log += "draw;";
    (*self)([&] { log += "echo;"; });  // a widget's signal while it is drawn
    self->Render();                     // and a nested redraw
  });
  self = &dispatch;
  dispatch([&] { log += "click;"; });
  EXPECT_EQ(log, "click;draw;");
  EXPECT_FALSE(dispatch.rendering());
  dispatch.Render();
  EXPECT_EQ(log, "click;draw;draw;");
}

// A front-end whose widgets are strings: drawing a check box writes its caption and value.
template <typename Control>
struct TextWidgets {
  using type = std::string*;
  static std::string* Handle(std::string* widget) { return widget; }
  static void Draw(std::string* widget, const Control& control) {
    *widget = control.caption + "=" + std::to_string(control.value);
  }
};

TEST(BoundControls, DrawEachControlOnItsWidgetAndRefuseAMapOfWidgetsThatDoesNotMatch) {
  std::map<int, forms::CheckBox> switches;
  switches[1].caption = "Start maximized", switches[1].value = 1;
  switches[2].caption = "Visible status bar";
  std::map<int, std::string*> widgets;
  std::string first, second, extra;
  widgets = {{1, &first}, {2, &second}};
  forms::BoundControls<TextWidgets, std::string*> bound;
  bound.BindAll(std::tie(switches), widgets);
  bound.RenderAll();
  EXPECT_EQ(first + "|" + second, "Start maximized=1|Visible status bar=0");
  EXPECT_EQ(bound.Find(switches[2]), &second);
  for (const auto& wrong : {std::map<int, std::string*>{{1, &first}}, {{1, &first}, {2, &second}, {3, &extra}}}) {
    forms::BoundControls<TextWidgets, std::string*> refused;
    EXPECT_THROW(refused.BindAll(std::tie(switches), wrong), std::logic_error) << wrong.size() << " widgets";
  }
}

}  // namespace
}  // namespace kgh::test
