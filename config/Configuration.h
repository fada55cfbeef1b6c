#pragma once
// A whole configuration as the options dialog holds it between loading and saving, and the saver
// its OK runs. Anything else that writes a whole configuration (the command line's apply) goes
// through the same saver, so the file comes out as the dialog would leave it.
#include <string>
#include <vector>

#include "config/BrowserSettings.h"
#include "config/ConfigFormat.h"

namespace kgh {

struct Configuration {
  BrowserSettings browser;
  std::vector<ToolbarEntry> toolbar;
  std::vector<std::string> domains;
  PrivateData private_data;
};

// What the options dialog shows for the file `ini` is bound to, from one reading of it.
Configuration ReadConfiguration(CIniFile2& ini);

// [Browser] key by key, the user sections and [Toolbar], [Domains] anew at the end, then
// [PrivateData]: the order of the dialog's OK. Once a file has been saved so, saving the same
// configuration again leaves its bytes as they are. The caller holds the transaction.
void WriteConfiguration(CIniFile2& ini, const Configuration& configuration);

}  // namespace kgh
