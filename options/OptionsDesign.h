#pragma once
// Where the options dialog's windows sit, in twips as the dialog was designed: a client area of
// 6435 x 5415 with the tab strip above OK, Cancel and Help. A page's controls are placed within
// the strip's display area, from its top left corner; every page may fill kPageWidth by
// kPageHeight. Both front-ends place their windows from these numbers (frmOrvexOptions::Design).
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
// controls, and where they must end.
struct SwitchRoom {
  int left;
  int top;
  int end;
};
inline constexpr SwitchRoom kSwitchRooms[] = {
    {0, 3990, kPageHeight},    // General: below the error page
    {0, 3990, kPageHeight},    // Allowed domains: below the list
    {0, 4080, kPageHeight},    // Toolbar buttons: the preview fills the rest
    {180, 1320, 3945},         // Other: inside the presentation frame, clear of its edge
};
// The presentation frame on "Other" holds its switches, and ends this far below the last.
inline constexpr int kPresentationTop = 975;
inline constexpr int kFrameMargin = 135;

// The preview of the toolbar that a front-end may draw below the buttons' list.
inline constexpr TwipsRect kToolbarPreview{0, 3180, kPageWidth, 900};

constexpr std::size_t SwitchesOn(DialogPage page) {
  std::size_t count = 0;
  for (const SwitchSetting& setting : kSwitchSettings) count += setting.shown.page == page ? 1 : 0;
  return count;
}

// Where the last of the switches declared for `page` ends, a step below its top.
constexpr int SwitchesEnd(DialogPage page) {
  return kSwitchRooms[static_cast<int>(page)].top + static_cast<int>(SwitchesOn(page)) * kSwitchStep;
}

constexpr bool SwitchesFit(DialogPage page) { return SwitchesEnd(page) <= kSwitchRooms[static_cast<int>(page)].end; }

static_assert(SwitchesFit(DialogPage::General) && SwitchesFit(DialogPage::AllowedDomains) &&
                  SwitchesFit(DialogPage::ToolbarButtons) && SwitchesFit(DialogPage::Other),
              "a page has no room for the switches declared for it: make room in its design (options/OptionsDesign.*)");

}  // namespace kgh::options_layout
