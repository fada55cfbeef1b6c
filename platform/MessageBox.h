#pragma once
// Message boxes go through this interface so that the form logic runs headless in tests and
// under any front-end.
#include <string>

namespace kgh {

// The title bar of every message box that names no title of its own.
inline constexpr const char* kApplicationTitle = "Pallix Setup";

enum class MessageButtons { Ok, YesNo };
enum class MessageIcon { None, Critical, Exclamation };
enum class MessageAnswer { Ok, Yes, No };

struct MessageRequest {
  std::string text;
  MessageButtons buttons = MessageButtons::Ok;
  MessageIcon icon = MessageIcon::None;
  std::string title = kApplicationTitle;
};

class MessageBoxService {
 public:
  virtual ~MessageBoxService() = default;
  // Shows the message modally and returns the button the user pressed.
  virtual MessageAnswer Show(const MessageRequest& request) = 0;
};

// Shows nothing: answers questions with No (the answer that changes nothing) and messages with
// OK. For hosts without a display.
class SilentMessageBoxes final : public MessageBoxService {
 public:
  MessageAnswer Show(const MessageRequest& request) override {
    return request.buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
  }
};

}  // namespace kgh
