#include "options/ServerRewrite.h"

#include "platform/TextCase.h"

namespace kgh {
namespace {

bool EndsWholeServer(std::string_view address, std::size_t end, std::string_view old_server) {
  // A server typed with a trailing "/" carries its own boundary.
  if (old_server.back() == '/' || end == address.size()) return true;
  const char next = address[end];
  return next == '/' || (next == ':' && old_server.find(':') == std::string_view::npos);
}

}  // namespace

std::string ReplaceServer(std::string_view address, std::string_view old_server, std::string_view new_server) {
  if (old_server.empty()) return std::string(address);
  const std::string find = "/" + std::string(old_server);
  const std::string replacement = "/" + std::string(new_server);
  std::string out;
  std::size_t copied = 0;
  std::size_t from = 0;
  for (std::size_t hit; (hit = FindNoCase(address, find, from)) != std::string_view::npos;) {
    const std::size_t end = hit + find.size();
    if (!EndsWholeServer(address, end, old_server)) {
      from = hit + 1;
      continue;
    }
    out.append(address.substr(copied, hit - copied)).append(replacement);
    copied = from = end;
  }
  out.append(address.substr(copied));
  return out;
}

}  // namespace kgh
