// What every front-end makes from the dialogs' designs can be seen and reached: each control lies
// inside its window or page, beside the others or inside a frame, and appears once.
#include <algorithm>
#include <set>
#include <string>
#include <variant>
#include <vector>

#include <gtest/gtest.h>

#include "options/OptionsDesign.h"
#include "options/dlgButton.h"
#include "options/dlgDomain.h"
#include "options/frmOrvexOptions.h"
#include "wizard/WizardDesign.h"
#include "wizard/frmWizard.h"

namespace kgh::test {
namespace {

std::string NameOf(const forms::ControlDesign& item) {
  return std::visit([](const auto* control) { return control->name; }, item.control);
}

void ExpectLaidOut(const std::string& where, const forms::Design& design, const TwipsRect& area) {
  // A heading's rule is drawn once, where its heading was designed: nothing may push it.
  const auto grows = [](const forms::ControlDesign& item) { return item.grows; };
  const auto heading = [](const forms::ControlDesign& item) { return item.heading; };
  EXPECT_FALSE(std::any_of(design.begin(), design.end(), grows) && std::any_of(design.begin(), design.end(), heading))
      << where << ": headings beside growing labels";
  for (std::size_t i = 0; i < design.size(); ++i) {
    const forms::ControlDesign& item = design[i];
    EXPECT_TRUE(area.Contains(item.place)) << where << ": " << NameOf(item) << " runs out";
    for (std::size_t j = i + 1; j < design.size(); ++j) {
      const TwipsRect& other = design[j].place;
      EXPECT_TRUE(!item.place.Overlaps(other) || item.place.Contains(other) || other.Contains(item.place))
          << where << ": " << NameOf(item) << " and " << NameOf(design[j]) << " lie over each other";
    }
  }
}

TEST(Designs, EveryControlLiesInItsPlaceBesideTheOthersOrFramedAndOnce) {
  frmOrvexOptions options;
  dlgButton button;
  dlgDomain domain;
  frmWizard wizard;
  using namespace options_layout;
  forms::Design frame = options.FrameDesign();
  ExpectLaidOut("options dialog", frame, {0, 0, kClientWidth, kClientHeight});
  for (const forms::ControlDesign& item : frame)
    EXPECT_FALSE(item.place.Overlaps(kTabStrip)) << NameOf(item) << " lies over the tab strip";
  std::vector<forms::Design> designs = {frame};
  for (const PageRow& row : kPages) {
    designs.push_back(options.PageDesign(row.page));
    ExpectLaidOut(row.caption, designs.back(), {0, 0, kPageWidth, kPageHeight});
  }
  designs.push_back(button.DialogDesign());
  ExpectLaidOut("button dialog", designs.back(), {0, 0, dlgButton::kDesignWidth, dlgButton::kDesignHeight});
  designs.push_back(domain.DialogDesign());
  ExpectLaidOut("domain dialog", designs.back(), {0, 0, dlgDomain::kDesignWidth, dlgDomain::kDesignHeight});

  for (int16_t step = 0; step < frmWizard::kStepCount; ++step) {
    designs.push_back(wizard.PageDesign(step));
    ExpectLaidOut(wizard.fraStep[static_cast<std::size_t>(step)].name, designs.back(), wizard_layout::kPages);
  }
  designs.push_back(wizard.NavigationDesign());
  ExpectLaidOut("wizard's navigation row", designs.back(),
                {0, 0, wizard_layout::kNavRow.width, wizard_layout::kNavRow.height});

  std::set<const forms::Control*> made;
  for (const forms::Design& design : designs)
    for (const forms::ControlDesign& item : design) {
      const auto* control = std::visit([](const forms::Control* c) { return c; }, item.control);
      EXPECT_TRUE(made.insert(control).second) << NameOf(item) << " is made twice";
    }
  for (const forms::CheckBox& box : options.cbSwitch) EXPECT_EQ(made.count(&box), 1u) << box.name << " is not made";
  std::vector<const forms::Control*> wizard_controls = {&wizard.Label2,      &wizard.cmdIIS, &wizard.lblExpl,
                                                        &wizard.cmdEmptyApp, &wizard.Label1, &wizard.chkSaveSettings,
                                                        &wizard.Line1};
  for (const auto& [index, label] : wizard.lblStep) wizard_controls.push_back(&label);
  for (const auto& [index, image] : wizard.imgStep) wizard_controls.push_back(&image);
  for (const forms::CommandButton& nav : wizard.cmdNav) wizard_controls.push_back(&nav);
  for (const forms::Control* control : wizard_controls)
    EXPECT_EQ(made.count(control), 1u) << control->name << " is not made";
}

// A text that needs more lines than its place holds pushes down what was designed below it, and
// what that pushes in turn; a framed control moves with its frame. What stands beside it, or
// below a label that does not grow, keeps its place, as does everything while the texts fit.
TEST(Designs, AGrowingTextPushesDownWhatLiesBelowIt) {
  forms::Label title, text, plain;
  forms::CheckBox below, beside, under_plain, framed;
  forms::Frame frame;
  const forms::Design design = {
      forms::Shown(&below, {1000, 1800, 2000, 300}),  // listed before what pushes it
      forms::Growing(title, {0, 0, 3000, 600}),
      forms::Growing(text, {0, 900, 3000, 600}),
      forms::Shown(&beside, {3300, 900, 1000, 300}),
      forms::Shown(&plain, {5000, 0, 1000, 600}),
      forms::Shown(&under_plain, {5000, 900, 1000, 300}),
      forms::Shown(&frame, {0, 2400, 3000, 900}),
      forms::Shown(&framed, {120, 2640, 1000, 300}),
  };
  const std::vector<TwipsRect> same = forms::Reflowed(design, [](std::size_t, int) { return 0; });
  for (std::size_t i = 0; i < design.size(); ++i) EXPECT_TRUE(same[i] == design[i].place) << i;

  // The title needs 1500 twips, the text 2000.
  const auto tall = [&](std::size_t i, int width) {
    EXPECT_EQ(width, 3000);
    return design[i].place.top == 0 ? 1500 : 2000;
  };
  const std::vector<TwipsRect> grown = forms::Reflowed(design, tall);
  const auto top = [&grown](std::size_t i) { return grown[i].top; };
  EXPECT_EQ(top(1), 0);
  EXPECT_EQ(grown[1].height, 1500);
  EXPECT_EQ(top(2), 1500 + forms::kTextGap);
  EXPECT_EQ(grown[2].height, 2000);
  EXPECT_EQ(top(0), grown[2].bottom() + forms::kTextGap) << "pushed by the text, itself pushed";
  EXPECT_EQ(grown[0].height, 300);
  EXPECT_EQ(top(3), 900) << "beside the text, not below it";
  EXPECT_EQ(top(5), 900) << "below a label that does not grow";
  EXPECT_EQ(top(6), grown[0].bottom() + forms::kTextGap) << "pushed by what the text pushed";
  EXPECT_EQ(top(7) - top(6), 2640 - 2400) << "framed, it moves with its frame";
}

// A heading's rule starts where its text ends, measured as the text is drawn: "&" marks the access
// key and is not drawn, "&&" draws one "&".
TEST(Designs, ACaptionIsMeasuredWithoutItsAccessKeyMark) {
  EXPECT_EQ(forms::WithoutAccessKey("&Domains"), "Domains");
  EXPECT_EQ(forms::WithoutAccessKey("Fish && &Chips"), "Fish & Chips");
  EXPECT_EQ(forms::WithoutAccessKey("Pages&"), "Pages&");
}

}  // namespace
}  // namespace kgh::test
