#pragma once
// Where the wizard's controls sit, in twips as the form was designed: a client area of
// 7155 x 5055 with the pages (7155 x 4425) at the top and the navigation row below them. Every
// front-end places its windows from these numbers.
#include "forms/Twips.h"

namespace kgh {

namespace wizard_layout {

inline constexpr int kClientWidth = 7155;
inline constexpr int kClientHeight = 5055;
inline constexpr int kPageHeight = 4425;

inline constexpr TwipsRect kPages{0, 0, kClientWidth, kPageHeight};
inline constexpr TwipsRect kNavRow{0, kPageHeight, kClientWidth, kClientHeight - kPageHeight};
inline constexpr TwipsRect kPicture{0, 0, 2100, kPageHeight};

// Texts right of the picture, up to a margin as wide as the gap beside the picture.
inline constexpr int kTextLeft = 2280;
inline constexpr int kTextWidth = kClientWidth - kTextLeft - 180;
inline constexpr TwipsRect kHeading{kTextLeft, 240, kTextWidth, 900};
inline constexpr TwipsRect kIntroText{kTextLeft, 1320, kTextWidth, 900};
inline constexpr TwipsRect kStepText{kTextLeft, 240, kTextWidth, 900};
inline constexpr TwipsRect kFinishedText{kTextLeft, 240, kTextWidth, 1800};
inline constexpr TwipsRect kSaveSettings{kTextLeft, 3840, kTextWidth, 300};

inline constexpr TwipsRect kIISButton{2280, 1440, 1095, 855};
inline constexpr TwipsRect kIISLabel{3480, 1440, 3075, 675};
inline constexpr TwipsRect kEmptyButton{2280, 2520, 1095, 855};
inline constexpr TwipsRect kEmptyLabel{3480, 2520, 3075, 675};

// Navigation buttons: Help, Cancel, Back, Next, Finish, 120 below the top of the row.
inline constexpr int kNavLefts[] = {108, 2250, 3435, 4545, 5910};
inline constexpr int kNavTop = 120;
inline constexpr int kNavWidth = 1092;
inline constexpr int kNavHeight = 312;

// Room kept between a text that grew and the control below it.
inline constexpr int kTextGap = 120;

}  // namespace wizard_layout

// The wizard's own pictures: a banner beside each page and the pictures of the two choice
// buttons on "Step 1". Each front-end compiles them in under these names.
enum class WizardPicture { Introduction, Choose, Instructions, Finished, Server, BlankPage };

constexpr const char* PictureName(WizardPicture picture) {
  switch (picture) {
    case WizardPicture::Introduction: return "intro";
    case WizardPicture::Choose: return "choose";
    case WizardPicture::Instructions: return "instructions";
    case WizardPicture::Finished: return "finished";
    case WizardPicture::Server: return "server";
    case WizardPicture::BlankPage: return "blank";
  }
  return "";
}

// The banner of the page that shows imgStep(`index`) (indexes 0, 1, 2 and 5).
constexpr WizardPicture StepPicture(int index) {
  switch (index) {
    case 0: return WizardPicture::Introduction;
    case 1: return WizardPicture::Choose;
    case 2: return WizardPicture::Instructions;
    default: return WizardPicture::Finished;
  }
}

}  // namespace kgh
