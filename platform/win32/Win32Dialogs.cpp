#include "platform/win32/Win32Dialogs.h"

#include <windows.h>

#include <commdlg.h>
#include <shlobj.h>

#include <string>

namespace kgh::win32 {
namespace {

constexpr DWORD kOpenFlags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
constexpr DWORD kSaveFlags = OFN_EXPLORER | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;

// Selects the pending folder once the browser window exists.
int CALLBACK BrowseCallback(HWND window, UINT message, LPARAM, LPARAM) {
  if (message != BFFM_INITIALIZED) return 0;
  SendMessageA(window, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(PendingBrowseFolder.c_str()));
  return 1;
}

}  // namespace

std::string Win32FileDialogs::ShowFileDialog(const FileDialogRequest& request) {
  // One filter entry: the description and "*." before the first extension; the second NUL ends
  // the list.
  std::string filter = request.description;
  filter += '\0';
  filter += "*." + request.extensions;
  filter += '\0';
  // 250 blanks and a NUL: a longer choice fails the dialog, which then answers like a cancel.
  std::string file(kMaxFileDialogPath, ' ');
  file += '\0';
  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = GetActiveWindow();
  dialog.lpstrFilter = filter.c_str();
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrInitialDir = request.initial_dir.c_str();
  dialog.lpstrTitle = request.title.c_str();
  dialog.Flags = request.save_mode ? kSaveFlags : kOpenFlags;
  const BOOL chosen = request.save_mode ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog);
  return chosen != 0 ? TrimAtNull(file) : std::string();
}

std::string Win32FolderBrowser::BrowseForFolder(const std::string& title, const std::string&) {
  // CBrowseFolder has put the folder to preselect into PendingBrowseFolder.
  BROWSEINFOA browse{};
  browse.hwndOwner = GetActiveWindow();
  browse.lpszTitle = title.c_str();
  browse.ulFlags = BIF_RETURNONLYFSDIRS;
  browse.lpfn = BrowseCallback;
  LPITEMIDLIST item = SHBrowseForFolderA(&browse);
  if (item == nullptr) return "";
  std::string path(MAX_PATH, ' ');
  const bool found = SHGetPathFromIDListA(item, path.data()) != 0;
  CoTaskMemFree(item);
  return found ? TrimAtNull(path) : std::string();
}


}  // namespace kgh::win32
