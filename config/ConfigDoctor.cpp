#include "config/ConfigDoctor.h"

#include <algorithm>
#include <map>
#include <optional>
#include <set>

#include "config/ConfigFormat.h"
#include "config/IniSyntax.h"
#include "platform/FileStore.h"
#include "platform/TextCase.h"

namespace kgh {
namespace {

constexpr std::string_view kTheBrowserDecides = " (the browser has the last word on what it allows)";

// Characters that make an allow-list entry mean other than it seems, and why.
constexpr struct {
  char mark;
  const char* code;
  const char* why;
} kMisleadingMarks[] = {
    {'@', "entry-with-at",
     "\"@\", before which an address may put any user name, so it may not allow what it seems to; remove the "
     "part up to \"@\"."},
    {'#', "entry-with-hash",
     "\"#\", which in an address only marks a place within a page, so it allows only that page's places; remove "
     "the part from \"#\"."},
};

std::string Quoted(std::string_view text) { return "\"" + std::string(text) + "\""; }

// An address with a scheme ("http:", "res:", ...); a relative one depends on the page it is
// opened from, which no allow-list entry can be checked against. One letter before ":" is a
// drive ("C:\kiosk\start.htm"), not a scheme.
bool HasScheme(std::string_view address) {
  const auto colon = address.find(':');
  if (colon == std::string_view::npos || colon < 2) return false;
  const auto is_alpha = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
  if (!is_alpha(address.front())) return false;
  return std::all_of(address.begin(), address.begin() + static_cast<std::ptrdiff_t>(colon), [&](char c) {
    return is_alpha(c) || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
  });
}

// What the options dialog's engine selector shows for `engine`.
std::string EngineCaption(int32_t engine) {
  for (const EngineChoice& choice : kEngineChoices)
    if (choice.engine == engine) return std::string(choice.text);
  return std::to_string(engine);
}

// One line of the file and where it stands.
struct MappedLine {
  int number = 0;
  std::size_t section = 0;  // index into the sections; 0 for the lines above the first header
  std::string_view raw;     // the line as it stands, without its line end
  IniLineView view;
};

struct MappedSection {
  std::string name;
  bool first_of_name = false;  // readers take the first section of a name
  int header_line = 0;
  std::vector<const MappedLine*> lines;  // below its header
};

class Doctor {
 public:
  Doctor(std::string_view bytes, const Configuration& read) : read_(read), bytes_(bytes) { Map(bytes); }

  std::vector<Finding> Run(const std::vector<std::string>& untrusted_copies) {
    for (const std::string& copy : untrusted_copies)
      Add(Severity::Warning, "untrusted-copy", "", nullptr,
          copy + " is not a copy this program made of this file: it is ignored; remove it.");
    if (!HoldsAConfiguration()) return findings_;
    CheckPages();
    CheckDomains();
    CheckToolbar();  // before the values: it learns which user sections are read
    CheckToolbarLength();
    CheckBrowserValues();
    CheckValueText();
    std::stable_sort(findings_.begin(), findings_.end(),
                     [](const Finding& a, const Finding& b) { return a.line < b.line; });
    return findings_;
  }

 private:
  void Map(std::string_view bytes) {
    sections_.push_back({"", true, 0, {}});
    int number = 0;
    std::size_t current = 0;
    std::vector<MappedLine> lines;
    ForEachRawLine(bytes, [&](std::string_view text, std::string_view) {
      ++number;
      const IniLineView view = ReadIniLine(text, number == 1);
      if (view.kind == IniLineKind::Header) {
        const bool first = first_of_name_.emplace(ToUpperAsciiCopy(view.name), sections_.size()).second;
        sections_.push_back({std::string(view.name), first, number, {}});
        current = sections_.size() - 1;
      }
      lines.push_back({number, current, text, view});
    });
    lines_ = std::move(lines);  // from here on the lines stay where they are
    for (const MappedLine& line : lines_)
      if (line.view.kind != IniLineKind::Header) sections_[line.section].lines.push_back(&line);
  }

  const MappedSection* FirstSection(std::string_view name) const {
    const auto found = first_of_name_.find(ToUpperAsciiCopy(name));
    return found == first_of_name_.end() ? nullptr : &sections_[found->second];
  }

