#pragma once
// Which help page belongs to the window in front. Each dialog names its page (a file name without
// ".html") on its window; the help service reads the name off the window the user is in.
#include <QString>

#include "forms/HelpPages.h"

class QWidget;

namespace kgh::qt {

void SetHelpTopic(QWidget& window, const char* page);

// The page of the modal dialog in front, else of the active window; "index" when neither names one.
QString HelpTopicInFront();

using forms::kButtonDialogTopic;
using forms::kDomainDialogTopic;
using forms::kIndexTopic;

}  // namespace kgh::qt
