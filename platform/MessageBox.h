#pragma once
// Message boxes go through this interface so that the form logic runs headless in tests and
// under any front-end.
#include <string>
#include <utility>

namespace kgh {

// The title bar of every message box that names no title of its own.
inline constexpr const char* kApplicationTitle = "Pallix Setup";

enum class MessageButtons { Ok, YesNo };
enum class MessageIcon { None, Critical, Exclamation };
enum class MessageAnswer { Ok, Yes, No };

// Why a message is shown. A front-end may present each kind its own way; a host without a
// display answers a question with No.
enum class MessageIntent {
  Notice,    // something the user should know; nothing was refused
  Question,  // Yes or No decides whether something happens
  Refusal,   // what the user entered is not taken; the dialog stays as it was
  Error,     // the system failed to do what was asked
};

struct MessageRequest {
  std::string text;
  MessageIntent intent = MessageIntent::Notice;
  MessageButtons buttons = MessageButtons::Ok;
  MessageIcon icon = MessageIcon::None;
  std::string title = kApplicationTitle;

  static MessageRequest Notice(std::string text, MessageIcon icon) {
    return {std::move(text), MessageIntent::Notice, MessageButtons::Ok, icon};
  }
  static MessageRequest Question(std::string text) {
    return {std::move(text), MessageIntent::Question, MessageButtons::YesNo, MessageIcon::None};
  }
  static MessageRequest Refusal(std::string why, MessageIcon icon = MessageIcon::Exclamation) {
    return {std::move(why), MessageIntent::Refusal, MessageButtons::Ok, icon};
  }
  static MessageRequest Error(std::string text) {
    return {std::move(text), MessageIntent::Error, MessageButtons::Ok, MessageIcon::Critical};
  }
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
    return request.intent == MessageIntent::Question ? MessageAnswer::No : MessageAnswer::Ok;
  }
};

}  // namespace kgh
