#pragma once
// The configuration that the crash tests rewrite, and every state it may legally be in. A save
// writes five things in order, each marked with the save's number:
//   Homepage, DefaultServer, remove [Domains], write [Domains] (many lines), ErrorPage.
// Every single write is whole, so the file always equals the configuration rebuilt from the
// numbers it shows, and those numbers never decrease along the save order.
#include <cstdint>
#include <optional>
#include <string>

#include "config/CIniFile2.h"

namespace kgh::test {

struct SaveState {
  int64_t homepage = 0;
  int64_t server = 0;
  std::optional<int64_t> domains = 0;  // none between removing and rewriting [Domains]
  int64_t error_page = 0;
  bool operator==(const SaveState&) const = default;
};

// Lines in [Domains], kept within what one section read returns (16381 characters).
inline constexpr int kDomainLines = 300;
// Stale user sections that no toolbar line names any more: they make the file about 50 KB, so
// that every write takes a while.
inline constexpr int kStaleUserSections = 300;

// The exact bytes of the file in `state`.
std::string ConfigurationBytes(const SaveState& state);

// The state these bytes are in, when they are whole: parseable, in save order, and
// byte-identical to the configuration of that state.
std::optional<SaveState> WholeStateOf(const std::string& bytes);

// One save with number `save`; stops with false at the first write that reports failure.
bool SaveConfiguration(CIniFile2& ini, int64_t save);

// The save number that the file's Homepage shows.
int64_t LastSaveStarted(CIniFile2& ini);

}  // namespace kgh::test
