#pragma once
// Message boxes of the system, owned by the active window of the calling thread.
#include "platform/MessageBox.h"

namespace kgh::win32 {

class Win32MessageBoxes final : public MessageBoxService {
 public:
  MessageAnswer Show(const MessageRequest& request) override;
};

}  // namespace kgh::win32
