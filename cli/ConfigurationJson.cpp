#include "cli/ConfigurationJson.h"

#include <algorithm>
#include <functional>
#include <set>
#include <sstream>
#include <type_traits>

#include "config/CButtons.h"
#include "platform/TextCase.h"

namespace kgh::cli {

std::string ButtonKindWord(ButtonTypeId id) { return id == kUserButton ? "User" : CButtons().ButtonTypeKey(id); }

namespace {

using Json = nlohmann::ordered_json;

// A row's caption: the sub-entry mark is the component's own text, whatever the file's.
std::string CaptionToJson(const std::string& caption, FileText file_text) {
  if (!HasSubEntryMark(caption)) return ToJsonText(caption, file_text);
  return std::string(kSubEntryMark) + ToJsonText(WithoutSubEntryMark(caption), file_text);
}

// A member that is not what it must be; `where` names it as a path ("toolbar[2].type").
struct Refused {
  std::string where;
  std::string why;
};

// Reads the members of one object: each member taken once, and none left unknown at the end.
class Members {
 public:
  Members(const Json& object, std::string where, FileText file_text)
      : object_(object), where_(std::move(where)), file_text_(file_text) {
    if (!object_.is_object()) throw Refused{where_, "must be an object"};
  }

  const Json& Take(std::string_view name) {
    const std::string key(name);
    const auto found = object_.find(key);
    if (found == object_.end()) throw Refused{Path(name), "is missing"};
    taken_.insert(key);
    return *found;
  }
  // The string as the JSON has it.
  std::string Text(std::string_view name) {
    const Json& value = Take(name);
    if (!value.is_string()) throw Refused{Path(name), "must be a string"};
    return value.get<std::string>();
  }
  // A text the file must give back exactly as it stands here, as the file's bytes.
  std::string String(std::string_view name, TypedText kind) {
    std::string bytes = Fitting(name, FileBytes(Text(name), Path(name)));
    Storable(name, kind, bytes);
    return bytes;
  }
  // `bytes`, when a read of the file gives back that many.
  std::string Fitting(std::string_view name, std::string bytes) const {
    if (bytes.size() >= CIniFile2::kStringBufferSize)
      throw Refused{Path(name), "is longer than the " + std::to_string(CIniFile2::kStringBufferSize - 1) +
                                    " characters a read of the file gives back"};
    return bytes;
  }
  // The bytes the file stores for `text`.
  std::string FileBytes(const std::string& text, const std::string& where) const {
    std::string bytes;
    if (!FromJsonText(text, file_text_, bytes))
      throw Refused{where, "holds a character beyond Latin-1, which this file, written in an 8-bit code page, cannot hold"};
    return bytes;
  }
  void Storable(std::string_view name, TypedText kind, std::string_view text) const {
    if (const std::string why = WhyNotStoredAsTyped(kind, text); !why.empty()) throw Refused{Path(name), why};
  }
  int32_t Integer(std::string_view name, int32_t lowest, int32_t highest) {
    const Json& value = Take(name);
    const std::string range = std::to_string(lowest) + " to " + std::to_string(highest);
    if (!value.is_number_integer()) throw Refused{Path(name), "must be a whole number from " + range};
    const auto number = value.get<int64_t>();  // beyond its range an unsigned number turns negative
    if (number < lowest || number > highest) throw Refused{Path(name), "must be from " + range};
    return static_cast<int32_t>(number);
  }
  // A button kind, by its word.
  ButtonTypeId Kind(std::string_view name) {
    const Json& value = Take(name);
    std::string words;
    for (ButtonTypeId id = 1; id <= CButtons::MaxButtonTypes; ++id) {
      if (value.is_string() && value.get<std::string>() == ButtonKindWord(id)) return id;
      words += (id == 1 ? "\"" : ", \"") + ButtonKindWord(id) + "\"";
    }
    throw Refused{Path(name), "must be one of " + words};
  }
  void NoOthers() const {
    for (const auto& [key, value] : object_.items())
      if (taken_.count(key) == 0) throw Refused{Path(key), "is not a member this tool knows"};
  }
  std::string Path(std::string_view name) const { return where_.empty() ? std::string(name) : where_ + "." + std::string(name); }

