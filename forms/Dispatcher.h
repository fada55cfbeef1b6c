#pragma once
// The one road from a user event to the form, for every front-end: run the form's handler, then
// draw the form's new state. Widgets emit signals while they are being drawn too; those must not
// reach the form again, so events that arrive during rendering are dropped.
#include <functional>

namespace kgh::forms {

class Dispatcher {
 public:
  explicit Dispatcher(std::function<void()> render) : render_(std::move(render)) {}

  // Runs `handler` for a user event and redraws afterwards; ignored while rendering.
  void operator()(const std::function<void()>& handler) {
    if (rendering_) return;
    handler();
    Render();
  }

  void Render() {
    if (rendering_) return;
    rendering_ = true;
    render_();
    rendering_ = false;
  }

  bool rendering() const { return rendering_; }

 private:
  std::function<void()> render_;
  bool rendering_ = false;
};

}  // namespace kgh::forms
