#pragma once
// The configuration doctor: reads a configuration as the options dialog and the browser do, and
// lists what will not work the way its author most likely meant: addresses the allow-list
// refuses, allow-list entries that allow more (or less) than they seem to, toolbar sections that
// went astray, and values the browser reads otherwise than they are written.
#include <string>
#include <string_view>
#include <vector>

#include "config/Configuration.h"

namespace kgh {

enum class Severity { Error, Warning, Hint };
std::string_view SeverityName(Severity severity);  // "error", "warning", "hint"

struct Finding {
  Severity severity = Severity::Hint;
  std::string code;     // the rule, a stable name for scripts ("home-page-not-allowed", ...)
  std::string section;  // without brackets
  int line = 0;         // 1-based line of the file, 0 when what it concerns is missing from it
  std::string message;  // one sentence: what is wrong and what to do about it

  bool operator==(const Finding&) const = default;
};

// How this component reads an allow-list entry: it allows an address that begins with it,
// letters compared without regard to case, "*" standing for any run of characters other than
// "/". The browser has the last word on what it allows.
bool EntryAllows(std::string_view entry, std::string_view address);

// The findings for a file holding `bytes`, from which the options dialog reads `read`, with
// `untrusted_copies` beside it (files named like the file store's copies of it that it does not
// trust, see FileStore::UntrustedCopies); in the order of the lines they concern. A file that is
// empty or holds no configuration at all has that one finding.
std::vector<Finding> CheckConfiguration(std::string_view bytes, const Configuration& read,
                                        const std::vector<std::string>& untrusted_copies = {});

// Reads the configuration file `file` and checks it, with what the system's file store finds
// beside it; false with the system's error code when the file cannot be read (a missing file
// included).
bool CheckConfigurationFile(const std::string& file, std::vector<Finding>& findings, int& error);

// Whether any finding is an error or a warning, which a script should stop at.
bool NeedsAttention(const std::vector<Finding>& findings);

}  // namespace kgh
