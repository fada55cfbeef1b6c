#pragma once
// The help pages the dialogs ask for, by file name without ".html": each front-end shows the page
// that belongs to the window in front when no help file lies beside the component. Each page of
// the options dialog names its own (options/OptionsDesign.h).
namespace kgh::forms {

inline constexpr const char* kButtonDialogTopic = "button-dialog";
inline constexpr const char* kDomainDialogTopic = "domain-dialog";
inline constexpr const char* kIndexTopic = "index";

}  // namespace kgh::forms
