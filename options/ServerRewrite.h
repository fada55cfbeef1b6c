#pragma once
// Carrying a change of the default server into an address.
#include <string>
#include <string_view>

namespace kgh {

// Replaces every "/" + old_server in `address` by "/" + new_server, left to right without
// overlap, ignoring letter case in the match and keeping the rest of the text as it was.
// Only a whole server is replaced: the match must end the address or be followed by "/", or
// by ":" when old_server names no port, so that "srv" leaves "http://srv2/" and "srv:80"
// leaves "http://srv:8080/" alone. An empty old_server replaces nothing: "/" alone would
// match every address.
std::string ReplaceServer(std::string_view address, std::string_view old_server, std::string_view new_server);

}  // namespace kgh
