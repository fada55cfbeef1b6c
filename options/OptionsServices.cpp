#include "options/OptionsServices.h"

namespace kgh {

MessageAnswer AskUser(const OptionsServices& services, const MessageRequest& request) {
  if (services.messages != nullptr) return services.messages->Show(request);
  return SilentMessageBoxes().Show(request);
}

}  // namespace kgh
