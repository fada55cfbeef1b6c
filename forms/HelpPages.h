#pragma once
// The help pages the dialogs ask for, by file name without ".html": each front-end shows the page
// that belongs to the window in front when no help file lies beside the component.
#include <array>

namespace kgh::forms {

// The options dialog's pages, in the order of its tabs.
inline constexpr std::array<const char*, 4> kOptionsPageTopics = {"options-general", "options-domains", "options-toolbar",
                                                                  "options-other"};
inline constexpr const char* kButtonDialogTopic = "button-dialog";
inline constexpr const char* kDomainDialogTopic = "domain-dialog";
inline constexpr const char* kIndexTopic = "index";

}  // namespace kgh::forms