  // The lines a reader sees of `name`: those of its first section, headers left out.
  const std::vector<const MappedLine*>& Lines(std::string_view name) const {
    static const std::vector<const MappedLine*> kNone;
    const MappedSection* section = FirstSection(name);
    return section == nullptr ? kNone : section->lines;
  }

  const MappedLine* Entry(std::string_view section, std::string_view key) const {
    for (const MappedLine* line : Lines(section))
      if (line->view.kind == IniLineKind::Entry && EqualsNoCase(line->view.name, key)) return line;
    return nullptr;
  }

  void Add(Severity severity, std::string code, std::string_view section, const MappedLine* line,
           std::string message) {
    findings_.push_back({severity, std::move(code), std::string(section), line ? line->number : 0, std::move(message)});
  }

  bool Allowed(std::string_view address) const {
    return std::any_of(read_.domains.begin(), read_.domains.end(),
                       [&](const std::string& entry) { return EntryAllows(entry, address); });
  }

  // ---- the file as a whole

  // Whether there is a configuration to look into: not when the file is empty, nor when it holds
  // none of the sections a configuration has (another kind of file, binary data), whose lines
  // would otherwise pass without a word, as no rule concerns them.
  bool HoldsAConfiguration() {
    std::string_view text = bytes_;
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    if (text.find_first_not_of(" \t\r\n") == std::string_view::npos) {
      Add(Severity::Warning, "empty-file", "", nullptr,
          "The file is empty, so the browser runs on its defaults, with no home page; write a configuration into "
          "it.");
      return false;
    }
    for (const std::string_view name : {kBrowserSection, kToolbarSection, kDomainsSection, kPrivateDataSection})
      if (FirstSection(name) != nullptr) return true;
    Add(Severity::Error, "not-a-configuration", "", nullptr,
        "The file holds none of the sections of a configuration ([Browser], [Toolbar], [Domains], [PrivateData]), so "
        "the browser finds nothing of its own in it; check that this is the file meant, or write a configuration "
        "into it.");
    return false;
  }

  // ---- pages and addresses the allow-list must let through

  void CheckPages() {
    const std::string& home = read_.browser.home_page;
    if (HasScheme(home) && !Allowed(home))
      Add(Severity::Error, "home-page-not-allowed", kBrowserSection, Entry(kBrowserSection, kHomePageSetting.key),
          "No [Domains] entry allows the home page " + Quoted(home) +
              ", so the kiosk would show its error page instead; add an entry that the address begins with" +
              std::string(kTheBrowserDecides) + ".");
    const std::string& error = read_.browser.error_page;
    if (HasScheme(error) && !StartsWithNoCase(error, "res:") && !Allowed(error))
      Add(Severity::Warning, "error-page-not-allowed", kBrowserSection, Entry(kBrowserSection, kErrorPageSetting.key),
          "No [Domains] entry allows the error page " + Quoted(error) +
              "; use a \"res:\" address or add an entry that the address begins with" + std::string(kTheBrowserDecides) +
              ".");
  }

  void CheckToolbarAddress(std::string_view address, std::string_view caption, std::string_view section,
                           const MappedLine* line) {
    if (!HasScheme(address) || Allowed(address)) return;
    Add(Severity::Warning, "toolbar-url-not-allowed", section, line,
        "No [Domains] entry allows the address " + Quoted(address) + " of the button " + Quoted(caption) +
            ", which would lead to the error page; add an entry that the address begins with" +
            std::string(kTheBrowserDecides) + ".");
  }

  // ---- the allow-list itself

  void CheckDomains() {
    std::map<std::string, int> seen;  // folded entry -> the line it first stands on
    for (const MappedLine* line : Lines(kDomainsSection)) {
      const std::optional<std::string> read = SectionReadOf(line->view);
      if (!read) continue;
      const std::string& entry = *read;
      if (TrimIniBlanks(Unquote(entry)).empty()) {
        Add(Severity::Warning, "blank-entry", kDomainsSection, line,
            "The entry " + entry + " is only blanks or empty quotes and allows nothing; remove it.");
        continue;
      }
      const auto [first, inserted] = seen.emplace(ToUpperAsciiCopy(entry), line->number);
      if (!inserted)
        Add(Severity::Hint, "duplicate-entry", kDomainsSection, line,
            "The entry " + Quoted(entry) + " repeats the one on line " + std::to_string(first->second) +
                "; remove one of them.");
      if (entry.find("{PORT}") != std::string::npos)
        Add(Severity::Warning, "port-placeholder", kDomainsSection, line,
            "The entry " + Quoted(entry) +
                " still holds the placeholder \"{PORT}\" and allows no real address; put the web server's port in "
                "its place.");
      for (const auto& [mark, code, why] : kMisleadingMarks)
        if (entry.find(mark) != std::string::npos)
          Add(Severity::Warning, code, kDomainsSection, line, "The entry " + Quoted(entry) + " holds " + why);
      CheckHostEnd(entry, line);
    }
  }

