// The road every front-end takes from an event to the form: the handler runs, then one redraw;
// what widgets emit while they are redrawn never reaches the form.
#include <gtest/gtest.h>

#include <string>

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

}  // namespace
}  // namespace kgh::test
