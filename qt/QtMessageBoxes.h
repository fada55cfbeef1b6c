#pragma once
// Message boxes as Qt shows them: modal over the window the user is working in.
#include "platform/MessageBox.h"

namespace kgh::qt {

class QtMessageBoxes final : public MessageBoxService {
 public:
  MessageAnswer Show(const MessageRequest& request) override;
};

}  // namespace kgh::qt