  // "http://intranet" also allows "http://intranet.example.org": the host must end with "/".
  void CheckHostEnd(std::string_view entry, const MappedLine* line) {
    for (const std::string_view scheme : {"http://", "https://"}) {
      if (!StartsWithNoCase(entry, scheme)) continue;
      const std::string_view host = entry.substr(scheme.size());
      if (host.empty() || host.find('/') != std::string_view::npos) return;
      const bool has_port = host.find(':') != std::string_view::npos;
      const std::string longer = std::string(entry) + (has_port ? "0" : ".example.org");
      Add(Severity::Warning, "host-without-slash", kDomainsSection, line,
          "The entry " + Quoted(entry) + " ends right after its host, so it also allows " + Quoted(longer) +
              "; end it with \"/\" to allow this host only.");
      return;
    }
  }

  // ---- [Toolbar] and the user sections

  void CheckToolbar() {
    for (const MappedLine* line : Lines(kToolbarSection)) {
      const std::optional<std::string> read = SectionReadOf(line->view);
      // A kind of the catalogue, or a user button without a section: nothing to look up.
      if (!read || CatalogueKindOfLine(*read)) continue;
      const auto eq = read->find('=');
      if (eq == std::string::npos) {
        Add(Severity::Hint, "ignored-toolbar-line", kToolbarSection, line,
            "Nothing reads the line " + Quoted(*read) + " of [Toolbar]; remove it or make it a button.");
        continue;
      }
      const std::string section = read->substr(0, eq);
      const std::string url = read->substr(eq + 1);
      // Lines naming a section again show the same caption and sub-entries: check those once.
      const bool first_naming = named_.insert(ToUpperAsciiCopy(section)).second;
      if (FirstSection(section) == nullptr) {
        Add(Severity::Warning, "missing-user-section", kToolbarSection, line,
            "The button " + Quoted(*read) + " names the section [" + section +
                "], which is not in the file, so it shows its address as caption and no picture; add the section or "
                "remove the line.");
        CheckToolbarAddress(url, url, kToolbarSection, line);
        continue;
      }
      const MappedLine* caption_line = Entry(section, "Caption");
      const std::string caption = caption_line ? std::string(Unquote(caption_line->view.value)) : url;
      CheckToolbarAddress(url, caption, kToolbarSection, line);
      if (first_naming) CheckSubEntries(section, caption);
    }
    for (const MappedSection& section : sections_) {
      if (!section.first_of_name)
        findings_.push_back({Severity::Hint, "duplicate-section", section.name, section.header_line,
                             "The section [" + section.name +
                                 "] stands in the file already, and readers take only the first; merge the two."});
      const bool user_name = StartsWithNoCase(section.name, "User") && section.name.size() > 4 &&
                             std::all_of(section.name.begin() + 4, section.name.end(),
                                         [](char c) { return c >= '0' && c <= '9'; });
      if (!section.first_of_name || !user_name || named_.count(ToUpperAsciiCopy(section.name)) > 0) continue;
      findings_.push_back({Severity::Hint, "unused-user-section", section.name, section.header_line,
                           "No [Toolbar] line names the section [" + section.name +
                               "] any more, so nothing reads it; remove it or add a button line for it."});
    }
  }

