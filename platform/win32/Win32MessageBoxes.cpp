#include "platform/win32/Win32MessageBoxes.h"

#include <windows.h>

namespace kgh::win32 {

MessageAnswer Win32MessageBoxes::Show(const MessageRequest& request) {
  UINT style = request.buttons == MessageButtons::YesNo ? MB_YESNO : MB_OK;
  switch (request.icon) {
    case MessageIcon::Critical: style |= MB_ICONHAND; break;
    case MessageIcon::Exclamation: style |= MB_ICONEXCLAMATION; break;
    case MessageIcon::None: break;
  }
  const std::string& title = request.title.empty() ? std::string(kApplicationTitle) : request.title;
  const int answer = MessageBoxA(GetActiveWindow(), request.text.c_str(), title.c_str(), style | MB_TASKMODAL);
  if (request.buttons != MessageButtons::YesNo) return MessageAnswer::Ok;
  return answer == IDYES ? MessageAnswer::Yes : MessageAnswer::No;
}

}  // namespace kgh::win32
