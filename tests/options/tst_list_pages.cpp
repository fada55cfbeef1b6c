// The two list pages driven as a user: "Toolbar buttons", a click on a row, then one of its seven
// buttons; "Allowed domains", a selection, then one of its three. The entry dialogs are scripted,
// and so are the answers to the removal questions.
#include "OptionsFakes.h"

namespace kgh::test {
namespace {

// Clicks a row as a user does: select, then the item-click event.
void ClickRow(frmOrvexOptions& form, int row) { form.lstButtons.selected = row, form.lstButtons_ItemClick(row); }

class ToolbarPage : public OptionsTest {
 protected:
  // Rows Back, user button A with its sub-entry a1, separator, user buttons B and "c=d".
  const std::string kRows = "Back|A|>a1|-|B|c=d";
  std::unique_ptr<frmOrvexOptions> OpenMixed() {
    return OpenWith({"[Toolbar]", "Back=1", "User1=a.htm", "Sep", "User2=b.htm", "User3=c.htm", "[User1]", "Caption=A",
                     "_a1=a1.htm", "[User2]", "Caption=B", "[User3]", "Caption=c=d"});
  }
};

TEST_F(ToolbarPage, ArrowButtonsFollowTheLastClickedRow) {
  auto form = OpenMixed();
  // A user button: all four; a sub-entry: only Left; a standard button (a separator too): Left and Right
  // off, Up and Down as they were.
  for (const auto& [row, arrows] : {std::pair{1, "++++"}, {2, "--+-"}, {0, "----"}, {1, "++++"}, {3, "++--"}}) {
    ClickRow(*form, row);
    EXPECT_EQ(Arrows(*form), arrows) << "after clicking row " << row;
  }
}

TEST_F(ToolbarPage, EachButtonOnTheClickedRow) {
  const struct Case {  // message: the question or warning shown, if any
    int row, op; std::string rows; int selected; std::string message = "";
    std::function<void(dlgButton&)> dialog = nullptr; MessageAnswer answer = MessageAnswer::Yes;
  } cases[] = {
      {1, Op::kUpButton, "A|Back|>a1|-|B|c=d", 0},
      {0, Op::kUpButton, kRows, 0},
      {5, Op::kDownButton, kRows, 5},
      {2, Op::kDownButton, "Back|A|-|>a1|B|c=d", 3},     // a sub-entry moves alone
      {4, Op::kIndentButton, "Back|A|>a1|-|>B|c=d", 4},  // past the separator and a1 to A
      {1, Op::kIndentButton, kRows, 1},                  // no user button above
      {0, Op::kIndentButton, kRows, 0},                  // not a user button
      {2, Op::kIndentButton, kRows, 2},                  // one level only
      // A caption that cannot be a sub-entry's key stays a button's.
      {5, Op::kIndentButton, kRows, 5, WhyNotStoredAsTyped(TypedText::SubEntryCaption, "c=d")},
      {2, Op::kOutdentButton, "Back|A|a1|-|B|c=d", 2},
      {1, Op::kOutdentButton, kRows, 1},
      {3, Op::kRemoveButton, "Back|A|>a1|B|c=d", 2, "Are you sure you want to remove '-'?"},
      {0, Op::kRemoveButton, "A|>a1|-|B|c=d", 0, "Are you sure you want to remove 'Back'?"},
      {1, Op::kRemoveButton, "Back|>a1|-|B|c=d", 0, "Are you sure you want to remove 'A'?"},  // a1 stays
      {2, Op::kRemoveButton, "Back|A|-|B|c=d", 1, "Are you sure you want to remove '" + kMark + "a1'?"},
      {1, Op::kRemoveButton, kRows, 1, "Are you sure you want to remove 'A'?", nullptr, MessageAnswer::No},
      {2, Op::kAddButton, kRows + "|News", 6, "", ConfirmButton("News", "n.htm")},  // at the bottom, top-level
      {2, Op::kAddButton, kRows, 2, "", [](dlgButton& d) { d.CancelButton_Click(); }},
      // Change rewrites the row in place, taking the kind chosen.
      {3, Op::kChangeButton, "Back|A|>a1|News|B|c=d", 3, "", ConfirmButton("News", "n.htm")},
      {1, Op::kChangeButton, "Back|Back|>a1|-|B|c=d", 1, "", ConfirmButton("", "", "", 1)},
      {2, Op::kChangeButton, kRows, 2, "", [](dlgButton& d) { d.OKButton_Click(); }},  // the mark is kept
  };
  for (const Case& c : cases) {
    auto form = OpenMixed();
    ClickRow(*form, c.row);
    messages.shown.clear(), messages.answers = {c.answer};
    if (c.dialog) host.button_scripts = {c.dialog};
    form->cmdButtonOp_Click(c.op);
    SCOPED_TRACE("row " + std::to_string(c.row) + ", button " + std::to_string(c.op));
    EXPECT_EQ(Captions(*form), c.rows);
    EXPECT_EQ(form->lstButtons.selected, c.selected);
    EXPECT_EQ(messages.shown.empty() ? "" : messages.shown[0].text, c.message);
  }
}

TEST_F(ToolbarPage, ARowBelowASubEntryLeftWithoutItsButtonCannotBeIndented) {
  auto form = OpenMixed();
  messages.answers = {MessageAnswer::Yes};
  ClickRow(*form, 1), form->cmdButtonOp_Click(Op::kRemoveButton);
  ClickRow(*form, 3), form->cmdButtonOp_Click(Op::kIndentButton);
  EXPECT_EQ(Captions(*form), "Back|>a1|-|B|c=d");
}

TEST_F(ToolbarPage, TheLastRowRemovedLeavesNothingSelectedAndNothingToOperateOn) {
  auto form = OpenWith({"[Toolbar]", "Back=1"});
  messages.answers = {MessageAnswer::Yes};
  for (int op : {Op::kRemoveButton, Op::kRemoveButton, Op::kChangeButton, Op::kUpButton, Op::kDownButton,
                 Op::kOutdentButton, Op::kIndentButton})
    form->cmdButtonOp_Click(op);
  EXPECT_TRUE(form->lstButtons.rows.empty());
  EXPECT_EQ(form->lstButtons.selected, -1);
  EXPECT_EQ(messages.shown.size(), 1u);
}

// A [Toolbar] longer than the dialog reads (2400 buttons of 6 characters, of which it reads 2340):
// OK says what saving would remove and saves only when told to; No leaves the dialog open as the
// user left it and the file as it was.
TEST_F(ToolbarPage, OkAsksBeforeItRemovesTheButtonsBeyondWhatTheDialogReads) {
  std::vector<std::string> lines = {"[Browser]", "Homepage=start.htm", "[Toolbar]"};
  lines.insert(lines.end(), 2400, "Back=1");
  auto form = OpenWith(lines);
  const std::string before = File();
  EXPECT_EQ(form->lstButtons.rows.size(), 2340u);
  form->txtHome.text = "typed.htm";
  ClickRow(*form, 0), form->cmdButtonOp_Click(Op::kDownButton);
  const std::string shown = Shown(*form);
  const std::string question =
      "[Toolbar] in this file is longer than this dialog can read, so its last 60 buttons are not shown here, or "
      "not in full. Saving now would remove them from the file, or keep a button cut short. Save anyway?";
  for (const MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
    messages.shown.clear(), messages.answers = {answer};
    form->cmdOK_Click();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, question);
    EXPECT_EQ(messages.shown[0].intent, MessageIntent::Question);
    if (answer == MessageAnswer::Yes) break;
    EXPECT_FALSE(form->unloaded);
    EXPECT_EQ(Shown(*form), shown);
    EXPECT_EQ(form->lstButtons.selected, 1);
    EXPECT_EQ(File(), before);
  }
  EXPECT_TRUE(form->unloaded);
  // Saved as shown; the dialog now reads the whole of it and asks nothing at OK.
  EXPECT_NE(File().find("Homepage=typed.htm\r\n"), std::string::npos);
  form = Open();
  EXPECT_EQ(Shown(*form), shown);
  messages.shown.clear();
  form->cmdOK_Click();
  EXPECT_TRUE(form->unloaded);
  EXPECT_TRUE(messages.shown.empty());
}

// ---- allowed domains ----

using DomainsPage = OptionsTest;

TEST_F(DomainsPage, AddChangeAndRemoveKeepOrFollowTheSelection) {
  using Form = frmOrvexOptions;
  auto form = OpenWith({"[Domains]", "http://a/", "mailto:", "http://d/"});
  const struct Step {  // left: "|"-joined
    int selected; Form::DomainOp op; std::function<void(dlgDomain&)> dialog; std::string left;
    int selected_after; std::string question = ""; MessageAnswer answer = MessageAnswer::Yes;
  } steps[] = {
      // Added at the bottom, duplicates too; the selection stays.
      {1, Form::kAddDomain, ConfirmDomain("http://a/"), "http://a/|mailto:|http://d/|http://a/", 1},
      {1, Form::kAddDomain, [](dlgDomain& d) { d.CancelButton_Click(); }, "http://a/|mailto:|http://d/|http://a/", 1},
      {2, Form::kChangeDomain,
       [](dlgDomain& d) { EXPECT_EQ(d.cmbDomain.text, "http://d/"); ConfirmDomain("ftp://d/")(d); },
       "http://a/|mailto:|ftp://d/|http://a/", 2},
      {-1, Form::kChangeDomain, nullptr, "http://a/|mailto:|ftp://d/|http://a/", -1},
      {1, Form::kRemoveDomain, nullptr, "http://a/|mailto:|ftp://d/|http://a/", 1, "Remove 'mailto:' ?",
       MessageAnswer::No},
      // Removing selects the entry before, or the new first one.
      {1, Form::kRemoveDomain, nullptr, "http://a/|ftp://d/|http://a/", 0, "Remove 'mailto:' ?"},
      {0, Form::kRemoveDomain, nullptr, "ftp://d/|http://a/", 0, "Remove 'http://a/' ?"},
      {1, Form::kRemoveDomain, nullptr, "ftp://d/", 0, "Remove 'http://a/' ?"},
      {0, Form::kRemoveDomain, nullptr, "", -1, "Remove 'ftp://d/' ?"},
      {-1, Form::kRemoveDomain, nullptr, "", -1},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(&step - steps);
    form->lstDomains.list_index = step.selected;
    if (step.dialog) host.domain_scripts = {step.dialog};
    messages.shown.clear(), messages.answers = {step.answer};
    form->cmdDomainOp_Click(step.op);
    std::string left;
    for (const std::string& domain : form->lstDomains.items) left += (left.empty() ? "" : "|") + domain;
    EXPECT_EQ(left, step.left);
    EXPECT_EQ(form->lstDomains.list_index, step.selected_after);
    EXPECT_EQ(messages.shown.empty() ? "" : messages.shown[0].text, step.question);
    EXPECT_TRUE(host.domain_scripts.empty()) << "the dialog is shown when a script waits for it, and only then";
  }
}

}  // namespace
}  // namespace kgh::test
