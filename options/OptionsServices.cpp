#include "options/OptionsServices.h"

#include <utility>

namespace kgh {

MessageAnswer AskUser(const OptionsServices& services, const MessageRequest& request) {
  if (services.messages != nullptr) return services.messages->Show(request);
  return SilentMessageBoxes().Show(request);
}

bool RefusedAsTyped(const OptionsServices& services, TypedText kind, std::string_view text) {
  std::string why = WhyNotStoredAsTyped(kind, text);
  if (why.empty()) return false;
  AskUser(services, MessageRequest::Refusal(std::move(why)));
  return true;
}

}  // namespace kgh
