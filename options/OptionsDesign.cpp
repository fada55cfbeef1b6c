// The options dialog's design: each page's controls in tab order, where they sit, and which of
// the form's handlers answer them.
#include "options/OptionsDesign.h"

#include "options/frmOrvexOptions.h"

namespace kgh {

using namespace forms;  // the entries of a design
using options_layout::kPageWidth;

namespace {

// Fields on the General page: a caption on the left, the box beside it, a picture button right.
constexpr TwipsRect CaptionAt(int top) { return {0, top, 1350, 225}; }
constexpr TwipsRect FieldAt(int top) { return {1395, top, 3825, 315}; }
constexpr TwipsRect BrowseAt(int top) { return {5310, top, 420, 360}; }
constexpr TwipsRect LineAt(int top, int height = 225) { return {0, top, kPageWidth, height}; }

// The list of the two list pages, and the column of buttons beside it.
constexpr TwipsRect kDomainList{0, 300, 4275, 3660};
constexpr TwipsRect kButtonList{0, 300, 4275, 2790};  // the toolbar's preview goes below it
constexpr TwipsRect ButtonBesideList(std::size_t index) {
  return {4410, 300 + 410 * static_cast<int>(index), 1350, 345};
}

}  // namespace

Design frmOrvexOptions::FrameDesign() {
  return {
      PressedByEnter(cmdOK, options_layout::kOKButton, [this] { cmdOK_Click(); }),
      Pressed(cmdCancel, options_layout::kCancelButton, [this] { cmdCancel_Click(); }),
      Pressed(cmdHelp, options_layout::kHelpButton, [this] { cmdHelp_Click(); }),
  };
}

Design frmOrvexOptions::PageDesign(DialogPage page) {
  Design design;
  switch (page) {
    case DialogPage::General:
      design = {
          Heading(Label2[2], LineAt(0)),
          Shown(&Label5, LineAt(270, 390)),
          Shown(&Label1[2], CaptionAt(750)),
          Typed(txtServer, FieldAt(705), [this] { txtServer_GotFocus(); }),
          Pressed(cmdChangeRoot, {3645, 1095, 1575, 345}, [this] { cmdChangeRoot_Click(); }),
          Shown(&Label6, LineAt(1515)),
          Shown(&Label1[3], CaptionAt(1860)),
          Typed(txtRoot, FieldAt(1800)),
          WithPicture(cmdBrowseDir, BrowseAt(1785), Picture::OpenFolder, "Browse for root directory",
                      [this] { cmdBrowseDir_Click(); }),
          Heading(Label2[0], LineAt(2340)),
          Shown(&Label3[0], LineAt(2610)),
          Shown(&Label1[0], CaptionAt(2955)),
          Typed(txtHome, FieldAt(2895), [this] { txtHome_GotFocus(); }),
          WithPicture(cmdBrowse, BrowseAt(2880), Picture::OpenFolder, "Browse for home page",
                      [this] { cmdBrowse_Click(); }),
          Shown(&Label3[1], LineAt(3345)),
          Shown(&Label1[1], CaptionAt(3675)),
          Typed(txtError, FieldAt(3630), [this] { txtError_GotFocus(); }),
      };
      break;
    case DialogPage::AllowedDomains: {
      Events entries;
      entries.dbl_click = [this] { lstDomains_DblClick(); };
      design = {Heading(Label2[1], LineAt(0)), Listed(&lstDomains, kDomainList, "Domains", std::move(entries))};
      for (std::size_t i = 0; i < cmdDomainOp.size(); ++i)
        design.push_back(
            Pressed(cmdDomainOp[i], ButtonBesideList(i), [this, i] { cmdDomainOp_Click(static_cast<int>(i)); }));
      break;
    }
    case DialogPage::ToolbarButtons: {
      Events rows;
      rows.click = [this] {
        if (lstButtons.selected >= 0) lstButtons_ItemClick(lstButtons.selected);
      };
      rows.dbl_click = [this] { lstButtons_DblClick(); };
      design = {Heading(Label2[3], LineAt(0)), Listed(&lstButtons, kButtonList, "Custom buttons", std::move(rows))};
      for (std::size_t i = 0; i < kUpButton; ++i)
        design.push_back(
            Pressed(cmdButtonOp[i], ButtonBesideList(i), [this, i] { cmdButtonOp_Click(static_cast<int>(i)); }));
      // Up, down, left (out of a sub-entry) and right (into one), in a cross below the buttons.
      const struct {
        ButtonOp op;
        TwipsRect place;
        Picture picture;
        const char* name;
      } arrows[] = {
          {kUpButton, {4860, 1710, 405, 390}, Picture::ArrowUp, "Move up"},
          {kDownButton, {4860, 2580, 405, 390}, Picture::ArrowDown, "Move down"},
          {kOutdentButton, {4440, 2145, 405, 390}, Picture::ArrowLeft, "Make top-level button"},
          {kIndentButton, {5280, 2145, 405, 390}, Picture::ArrowRight, "Make sub-entry"},
      };
      for (const auto& arrow : arrows)
        design.push_back(WithPicture(cmdButtonOp[arrow.op], arrow.place, arrow.picture, arrow.name,
                                     [this, op = arrow.op] { cmdButtonOp_Click(op); }));
      break;
    }
    case DialogPage::Other: {
      using options_layout::kPresentationTop;
      const int frame_height =
          options_layout::SwitchesEnd(DialogPage::Other) + options_layout::kFrameMargin - kPresentationTop;
      design = {
          Shown(&fraBrowserEngine, {0, 0, kPageWidth, 825}),
          Shown(&lblBrowserEngine, {180, 360, 2070, 225}),
          Shown(&cmbBrowserType, {2295, 315, 3285, 345}),
          Shown(&fraPresentation, {0, kPresentationTop, kPageWidth, frame_height}),
      };
      break;
    }
  }
  AddSwitches(design, page);
  return design;
}

// The check boxes of the switches declared for `page`, one under another.
void frmOrvexOptions::AddSwitches(Design& design, DialogPage page) {
  const options_layout::SwitchRoom& room = options_layout::RowOf(page).switches;
  const int left = room.left;
  int top = room.top;
  for (std::size_t i = 0; i < kSwitchCount; ++i) {
    if (kSwitchSettings[i].shown.page != page) continue;
    design.push_back(Shown(&cbSwitch[i], {left, top, kPageWidth - 2 * left, options_layout::kSwitchHeight}));
    top += options_layout::kSwitchStep;
  }
}

}  // namespace kgh
