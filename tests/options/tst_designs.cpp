// What every front-end makes from the dialogs' designs can be seen and reached: each control lies
// inside its window or page, beside the others or inside a frame, and appears once.
#include <set>
#include <string>
#include <variant>
#include <vector>

#include <gtest/gtest.h>

#include "options/OptionsDesign.h"
#include "options/dlgButton.h"
#include "options/dlgDomain.h"
#include "options/frmOrvexOptions.h"

namespace kgh::test {
namespace {

bool Overlap(const TwipsRect& a, const TwipsRect& b) {
  return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

bool Contains(const TwipsRect& outer, const TwipsRect& inner) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right() <= outer.right() &&
         inner.bottom() <= outer.bottom();
}

std::string NameOf(const forms::ControlDesign& item) {
  return std::visit([](const auto* control) { return control->name; }, item.control);
}

void ExpectLaidOut(const std::string& where, const forms::Design& design, const TwipsRect& area) {
  for (std::size_t i = 0; i < design.size(); ++i) {
    const forms::ControlDesign& item = design[i];
    EXPECT_TRUE(Contains(area, item.place)) << where << ": " << NameOf(item) << " runs out";
    for (std::size_t j = i + 1; j < design.size(); ++j) {
      const TwipsRect& other = design[j].place;
      EXPECT_TRUE(!Overlap(item.place, other) || Contains(item.place, other) || Contains(other, item.place))
          << where << ": " << NameOf(item) << " and " << NameOf(design[j]) << " lie over each other";
    }
  }
}

TEST(Designs, EveryControlLiesInItsPlaceBesideTheOthersOrFramedAndOnce) {
  frmOrvexOptions options;
  dlgButton button;
  dlgDomain domain;
  using namespace options_layout;
  forms::Design frame = options.FrameDesign();
  ExpectLaidOut("options dialog", frame, {0, 0, kClientWidth, kClientHeight});
  for (const forms::ControlDesign& item : frame)
    EXPECT_FALSE(Overlap(item.place, kTabStrip)) << NameOf(item) << " lies over the tab strip";
  std::vector<forms::Design> designs = {frame};
  for (const PageRow& row : kPages) {
    designs.push_back(options.PageDesign(row.page));
    ExpectLaidOut(row.caption, designs.back(), {0, 0, kPageWidth, kPageHeight});
  }
  designs.push_back(button.DialogDesign());
  ExpectLaidOut("button dialog", designs.back(), {0, 0, dlgButton::kDesignWidth, dlgButton::kDesignHeight});
  designs.push_back(domain.DialogDesign());
  ExpectLaidOut("domain dialog", designs.back(), {0, 0, dlgDomain::kDesignWidth, dlgDomain::kDesignHeight});

  std::set<const forms::Control*> made;
  for (const forms::Design& design : designs)
    for (const forms::ControlDesign& item : design) {
      const auto* control = std::visit([](const forms::Control* c) { return c; }, item.control);
      EXPECT_TRUE(made.insert(control).second) << NameOf(item) << " is made twice";
    }
  for (const forms::CheckBox& box : options.cbSwitch) EXPECT_EQ(made.count(&box), 1u) << box.name << " is not made";
}

}  // namespace
}  // namespace kgh::test
