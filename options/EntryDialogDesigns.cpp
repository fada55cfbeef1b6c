// The designs of the two entry dialogs: their controls in tab order, where they sit, and which
// of the form's handlers answer them.
#include "options/dlgButton.h"
#include "options/dlgDomain.h"

namespace kgh {

using namespace forms;  // the entries of a design

// The kind, the three boxes, OK, Cancel, the hint, then the two browse buttons; each caption just
// before the box its access key reaches. lblCaption holds "&Caption:", "&Bitmap URL:" and
// "&Destination URL:" in that order.
Design dlgButton::DialogDesign() {
  Events kind;
  kind.click = [this] { cmbType_Click(); };
  return {
      Heading(Label1[0], {120, 180, 4620, 315}),
      Chosen(cmbType, {1440, 600, 3315, 315}, std::move(kind)),
      Heading(Label1[1], {60, 1080, 4620, 315}),
      Shown(&lblCaption[0], {120, 1620, 1320, 255}),
      Typed(txtCaption, {1440, 1560, 3315, 315}, [this] { txtCaption_GotFocus(); }),
      Shown(&lblCaption[2], {120, 2100, 1320, 255}),
      Typed(txtURL, {1440, 2040, 2655, 315}, [this] { txtURL_GotFocus(); }),
      Shown(&lblCaption[1], {120, 2580, 1320, 255}),
      Typed(txtBitmap, {1440, 2520, 2655, 315}, [this] { txtBitmap_GotFocus(); }),
      PressedByEnter(OKButton, {2040, 4020, 1215, 375}, [this] { OKButton_Click(); }),
      Pressed(CancelButton, {3600, 4020, 1215, 375}, [this] { CancelButton_Click(); }),
      Shown(&Label3, {480, 3000, 4335, 675}),
      Shown(&Line1, {0, 3840, kDesignWidth, 30}),
      WithPicture(cmdBrowse, {4140, 2040, 615, 375}, Picture::OpenFolder, "Browse for destination page",
                  [this] { cmdBrowse_Click(); }),
      WithPicture(cmdBrowseBitmap, {4140, 2520, 615, 375}, Picture::OpenFolder, "Browse for bitmap",
                  [this] { cmdBrowseBitmap_Click(); }),
  };
}

Design dlgDomain::DialogDesign() {
  Events entry;
  entry.got_focus = [this] { cmbDomain_GotFocus(); };
  return {
      Shown(&Label1, {150, 165, 4275, 435}),
      Chosen(cmbDomain, {150, 690, 4275, 345}, std::move(entry)),
      PressedByEnter(OKButton, {4560, 165, 1125, 345}, [this] { OKButton_Click(); }),
      Pressed(CancelButton, {4560, 585, 1125, 345}, [this] { CancelButton_Click(); }),
  };
}

}  // namespace kgh
