#include "platform/PathFlavour.h"

#include "platform/TextCase.h"

namespace kgh {
namespace {

// "\\server\share" (or just "\\server"): the length of the UNC root, separators included.
std::size_t UncRootLength(std::string_view path) {
  std::size_t server_end = path.find('\\', 2);
  if (server_end == std::string_view::npos) return path.size();
  std::size_t share_end = path.find('\\', server_end + 1);
  return share_end == std::string_view::npos ? path.size() : share_end;
}

std::size_t RootLength(std::string_view path, PathFlavour flavour) {
  if (flavour == PathFlavour::Posix) return (!path.empty() && path[0] == '/') ? 1 : 0;
  if (path.size() >= 2 && path[0] == '\\' && path[1] == '\\') return UncRootLength(path);
  if (path.size() >= 2 && path[1] == ':') return (path.size() >= 3 && path[2] == '\\') ? 3 : 2;
  return 0;
}

}  // namespace

SplitPath SplitPathText(std::string_view path, PathFlavour flavour) {
  SplitPath split;
  const std::size_t root = RootLength(path, flavour);
  split.root = std::string(path.substr(0, root));
  // "C:" and "C:\" are the same root.
  if (flavour == PathFlavour::Windows && split.root.size() == 2 && split.root[1] == ':') split.root += '\\';
  const char sep = PathSeparator(flavour);
  std::size_t pos = root;
  while (pos < path.size()) {
    std::size_t next = path.find(sep, pos);
    if (next == std::string_view::npos) next = path.size();
    if (next > pos) split.components.emplace_back(path.substr(pos, next - pos));
    pos = next + 1;
  }
  return split;
}

bool SamePathPart(std::string_view a, std::string_view b, PathFlavour flavour) {
  return flavour == PathFlavour::Windows ? EqualsNoCase(a, b) : a == b;
}

std::string FolderOf(std::string_view path, PathFlavour flavour) {
  const auto pos = path.rfind(PathSeparator(flavour));
  return pos == std::string_view::npos ? std::string() : std::string(path.substr(0, pos));
}

}  // namespace kgh
