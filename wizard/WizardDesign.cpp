// The wizard's designs: each page's controls in tab order, where they sit on the page, and which
// of the form's handlers answer them; then the navigation row's.
#include "wizard/WizardDesign.h"

#include "wizard/frmWizard.h"

namespace kgh {

using namespace forms;  // the entries of a design

namespace {

// The banner down the left of every page.
constexpr TwipsRect kPicture{0, 0, 2100, wizard_layout::kPageHeight};

// Texts right of the banner, up to a margin as wide as the gap beside it.
constexpr int kTextLeft = 2280;
constexpr int kTextWidth = wizard_layout::kClientWidth - kTextLeft - 180;
constexpr TwipsRect TextAt(int top, int height) { return {kTextLeft, top, kTextWidth, height}; }

// The two ways to build on "Step 1": a picture button with its text beside it.
constexpr TwipsRect ChoiceButtonAt(int top) { return {2280, top, 1095, 855}; }
constexpr TwipsRect ChoiceTextAt(int top) { return {3480, top, 3075, 675}; }

const Font kTitleFont{"Tahoma", 15.75, true};

// Navigation buttons: Help, Cancel, Back, Next, Finish, 120 below the top of the row.
constexpr int kNavLefts[] = {108, 2250, 3435, 4545, 5910};
constexpr TwipsRect NavButtonAt(std::size_t index) { return {kNavLefts[index], 120, 1092, 312}; }

}  // namespace

Design frmWizard::PageDesign(int16_t step) {
  switch (step) {
    case 0:
      return {
          Drawn(imgStep.at(0), kPicture, wizard_pictures::kIntroduction),
          Growing(Label2, TextAt(240, 900), kTitleFont),
          Growing(lblStep.at(0), TextAt(1320, 900)),
      };
    case 1:
      return {
          Drawn(imgStep.at(1), kPicture, wizard_pictures::kChoose),
          Growing(lblStep.at(1), TextAt(240, 900)),
          // Each button's text comes first: it names the button, and its access key reaches it.
          Growing(lblExpl, ChoiceTextAt(1440)),
          WithBitmap(cmdIIS, ChoiceButtonAt(1440), wizard_pictures::kServer, [this] { cmdIIS_Click(); }),
          Growing(Label1, ChoiceTextAt(2520)),
          WithBitmap(cmdEmptyApp, ChoiceButtonAt(2520), wizard_pictures::kBlankPage, [this] { cmdEmptyApp_Click(); }),
      };
    case 2:
      return {
          Drawn(imgStep.at(2), kPicture, wizard_pictures::kInstructions),
          Growing(lblStep.at(2), TextAt(240, 900)),
      };
    default:
      return {
          Drawn(imgStep.at(5), kPicture, wizard_pictures::kFinished),
          Growing(lblStep.at(5), TextAt(240, 1800)),
          Shown(&chkSaveSettings, TextAt(3840, 300)),
      };
  }
}

Design frmWizard::NavigationDesign() {
  Design design = {Shown(&Line1, {0, 0, wizard_layout::kClientWidth, 30})};
  for (std::size_t i = 0; i < cmdNav.size(); ++i)
    design.push_back(Pressed(cmdNav[i], NavButtonAt(i), [this, i] { cmdNav_Click(static_cast<int>(i)); }));
  return design;
}

}  // namespace kgh
