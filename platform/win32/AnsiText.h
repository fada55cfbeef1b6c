#pragma once
// The core keeps text in the system's 8-bit code page, as the configuration file holds it. Text
// from a UTF-16 interface of the system is converted here, once, on its way in or out.
#include <string>
#include <string_view>

namespace kgh::win32 {

std::string ToAnsi(std::wstring_view wide);
std::wstring FromAnsi(std::string_view ansi);

}  // namespace kgh::win32
