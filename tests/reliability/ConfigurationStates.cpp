#include "ConfigurationStates.h"

#include <charconv>
#include <map>
#include <string_view>

#include "config/PortableProfile.h"
#include "platform/FileStore.h"

namespace kgh::test {
namespace {

const std::string kFile = "Orvex.INI";

class OneFileInMemory final : public FileStore {
 public:
  ReadStatus Read(const std::string&, std::string& bytes, int& error) override {
    error = 0;
    bytes = bytes_;
    return ReadStatus::Ok;
  }
  bool Replace(const std::string&, std::string_view bytes, int& error) override {
    error = 0;
    bytes_ = bytes;
    return true;
  }
  std::string bytes_;
};

const char kBase[] =
    "[Browser]\r\nHomepage=\r\nErrorPage=\r\nDisableContextMenu=1\r\nStatusBar=1\r\nAvoidModem=1\r\n"
    "BrowserEngine=2\r\n[Toolbar]\r\nBack=1\r\nFwd=1\r\nSep\r\nUser1=http://localhost/shop/\r\n"
    "[User1]\r\nCaption=Shop\r\nBitmap=shop.bmp\r\n_Orders=http://localhost/shop/orders.asp\r\n"
    "[PrivateData]\r\nDefaultServer=\r\nDefaultRoot=C:\\Web\\shop\r\n";

std::string HomepageOf(int64_t save) { return "http://localhost/start-" + std::to_string(save) + ".htm"; }
std::string ServerOf(int64_t save) { return "server-" + std::to_string(save) + ":8080"; }
std::string ErrorPageOf(int64_t save) { return "res://error-" + std::to_string(save) + ".htm"; }

std::string DomainsOf(int64_t save) {
  std::string text;
  for (int i = 0; i < kDomainLines; ++i)
    text += "http://host-" + std::to_string(i) + ".example/save-" + std::to_string(save) + "/" + '\0';
  return text;
}

// The number after `prefix` in `text`, if `text` is prefix, digits, `suffix`.
std::optional<int64_t> NumberIn(std::string_view text, std::string_view prefix, std::string_view suffix) {
  if (text.substr(0, prefix.size()) != prefix) return std::nullopt;
  text.remove_prefix(prefix.size());
  int64_t value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || std::string_view(end, static_cast<std::size_t>(text.data() + text.size() - end)) != suffix)
    return std::nullopt;
  return value;
}

bool InSaveOrder(const SaveState& s) {
  if (s.homepage < s.server || s.server < s.error_page) return false;
  return !s.domains || (s.server >= *s.domains && *s.domains >= s.error_page);
}

std::string BaseConfiguration() {
  std::string bytes = kBase;
  for (int i = 0; i < kStaleUserSections; ++i) {
    const std::string n = std::to_string(i + 100);
    bytes += "[User" + n + "]\r\nCaption=Old button " + n + "\r\nBitmap=images/old-" + n +
             ".bmp\r\n_Old entry=http://localhost/old/" + n + ".htm\r\n";
  }
  return bytes + "[Domains]\r\n";
}

}  // namespace

std::string ConfigurationBytes(const SaveState& state) {
  OneFileInMemory store;
  store.bytes_ = BaseConfiguration();
  PortableProfile profile(store);
  CIniFile2 ini(profile);
  ini.INIFile = kFile;
  ini.Section = "Domains";
  ini.WriteSection(DomainsOf(0));
  ini.Section = "Browser";
  ini.WriteString("Homepage", HomepageOf(state.homepage));
  ini.WriteString("ErrorPage", ErrorPageOf(state.error_page));
  ini.Section = "PrivateData";
  ini.WriteString("DefaultServer", ServerOf(state.server));
  ini.Section = "Domains";
  ini.DeleteSection();
  if (state.domains) ini.WriteSection(DomainsOf(*state.domains));
  return store.bytes_;
}

std::optional<SaveState> WholeStateOf(const std::string& bytes) {
  OneFileInMemory store;
  store.bytes_ = bytes;
  PortableProfile profile(store);
  CIniFile2 ini(profile);
  ini.INIFile = kFile;
  ini.Section = "Browser";
  const auto homepage = NumberIn(ini.GetString("Homepage"), "http://localhost/start-", ".htm");
  const auto error_page = NumberIn(ini.GetString("ErrorPage"), "res://error-", ".htm");
  ini.Section = "PrivateData";
  const auto server = NumberIn(ini.GetString("DefaultServer"), "server-", ":8080");
  ini.Section = "Domains";
  const std::string domains = ini.GetSection();
  if (!homepage || !error_page || !server) return std::nullopt;
  SaveState state{*homepage, *server, std::nullopt, *error_page};
  if (!domains.empty()) {
    state.domains = NumberIn(domains.substr(0, domains.find('\0')), "http://host-0.example/save-", "/");
    if (!state.domains) return std::nullopt;
  }
  if (!InSaveOrder(state) || ConfigurationBytes(state) != bytes) return std::nullopt;
  return state;
}

bool SaveConfiguration(CIniFile2& ini, int64_t save) {
  ini.Section = "Browser";
  if (!ini.WriteString("Homepage", HomepageOf(save))) return false;
  ini.Section = "PrivateData";
  if (!ini.WriteString("DefaultServer", ServerOf(save))) return false;
  ini.Section = "Domains";
  ini.DeleteSection();
  ini.WriteSection(DomainsOf(save));
  ini.Section = "Browser";
  return ini.WriteString("ErrorPage", ErrorPageOf(save));
}

int64_t LastSaveStarted(CIniFile2& ini) {
  ini.Section = "Browser";
  return NumberIn(ini.GetString("Homepage"), "http://localhost/start-", ".htm").value_or(0);
}

}  // namespace kgh::test
