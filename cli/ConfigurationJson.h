#pragma once
// A configuration as JSON: what `show --json` prints and `apply` takes back. One object with the
// members "browser" (the [Browser] keys), "toolbar" (the rows of the dialog's toolbar list),
// "domains" and "private" (the [PrivateData] keys).
#include <nlohmann/json.hpp>

#include <string>
#include <string_view>
#include <variant>

#include "config/Configuration.h"

namespace kgh::cli {

// JSON carries UTF-8. A file whose bytes are not UTF-8 was written in an 8-bit code page; its
// texts are shown as Latin-1 and taken back the same way, so that they keep their bytes.
enum class FileText { Utf8, Latin1 };
bool IsUtf8(std::string_view bytes);
FileText FileTextOf(std::string_view file_bytes);
// A text of the file as a JSON string, and back; false for a character the file cannot hold.
std::string ToJsonText(std::string_view bytes, FileText file_text);
bool FromJsonText(std::string_view text, FileText file_text, std::string& bytes);

// A button kind's word, as `show` and the JSON name it: its [Toolbar] key, or "User" for the user
// kind, whose key is empty. Words, unlike ids, stay the same when the catalogue gains a kind
// anywhere in its list.
std::string ButtonKindWord(ButtonTypeId id);

nlohmann::ordered_json ConfigurationToJson(const Configuration& configuration, FileText file_text);

// The configuration `text` holds, or one message naming what is wrong: where the JSON breaks
// (line and column), or the member at fault ("toolbar[2].type: ..."). Every member must be
// there, none may be unknown, and every text must read back from the file as given.
std::variant<Configuration, std::string> ConfigurationFromJson(std::string_view text, FileText file_text);

// The first member (as ConfigurationFromJson names them) that `read`, the reading of a file
// `given` was written to, does not give back as given; "" when every one comes back.
std::string MemberReadBackOtherwise(const Configuration& given, const Configuration& read);

}  // namespace kgh::cli