  // The options dialog reads a section through a buffer of fixed size and shows what it got; a
  // save of that drops the rest.
  void CheckToolbarLength() {
    std::vector<std::string> read;
    std::vector<const MappedLine*> lines;
    for (const MappedLine* line : Lines(kToolbarSection)) {
      if (std::optional<std::string> text = SectionReadOf(line->view)) {
        read.push_back(std::move(*text));
        lines.push_back(line);
      }
    }
    const std::size_t whole = LinesReadWhole(read);
    const auto beyond = std::count_if(read.begin() + static_cast<std::ptrdiff_t>(whole), read.end(),
                                      [](const std::string& line) { return IsToolbarButtonLine(line); });
    if (beyond == 0) return;
    Add(Severity::Warning, "toolbar-cut", kToolbarSection, lines[whole],
        "The section is longer than the " + std::to_string(CIniFile2::kSectionBufferSize - 2) +
            " characters the options dialog reads of a section, so the dialog does not show its last " +
            (beyond == 1 ? std::string("button") : std::to_string(beyond) + " buttons") +
            ", from this line on, and OK in it would remove " + (beyond == 1 ? "it" : "them") +
            "; shorten the section (fewer buttons, shorter addresses) to keep " + (beyond == 1 ? "it." : "them."));
  }

  void CheckSubEntries(std::string_view section, std::string_view button) {
    std::map<std::string, std::string> captions;  // folded caption -> as first written
    for (const MappedLine* line : Lines(section)) {
      const std::optional<std::string> read = SectionReadOf(line->view);
      if (!read || read->front() != '_') continue;
      const auto eq = read->find('=');
      if (eq == std::string::npos) continue;
      const std::string caption = read->substr(1, eq - 1);
      const std::string url(Unquote(read->substr(eq + 1)));
      const auto [first, inserted] = captions.emplace(ToUpperAsciiCopy(caption), caption);
      if (!inserted)
        Add(Severity::Warning, "sub-entry-case-clash", section, line,
            "The sub-entries " + Quoted(first->second) + " and " + Quoted(caption) + " of the button " +
                Quoted(button) + " differ only in letter case, and the next save keeps only one; rename one of them.");
      // In an address "=" belongs to the query or the fragment; before both it was meant for the caption.
      if (url.find('=') < std::min(url.find('?'), url.find('#')))
        Add(Severity::Warning, "sub-entry-caption-with-equals", section, line,
            "The sub-entry line " + Quoted(*read) + " reads as the caption " + Quoted(caption) + " with the address " +
                Quoted(url) + ", because a caption ends at its first \"=\"; write the caption without \"=\".");
      CheckToolbarAddress(url, caption, section, line);
    }
  }

  // ---- [Browser] values

  void CheckBrowserValues() {
    std::map<std::string, int> seen;  // folded key -> the line readers take it from
    for (const MappedLine* line : Lines(kBrowserSection)) {
      if (line->view.kind != IniLineKind::Entry && line->view.kind != IniLineKind::Bare) continue;
      const std::string key(line->view.name);
      if (const auto [first, inserted] = seen.emplace(ToUpperAsciiCopy(key), line->number); !inserted) {
        Add(Severity::Hint, "duplicate-key", kBrowserSection, line,
            Quoted(key) + " stands in [Browser] already, on line " + std::to_string(first->second) +
                ", and readers take that one; remove this line.");
        continue;
      }
      const std::string value(Unquote(line->view.value));
      std::string written = key;
      written.append("=").append(value);
      bool known = EqualsNoCase(key, kHomePageSetting.key) || EqualsNoCase(key, kErrorPageSetting.key);
      for (std::size_t i = 0; i < kSwitchCount; ++i) {
        if (!EqualsNoCase(key, kSwitchSettings[i].key)) continue;
        known = true;
        if (line->view.kind == IniLineKind::Entry && value != "0" && value != "1")
          Add(Severity::Warning, "switch-not-0-or-1", kBrowserSection, line,
              Quoted(written) + " reads as " + (read_.browser.switches[i] != 0 ? "on" : "off") +
                  "; write 1 for on or 0 for off.");
      }
      if (EqualsNoCase(key, kEngineSetting.key)) {
        known = true;
        if (value != "1" && value != "2" && value != "3")
          Add(Severity::Warning, "engine-out-of-range", kBrowserSection, line,
              Quoted(written) + " reads as " + Quoted(EngineCaption(read_.browser.browser_engine)) +
                  "; write 1, 2 or 3.");
      }
      if (!known)
        Add(Severity::Hint, "unknown-browser-key", kBrowserSection, line,
            "Nothing reads " + Quoted(key) + " in [Browser]; remove it or check its spelling.");
    }
  }