 private:
  const Json& object_;
  std::string where_;
  FileText file_text_;
  std::set<std::string> taken_;
};

BrowserSettings BrowserFromJson(const Json& json, FileText file_text) {
  Members members(json, "browser", file_text);
  BrowserSettings settings;
  ForEachBrowserSetting(settings, [&members](const auto& setting, auto& value) {
    if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::string>)
      value = members.String(setting.key, TypedText::PageAddress);
    else if constexpr (std::is_same_v<std::decay_t<decltype(setting)>, EngineSetting>)
      value = members.Integer(setting.key, 1, static_cast<int32_t>(kEngineChoices.size()));
    else
      value = members.Integer(setting.key, 0, 1);
  });
  members.NoOthers();
  return settings;
}

ToolbarEntry RowFromJson(const Json& json, const std::string& where, FileText file_text) {
  Members members(json, where, file_text);
  const ButtonTypeId type = members.Kind("type");
  if (type != kUserButton) {
    // A standard button or separator is its kind alone; its texts are those the list shows.
    const Json& caption = members.Take("caption");
    const Json& url = members.Take("url");
    const Json& image = members.Take("image");
    members.NoOthers();
    for (const ToolbarEntry& row : {CatalogueButtonRow(type), StandardButtonRow(type)})
      if (caption == row.caption && url == row.url && image == row.image) return row;
    const ToolbarEntry row = CatalogueButtonRow(type);
    throw Refused{where, "a standard button is chosen by its type alone: its caption, url and image must be \"" +
                             row.caption + "\", \"" + row.url + "\" and \"\""};
  }
  // A sub-entry's caption carries the mark; the file stores what follows it as a key.
  // The sub-entry mark is the component's own text, whatever the file's; the caption after it is
  // the file's.
  const std::string text = members.Text("caption");
  const bool sub_entry = HasSubEntryMark(text);
  const std::string at = members.Path("caption");
  std::string caption = members.Fitting(
      "caption", sub_entry ? std::string(kSubEntryMark) + members.FileBytes(WithoutSubEntryMark(text), at)
                           : members.FileBytes(text, at));
  if (sub_entry) members.Storable("caption", TypedText::SubEntryCaption, WithoutSubEntryMark(caption));
  else members.Storable("caption", TypedText::ButtonCaption, caption);
  std::string url = members.String("url", TypedText::ButtonUrl);
  std::string image = members.String("image", TypedText::BitmapAddress);
  members.NoOthers();
  if (sub_entry && !image.empty()) throw Refused{members.Path("image"), "a sub-entry has no image: it must be \"\""};
  return {kUserButton, std::move(caption), std::move(url), std::move(image)};
}

Configuration FromJson(const Json& json, FileText file_text) {
  Members top(json, "", file_text);
  Configuration configuration;
  configuration.browser = BrowserFromJson(top.Take("browser"), file_text);
  const Json& toolbar = top.Take("toolbar");
  if (!toolbar.is_array()) throw Refused{"toolbar", "must be an array"};
  std::vector<std::size_t> siblings;  // the sub-entries of the user button above, by index
  bool under_button = false;
  for (std::size_t i = 0; i < toolbar.size(); ++i) {
    const std::string where = "toolbar[" + std::to_string(i) + "]";
    const ToolbarEntry row = RowFromJson(toolbar[i], where, file_text);
    if (row.IsSubEntry()) {
      if (!under_button) throw Refused{where, "a sub-entry needs a user button above it"};
      const std::string key = ToUpperAsciiCopy(WithoutSubEntryMark(row.caption));
      for (const std::size_t sibling : siblings)
        if (ToUpperAsciiCopy(WithoutSubEntryMark(configuration.toolbar[sibling].caption)) == key)
          throw Refused{where, "its caption differs from that of toolbar[" + std::to_string(sibling) +
                                   "] only in letter case, and the file keeps only one of them"};
      siblings.push_back(i);
    } else if (row.IsUserKind()) {
      under_button = true;
      siblings.clear();
    }
    configuration.toolbar.push_back(row);
  }
  const Json& domains = top.Take("domains");
  if (!domains.is_array()) throw Refused{"domains", "must be an array"};
  for (std::size_t i = 0; i < domains.size(); ++i) {
    const std::string where = "domains[" + std::to_string(i) + "]";
    if (!domains[i].is_string()) throw Refused{where, "must be a string"};
    const std::string entry = top.FileBytes(domains[i].get<std::string>(), where);
    if (entry.empty()) throw Refused{where, "an empty entry allows nothing and is not written"};
    if (const std::string why = WhyNotStoredAsTyped(TypedText::DomainEntry, entry); !why.empty()) throw Refused{where, why};
    configuration.domains.push_back(entry);
  }
  Members private_data(top.Take("private"), "private", file_text);
  for (const PrivateDataSetting& setting : kPrivateDataSettings)
    configuration.private_data.*setting.value = private_data.String(setting.key, setting.typed);
  private_data.NoOthers();
  top.NoOthers();
  return configuration;
}

// The member the parser is reading, followed through its events: each object's last key, each
// array's count of finished elements.
class ReadingPlace {
 public:
  bool operator()(int, Json::parse_event_t event, Json& parsed) {
    switch (event) {
      case Json::parse_event_t::object_start:
      case Json::parse_event_t::array_start:
        frames_.push_back({event == Json::parse_event_t::array_start, 0, ""});
        break;
      case Json::parse_event_t::key:
        frames_.back().key = parsed.get<std::string>();
        break;
      case Json::parse_event_t::object_end:
      case Json::parse_event_t::array_end:
        frames_.pop_back();
        Finished();
        break;
      case Json::parse_event_t::value:
        Finished();
        break;
    }
    return true;
  }
  // As Members names it: "toolbar[2].type".
  std::string Path() const {
    std::string path;
    for (const Frame& frame : frames_) {
      if (frame.array) path += "[" + std::to_string(frame.finished) + "]";
      else if (frame.key.empty()) break;
      else path += (path.empty() ? "" : ".") + frame.key;
    }
    return path;
  }

