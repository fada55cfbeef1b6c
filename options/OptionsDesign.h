#pragma once
// Where the options dialog's windows sit, in twips as the dialog was designed: a client area of
// 6435 x 5415 with the tab strip above OK, Cancel and Help. A page's controls are placed within
// the strip's display area, from its top left corner; every page may fill kPageWidth by
// kPageHeight. Both front-ends place their windows from these numbers, through the form's
// FrameDesign and PageDesign.
#include <array>
#include <cstddef>

#include "config/BrowserSettings.h"
#include "forms/Twips.h"

namespace kgh::options_layout {

inline constexpr int kClientWidth = 6435;
inline constexpr int kClientHeight = 5415;
inline constexpr TwipsRect kTabStrip{90, 90, 6255, 4635};
inline constexpr TwipsRect kOKButton{2655, 4905, 1125, 345};
inline constexpr TwipsRect kCancelButton{3900, 4905, 1125, 345};
inline constexpr TwipsRect kHelpButton{5130, 4905, 1125, 345};

inline constexpr int kPageWidth = 5760;
inline constexpr int kPageHeight = 4080;

// Check boxes of switches stand one under another, this far apart.
inline constexpr int kSwitchStep = 345;
inline constexpr int kSwitchHeight = 300;
// Where the check boxes of the switches declared for a page begin, below the page's own
// controls (left, top), and where they must end.
struct SwitchRoom {
  int left;
  int top;
  int end;
};
// The presentation frame on "Other" holds its switches, and ends this far below the last.
inline constexpr int kPresentationTop = 975;
inline constexpr int kFrameMargin = 135;

// The preview of the toolbar that a front-end may draw below the buttons' list.
inline constexpr TwipsRect kToolbarPreview{0, 3180, kPageWidth, 900};

// The dialog's pages, one row each in the order of their tabs: the tab's caption and tip, the
// help page (a file name without ".html") shown while the page is in front, and the room its
// switches have. A page's controls are declared in frmOrvexOptions::PageDesign.
struct PageRow {
  DialogPage page;
  const char* caption;
  const char* tool_tip;
  const char* help_topic;
  SwitchRoom switches;
};
inline constexpr std::array kPages{
    PageRow{DialogPage::General, "General", "Setup general options", "options-general", {0, 3990, kPageHeight}},
    PageRow{DialogPage::AllowedDomains,
            "Allowed domains",
            "Domains that are allowed with the Orvex",
            "options-domains",
            {0, 3990, kPageHeight}},
    // The toolbar's preview fills the page below the list.
    PageRow{DialogPage::ToolbarButtons,
            "Toolbar buttons",
            "Setup toolbar buttons",
            "options-toolbar",
            {0, 4080, kPageHeight}},
    // Inside the presentation frame, clear of its edge.
    PageRow{DialogPage::Other, "Other", "Other options of the Orvex", "options-other", {180, 1320, 3945}},
};
inline constexpr std::size_t kPageCount = kPages.size();

constexpr const PageRow& RowOf(DialogPage page) { return kPages[static_cast<std::size_t>(page)]; }

constexpr std::size_t SwitchesOn(DialogPage page) {
  std::size_t count = 0;
  for (const SwitchSetting& setting : kSwitchSettings) count += setting.shown.page == page ? 1 : 0;
  return count;
}

// Where the last of the switches declared for `page` ends, a step below its top.
constexpr int SwitchesEnd(DialogPage page) {
  return RowOf(page).switches.top + static_cast<int>(SwitchesOn(page)) * kSwitchStep;
}

constexpr bool RowsInTabOrder() {
  for (std::size_t i = 0; i < kPageCount; ++i)
    if (static_cast<std::size_t>(kPages[i].page) != i) return false;
  return true;
}
static_assert(RowsInTabOrder(), "the pages' rows stand in the order of DialogPage");

constexpr bool SwitchesFit() {
  for (const PageRow& row : kPages)
    if (SwitchesEnd(row.page) > row.switches.end) return false;
  return true;
}
static_assert(SwitchesFit(),
              "a page has no room for the switches declared for it: make room in its row (options/OptionsDesign.h)");

}  // namespace kgh::options_layout
