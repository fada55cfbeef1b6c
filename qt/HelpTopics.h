#pragma once
// Which help page belongs to the window in front. Each dialog names its page (a file name without
// ".html") on its window; the help service reads the name off the window the user is in.
#include <QString>

#include <array>

class QWidget;

namespace kgh::qt {

void SetHelpTopic(QWidget& window, const char* page);

// The page of the modal dialog in front, else of the active window; "index" when neither names one.
QString HelpTopicInFront();

// The options dialog's pages, in the order of its tabs.
inline constexpr std::array<const char*, 4> kOptionsPageTopics = {"options-general", "options-domains", "options-toolbar",
                                                     "options-other"};
inline constexpr const char* kButtonDialogTopic = "button-dialog";
inline constexpr const char* kDomainDialogTopic = "domain-dialog";
inline constexpr const char* kIndexTopic = "index";

}  // namespace kgh::qt