 private:
  struct Frame {
    bool array = false;
    std::size_t finished = 0;
    std::string key;
  };
  void Finished() {
    if (!frames_.empty() && frames_.back().array) ++frames_.back().finished;
  }
  std::vector<Frame> frames_;
};

// The parser's error for a number beyond what a double holds: "number overflow parsing '1e999'".
constexpr int kNumberOverflow = 406;

// A parser's message without its tag: "[json.exception.parse_error.101] parse error at line 2,
// column 5: ..." becomes "parse error at line 2, column 5: ...".
std::string WithoutTag(std::string message) {
  if (const auto tag_end = message.find("] "); tag_end != std::string::npos) message.erase(0, tag_end + 2);
  return message;
}

}  // namespace

bool IsUtf8(std::string_view text) {
  // Strictly: no overlong forms, no surrogates, nothing beyond U+10FFFF; JSON takes no other.
  for (std::size_t i = 0; i < text.size();) {
    const auto c = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
    if (c < 0x80) length = 1;
    else if (c >= 0xC2 && c <= 0xDF) length = 2;
    else if (c >= 0xE0 && c <= 0xEF) length = 3, low = c == 0xE0 ? 0xA0 : 0x80, high = c == 0xED ? 0x9F : 0xBF;
    else if (c >= 0xF0 && c <= 0xF4) length = 4, low = c == 0xF0 ? 0x90 : 0x80, high = c == 0xF4 ? 0x8F : 0xBF;
    if (length == 0 || i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF)) return false;
    }
    i += length;
  }
  return true;
}

FileText FileTextOf(std::string_view file_bytes) { return IsUtf8(file_bytes) ? FileText::Utf8 : FileText::Latin1; }

std::string ToJsonText(std::string_view bytes, FileText file_text) {
  if (file_text == FileText::Utf8) return std::string(bytes);
  std::string text;
  for (const char ch : bytes) {
    const auto c = static_cast<unsigned char>(ch);
    if (c < 0x80) {
      text += ch;
    } else {
      text += static_cast<char>(0xC0 | (c >> 6));
      text += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return text;
}

bool FromJsonText(std::string_view text, FileText file_text, std::string& bytes) {
  bytes.clear();
  if (file_text == FileText::Utf8) {
    bytes = text;
    return true;
  }
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    if (c < 0x80) {
      bytes += text[i];
    } else if ((c == 0xC2 || c == 0xC3) && i + 1 < text.size()) {
      bytes += static_cast<char>(((c & 0x03) << 6) | (static_cast<unsigned char>(text[++i]) & 0x3F));
    } else {
      return false;
    }
  }
  return true;
}

Json ConfigurationToJson(const Configuration& c, FileText file_text) {
  const auto Text = [file_text](const std::string& bytes) { return ToJsonText(bytes, file_text); };
  Json browser = Json::object();
  ForEachBrowserSetting(c.browser, [&browser, file_text](const auto& setting, const auto& value) {
    if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::string>) browser[std::string(setting.key)] = ToJsonText(value, file_text);
    else browser[std::string(setting.key)] = value;
  });
  Json toolbar = Json::array();
  for (const ToolbarEntry& row : c.toolbar)
    toolbar.push_back({{"type", ButtonKindWord(row.tag)}, {"caption", CaptionToJson(row.caption, file_text)}, {"url", Text(row.url)}, {"image", Text(row.image)}});
  Json domains = Json::array();
  for (const std::string& domain : c.domains) domains.push_back(Text(domain));
  Json private_data = Json::object();
  for (const PrivateDataSetting& setting : kPrivateDataSettings)
    private_data[std::string(setting.key)] = Text(c.private_data.*setting.value);
  return {{"browser", browser}, {"toolbar", toolbar}, {"domains", domains}, {"private", private_data}};
}

