#pragma once
// The two kinds of path this component handles as plain strings. The Windows flavour (drive and
// UNC roots, "\" separators, letter case ignored) is what the native Windows build sees, and is
// exercised by tests everywhere; the running system's flavour is what the Linux build uses.
#include <string>
#include <string_view>
#include <vector>

namespace kgh {

enum class PathFlavour { Windows, Posix };

// The flavour of the system this build runs on.
constexpr PathFlavour NativePathFlavour() {
#ifdef _WIN32
  return PathFlavour::Windows;
#else
  return PathFlavour::Posix;
#endif
}

constexpr char PathSeparator(PathFlavour flavour) { return flavour == PathFlavour::Windows ? '\\' : '/'; }

// A path split into its root ("C:\", "\\server\share", "/" or "" for a relative path) and its
// components. A trailing separator adds no component.
struct SplitPath {
  std::string root;
  std::vector<std::string> components;
};

SplitPath SplitPathText(std::string_view path, PathFlavour flavour);

// Whether two roots or components name the same thing in this flavour.
bool SamePathPart(std::string_view a, std::string_view b, PathFlavour flavour);

// The text before the last separator, or "" when the path holds none.
std::string FolderOf(std::string_view path, PathFlavour flavour);

}  // namespace kgh
