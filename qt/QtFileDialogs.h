#pragma once
// The open and save dialogs: one filter entry, an initial folder, and in open mode only
// existing files; in save mode the user is asked before an existing file is overwritten.
#include <QString>

#include "platform/Module1.h"

namespace kgh::qt {

// "ASP / HTML pages (*.htm *.asp *.aspx *.php)": the filter line Qt's dialog shows.
QString FilterLine(const FileDialogRequest& request);

class QtFileDialogs final : public FileDialogService {
 public:
  std::string ShowFileDialog(const FileDialogRequest& request) override;
};

}  // namespace kgh::qt
