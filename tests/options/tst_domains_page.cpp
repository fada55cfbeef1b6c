// The "Allowed domains" page and the domain entry dialog, driven as a user.
#include <gtest/gtest.h>

#include "OptionsFakes.h"

namespace kgh::test {
namespace {

using Domains = std::vector<std::string>;

class DomainsPage : public OptionsDialogTest {
 protected:
  std::unique_ptr<frmOrvexOptions> OpenFive() {
    return OpenWith(IniText({"[Domains]", "http://a/", "http://b/", "mailto:", "http://d/", "http://e/"}));
  }
};

TEST_F(DomainsPage, AddAppendsWhatTheUserConfirmedAndLeavesTheSelection) {
  auto form = OpenFive();
  form->lstDomains.list_index = 1;
  fx.host.domain_scripts.push_back([](dlgDomain& dialog) {
    EXPECT_EQ(dialog.cmbDomain.text, "");
    EXPECT_EQ(dialog.cmbDomain.items.size(), 8u);
    TypeDomainAndConfirm("http://a/")(dialog);
  });
  fx.host.domain_scripts.push_back(CancelDomainDialog());
  form->cmdDomainOp_Click(frmOrvexOptions::kAddDomain);
  form->cmdDomainOp_Click(frmOrvexOptions::kAddDomain);
  EXPECT_EQ(form->lstDomains.items,
            (Domains{"http://a/", "http://b/", "mailto:", "http://d/", "http://e/", "http://a/"}))
      << "a duplicate is added again; a cancelled dialog adds nothing";
  EXPECT_EQ(form->lstDomains.list_index, 1);
}

TEST_F(DomainsPage, ChangeAndDoubleClickEditTheSelectedEntryInPlace) {
  auto form = OpenFive();
  form->lstDomains.list_index = 3;
  fx.host.domain_scripts.push_back([](dlgDomain& dialog) {
    EXPECT_EQ(dialog.cmbDomain.text, "http://d/");
    TypeDomainAndConfirm("http://dee/")(dialog);
  });
  form->cmdDomainOp_Click(frmOrvexOptions::kChangeDomain);
  fx.host.domain_scripts.push_back([](dlgDomain& dialog) {
    EXPECT_EQ(dialog.cmbDomain.text, "http://dee/");
    TypeDomainAndConfirm("ftp://d/")(dialog);
  });
  form->lstDomains_DblClick();
  fx.host.domain_scripts.push_back(CancelDomainDialog());
  form->lstDomains_DblClick();
  EXPECT_EQ(form->lstDomains.items, (Domains{"http://a/", "http://b/", "mailto:", "ftp://d/", "http://e/"}));
  EXPECT_EQ(form->lstDomains.list_index, 3);

  form->lstDomains.list_index = -1;
  form->cmdDomainOp_Click(frmOrvexOptions::kChangeDomain);  // no dialog without a selection
  EXPECT_TRUE(fx.host.domain_scripts.empty());
}

TEST_F(DomainsPage, RemoveAsksAndSelectsTheEntryBefore) {
  auto form = OpenFive();
  form->lstDomains.list_index = 2;
  fx.messages.answers = {MessageAnswer::No};
  form->cmdDomainOp_Click(frmOrvexOptions::kRemoveDomain);
  ASSERT_EQ(fx.messages.shown.size(), 1u);
  EXPECT_EQ(fx.messages.shown[0].text, "Remove 'mailto:' ?");
  EXPECT_EQ(fx.messages.shown[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(fx.messages.shown[0].icon, MessageIcon::None);
  EXPECT_EQ(fx.messages.shown[0].title, "Pallix Setup");
  EXPECT_EQ(form->lstDomains.items.size(), 5u);
  EXPECT_EQ(form->lstDomains.list_index, 2);

  const struct {
    int selected;
    Domains left;
    int selected_after;
  } steps[] = {
      {3, {"http://a/", "http://b/", "mailto:", "http://e/"}, 2},
      {0, {"http://b/", "mailto:", "http://e/"}, 0},
      {2, {"http://b/", "mailto:"}, 1},
      {0, {"mailto:"}, 0},
      {0, {}, -1},
  };
  for (const auto& step : steps) {
    form->lstDomains.list_index = step.selected;
    fx.messages.answers = {MessageAnswer::Yes};
    form->cmdDomainOp_Click(frmOrvexOptions::kRemoveDomain);
    EXPECT_EQ(form->lstDomains.items, step.left);
    EXPECT_EQ(form->lstDomains.list_index, step.selected_after);
  }
  const std::size_t asked = fx.messages.shown.size();
  form->cmdDomainOp_Click(frmOrvexOptions::kRemoveDomain);
  form->cmdDomainOp_Click(frmOrvexOptions::kChangeDomain);
  EXPECT_EQ(fx.messages.shown.size(), asked);
}

TEST_F(DomainsPage, EveryOperationEndsWithTheFocusOnTheList) {
  auto form = OpenFive();
  fx.host.domain_scripts = {CancelDomainDialog(), CancelDomainDialog(), CancelDomainDialog()};
  fx.messages.answers = {MessageAnswer::No};
  form->lstDomains.list_index = 0;
  for (int op : {0, 1, 2, 3}) form->cmdDomainOp_Click(op);
  form->lstDomains_DblClick();
  EXPECT_EQ(fx.host.focus_requests, std::vector<std::string>(5, "lstDomains"));
}

// ---- the entry dialog on its own ----

class DomainDialog : public ::testing::Test {
 protected:
  FakeDialogHost host;
  dlgDomain dialog;
};

TEST_F(DomainDialog, OfferThePresetsInOrderAndTheGivenText) {
  host.domain_scripts.push_back([](dlgDomain& d) {
    std::vector<std::string> presets;
    for (const auto& item : d.cmbDomain.items) presets.push_back(item.text);
    EXPECT_EQ(presets,
              (Domains{"javascript:", "mailto:", "http://192.168.*.*", "https://192.168.*.*", "http://10.*.*.*",
                       "https://10.*.*.*", "http://<<localnetwork>>", "https://<<localnetwork>>"}));
    EXPECT_EQ(d.cmbDomain.text, "http://intranet/");
    d.cmbDomain_GotFocus();
    EXPECT_EQ(d.cmbDomain.sel_start, 0u);
    EXPECT_EQ(d.cmbDomain.sel_length, 16u) << "the whole text is selected, so typing replaces it";
    d.OKButton_Click();
  });
  EXPECT_TRUE(dialog.Start(host, "http://intranet/"));
  EXPECT_EQ(dialog.SelectedText(), "http://intranet/");
  EXPECT_TRUE(dialog.hidden);
  EXPECT_FALSE(dialog.unloaded);
}

TEST_F(DomainDialog, APickedPresetIsConfirmedWithEnter) {
  host.domain_scripts.push_back([](dlgDomain& d) {
    d.cmbDomain.list_index = 5;
    d.cmbDomain.text = d.cmbDomain.items[5].text;
    d.OKButton_Click();
  });
  EXPECT_TRUE(dialog.Start(host, ""));
  EXPECT_EQ(dialog.SelectedText(), "https://10.*.*.*");
}

TEST_F(DomainDialog, AnEmptyEntryKeepsTheDialogOpenUntilEsc) {
  host.domain_scripts.push_back([](dlgDomain& d) {
    d.cmbDomain.text = "";
    bool closed = false;
    const auto outer = d.on_closed;
    d.on_closed = [&] {
      closed = true;
      outer();
    };
    d.OKButton_Click();
    EXPECT_FALSE(closed);
    EXPECT_FALSE(d.hidden);
    d.CancelButton_Click();
    EXPECT_TRUE(closed);
  });
  EXPECT_FALSE(dialog.Start(host, "mailto:"));
  EXPECT_TRUE(dialog.unloaded);
}

TEST_F(DomainDialog, CancelAndTheWindowFrameReturnFalse) {
  host.domain_scripts = {CancelDomainDialog(), [](dlgDomain& d) {
                           d.cmbDomain.text = "typed";
                           d.Form_QueryUnload();
                         }};
  EXPECT_FALSE(dialog.Start(host, ""));
  dlgDomain second;
  EXPECT_FALSE(second.Start(host, ""));
}

}  // namespace
}  // namespace kgh::test