  // ---- values the browser reads trimmed and unquoted

  void CheckValueText() {
    for (const MappedLine& line : lines_) {
      if (line.view.kind != IniLineKind::Entry) continue;
      const MappedSection& section = sections_[line.section];
      const bool read_by_value = EqualsNoCase(section.name, kBrowserSection) ||
                                 EqualsNoCase(section.name, kPrivateDataSection) ||
                                 named_.count(ToUpperAsciiCopy(section.name)) > 0;
      if (!section.first_of_name || !read_by_value) continue;
      std::string_view raw = line.raw.substr(0, line.raw.find('\0'));
      raw = raw.substr(raw.find('=') + 1);
      const std::string key(line.view.name);
      if (!raw.empty() && (IsIniBlank(raw.front()) || IsIniBlank(raw.back())))
        Add(Severity::Warning, "value-with-blanks", section.name, &line,
            "The value of " + Quoted(key) + " has blanks around it, which the browser drops, so it reads as " +
                Quoted(line.view.value) + "; remove the blanks, or put the value in quotes to keep them.");
      else if (Unquote(line.view.value) != line.view.value)
        Add(Severity::Hint, "quoted-value", section.name, &line,
            "The value of " + Quoted(key) + " is in quotes, which the browser removes, so it reads as " +
                Quoted(Unquote(line.view.value)) + ".");
    }
  }

  const Configuration& read_;
  std::string_view bytes_;
  std::set<std::string> named_;  // folded names of the user sections [Toolbar] names
  std::vector<MappedSection> sections_;
  std::map<std::string, std::size_t> first_of_name_;  // folded name -> its first section
  std::vector<MappedLine> lines_;
  std::vector<Finding> findings_;
};

}  // namespace

std::string_view SeverityName(Severity severity) {
  switch (severity) {
    case Severity::Error: return "error";
    case Severity::Warning: return "warning";
    case Severity::Hint: break;
  }
  return "hint";
}

bool EntryAllows(std::string_view entry, std::string_view address) {
  // reached[j]: the entry so far matches the first j characters of the address. One pass per
  // character of the entry, so no entry, however many "*" it holds, costs more than that.
  const std::size_t n = address.size();
  std::vector<bool> reached(n + 1, false);
  reached[0] = true;
  for (const char e : entry) {
    std::vector<bool> next(n + 1, false);
    if (e == '*') {
      bool run = false;  // some start of the run lies behind, with no "/" since
      for (std::size_t j = 0; j <= n; ++j) {
        run = run || reached[j];
        next[j] = run;
        if (j < n && address[j] == '/') run = false;
      }
    } else {
      for (std::size_t j = 0; j < n; ++j)
        next[j + 1] = reached[j] && ToLowerAscii(e) == ToLowerAscii(address[j]);
    }
    reached = std::move(next);
  }
  return std::find(reached.begin(), reached.end(), true) != reached.end();
}

std::vector<Finding> CheckConfiguration(std::string_view bytes, const Configuration& read,
                                        const std::vector<std::string>& untrusted_copies) {
  return Doctor(bytes, read).Run(untrusted_copies);
}

bool CheckConfigurationFile(const std::string& file, std::vector<Finding>& findings, int& error) {
  std::string bytes;
  if (SystemFileStore().Read(file, bytes, error) != ReadStatus::Ok) return false;
  CIniFile2 ini;
  ini.INIFile = file;
  findings = CheckConfiguration(bytes, ReadConfiguration(ini), SystemFileStore().UntrustedCopies(file));
  if (SystemFileStore().NeedsRepair(file)) {
    findings.insert(findings.begin(),
                    {Severity::Warning, "killed-save", "", 0,
                     "A save of this file was killed midway and left its safety copy beside it: where the file is "
                     "torn, this check and the dialog read the copy while the browser reads the torn file; save the "
                     "configuration once (OK in the options dialog, or apply) to make the file whole."});
  }
  return true;
}

bool NeedsAttention(const std::vector<Finding>& findings) {
  return std::any_of(findings.begin(), findings.end(),
                     [](const Finding& finding) { return finding.severity != Severity::Hint; });
}

}  // namespace kgh
