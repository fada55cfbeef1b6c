#pragma once
// Free functions between the dialogs and the platform: relative paths, fixed-size buffers,
// directory-entry attributes, and the file dialog contract.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/PathFlavour.h"

namespace kgh {

// Relative paths longer than this are not produced (the platform's path buffer).
inline constexpr std::size_t kMaxPathLength = 260;

// Attribute bit of a directory in FileAttributes' result.
inline constexpr int32_t kDirectoryAttribute = 0x10;

// The path of `to_path` relative to the directory `from_dir`, both taken as directories, with
// a leading "." component when `to_path` lies inside `from_dir`; "" when the two share no root,
// `from_dir` is empty, or the result would reach kMaxPathLength characters.
std::string RelativePathFrom(std::string_view from_dir, std::string_view to_path,
                             PathFlavour flavour = NativePathFlavour());

// RelativePathFrom without its leading ".\" (or "./"): "pages\a.htm", "..\img\b.bmp", "." or "".
std::string MakeRelativePath(std::string_view base_dir, std::string_view target,
                             PathFlavour flavour = NativePathFlavour());

// Cuts `buffer` at its first NUL and returns the remaining text.
std::string TrimAtNull(std::string& buffer);

// The attribute bits of the first directory entry matching `path` ("*" and "?" allowed in its
// last component), or -1 when nothing matches. A path ending in a separator matches nothing.
int32_t FileAttributes(const std::string& path);

// The folder the folder picker preselects: set by CBrowseFolder just before it opens the
// browser, read by the browser while it opens. One per thread; nothing clears it.
extern thread_local std::string PendingBrowseFolder;

// The longest path, in characters, a file dialog returns; a longer choice fails the dialog.
inline constexpr std::size_t kMaxFileDialogPath = 250;

// The open/save file dialog, supplied by the front-end.
struct FileDialogRequest {
  std::string title;
  std::string description;  // the filter's display text
  std::string extensions;   // "htm;*.asp": the first extension gets its "*." from the filter
  std::string initial_dir;  // "" leaves the choice to the platform
  bool save_mode = false;   // save: the folder must exist and overwriting is confirmed;
                            // open: only an existing file can be chosen
};

// The filter's patterns: "*." + extensions split at ";" ("*.htm", "*.asp", ...).
std::string FilterPatterns(const FileDialogRequest& request);

class FileDialogService {
 public:
  virtual ~FileDialogService() = default;
  // The full path chosen, or "" when the user cancelled or the dialog failed (a path longer
  // than kMaxFileDialogPath included).
  virtual std::string ShowFileDialog(const FileDialogRequest& request) = 0;
};

}  // namespace kgh
