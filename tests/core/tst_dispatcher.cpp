// The road every front-end takes from an event to the form: the handler runs, then one redraw;
// what widgets emit while they are redrawn never reaches the form. And the binding of a form's
// controls to a view's widgets, which draws each control on its own widget.
#include <gtest/gtest.h>

#include <string>

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

TEST(BoundControls, DrawEachControlOnItsWidgetThenWhatDependsOnMoreThanOne) {
  forms::CheckBox maximized, status_bar, unbound;
  maximized.caption = "Start maximized", maximized.value = 1;
  status_bar.caption = "Visible status bar";
  std::string first, second, both;
  forms::BoundControls<TextWidgets, std::string*> bound;
  bound.BindOne(maximized, &first);
  bound.AfterDrawing([&] { both = first + "|" + second; });  // bound before the second is
  bound.BindOne(status_bar, &second);
  bound.RenderAll();
  EXPECT_EQ(both, "Start maximized=1|Visible status bar=0");
  status_bar.value = 1;
  bound.RenderAll();
  EXPECT_EQ(both, "Start maximized=1|Visible status bar=1");
  EXPECT_EQ(bound.Find(status_bar), &second);
  EXPECT_EQ(bound.Find(unbound), nullptr);
}

}  // namespace
}  // namespace kgh::test
