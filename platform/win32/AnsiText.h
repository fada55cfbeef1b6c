#pragma once
// The core keeps text in the system's 8-bit code page, as the configuration file holds it. Text
// from a UTF-16 interface of the system is converted here, once, on its way in or out.
#include <string>
#include <string_view>

namespace kgh::win32 {

std::string ToAnsi(std::wstring_view wide);
// As ToAnsi, but false when a character has no equal in the code page: no character is replaced
// by a look-alike or a question mark.
bool ToAnsiExactly(std::wstring_view wide, std::string& ansi);
std::wstring FromAnsi(std::string_view ansi);

}  // namespace kgh::win32