std::string MemberReadBackOtherwise(const Configuration& given, const Configuration& read) {
  std::string member;
  // [Browser]: the settings of both, side by side, in their declarations' order.
  std::vector<std::pair<std::string, std::string>> shown;
  ForEachBrowserSetting(given.browser, [&shown](const auto& setting, const auto& value) {
    std::ostringstream text;
    text << value;
    shown.emplace_back("browser." + std::string(setting.key), text.str());
  });
  std::size_t i = 0;
  ForEachBrowserSetting(read.browser, [&](const auto&, const auto& value) {
    std::ostringstream text;
    text << value;
    if (member.empty() && text.str() != shown[i].second) member = shown[i].first;
    ++i;
  });
  if (!member.empty()) return member;
  // A separator reads back in the form the dialog's list gives it.
  for (i = 0; i < given.toolbar.size() || i < read.toolbar.size(); ++i) {
    if (i >= given.toolbar.size() || i >= read.toolbar.size()) return "toolbar[" + std::to_string(i) + "]";
    const ToolbarEntry& row = given.toolbar[i];
    const ToolbarEntry expected = row.tag == kSeparatorButton ? StandardButtonRow(kSeparatorButton) : row;
    if (!(read.toolbar[i] == expected)) return "toolbar[" + std::to_string(i) + "]";
  }
  for (i = 0; i < given.domains.size() || i < read.domains.size(); ++i)
    if (i >= given.domains.size() || i >= read.domains.size() || given.domains[i] != read.domains[i])
      return "domains[" + std::to_string(i) + "]";
  for (const PrivateDataSetting& setting : kPrivateDataSettings)
    if (given.private_data.*setting.value != read.private_data.*setting.value) return "private." + std::string(setting.key);
  return "";
}

std::variant<Configuration, std::string> ConfigurationFromJson(std::string_view text, FileText file_text) {
  // The parser takes a NUL byte for the end of the text: it would report what comes after it as
  // missing, or read nothing of it at all.
  if (const auto nul = text.find('\0'); nul != std::string_view::npos) {
    const std::string_view before = text.substr(0, nul);
    const auto line_start = before.rfind('\n');
    const std::size_t column = line_start == std::string_view::npos ? nul + 1 : nul - line_start;
    return "parse error at line " + std::to_string(std::count(before.begin(), before.end(), '\n') + 1) +
           ", column " + std::to_string(column) + ": a NUL byte, which JSON does not allow";
  }
  Json json;
  ReadingPlace place;
  try {
    json = Json::parse(text, std::ref(place));
  } catch (const Json::parse_error& e) {
    return WithoutTag(e.what());
  } catch (const Json::exception& e) {
    // A number too large for any reading (1e999): the member it was meant for is where the
    // reading stopped.
    const std::string where = place.Path();
    std::string why = WithoutTag(e.what());
    if (const auto quote = why.find('\''); e.id == kNumberOverflow && quote != std::string::npos)
      why = "the number " + why.substr(quote + 1, why.rfind('\'') - quote - 1) + " is out of range";
    return (where.empty() ? std::string("the JSON") : where) + ": " + why;
  }
  try {
    return FromJson(json, file_text);
  } catch (const Refused& refused) {
    return (refused.where.empty() ? std::string("the JSON") : refused.where) + ": " + refused.why;
  }
}

}  // namespace kgh::cli
