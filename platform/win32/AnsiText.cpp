#include "platform/win32/AnsiText.h"

#include <windows.h>

namespace kgh::win32 {

std::string ToAnsi(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int bytes = WideCharToMultiByte(CP_ACP, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  std::string ansi(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide.data(), size, ansi.data(), bytes, nullptr, nullptr);
  return ansi;
}

bool ToAnsiExactly(std::wstring_view wide, std::string& ansi) {
  ansi.clear();
  if (wide.empty()) return true;
  const int size = static_cast<int>(wide.size());
  BOOL replaced = FALSE;
  const int bytes = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size, nullptr, 0, nullptr, &replaced);
  if (bytes <= 0 || replaced) return false;
  ansi.assign(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.data(), size, ansi.data(), bytes, nullptr, nullptr);
  return true;
}

std::wstring FromAnsi(std::string_view ansi) {
  if (ansi.empty()) return {};
  const int size = static_cast<int>(ansi.size());
  const int chars = MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(chars), L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, wide.data(), chars);
  return wide;
}

}  // namespace kgh::win32
