// Opens one of the system's dialogs as the component asks for it and prints what it answered,
// for the script that drives it by keyboard:
//   dialog_probe open <initial folder> | save <initial folder> | folder <folder to preselect>
#include <windows.h>

#include <cstdio>
#include <string>

#include "platform/CBrowseFolder.h"
#include "platform/win32/Win32Dialogs.h"

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  const std::string mode = argv[1];
  std::string answer;
  if (mode == "folder") {
    CoInitialize(nullptr);
    kgh::win32::Win32FolderBrowser browser;
    answer = kgh::CBrowseFolder(&browser).BrowseForFolder(nullptr, argv[2]);
  } else {
    kgh::FileDialogRequest request{"Select start page", "ASP / HTML pages", "htm;*.asp;*.aspx;*.php", argv[2],
                                   mode == "save"};
    answer = kgh::win32::Win32FileDialogs().ShowFileDialog(request);
  }
  std::printf("[%s]\n", answer.c_str());
  return 0;
}
