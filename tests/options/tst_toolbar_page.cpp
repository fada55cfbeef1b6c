// The "Toolbar buttons" page driven as a user: clicks on rows and on the seven buttons, with a
// scripted button dialog and scripted answers to the removal question.
#include <gtest/gtest.h>

#include "OptionsFakes.h"

namespace kgh::test {
namespace {

using Op = frmOrvexOptions::ButtonOp;
const std::string kMark = "\xC2\xB7\xC2\xB7\xC2\xB7";

class ToolbarPage : public OptionsDialogTest {
 protected:
  // Rows Back, user button A (sub-entry a1), Sep, user button B.
  std::unique_ptr<frmOrvexOptions> OpenMixed(const std::string& root = "", const std::string& server = "") {
    return OpenWith(IniText({"[Toolbar]", "Back=1", "User1=a.htm", "Sep", "User2=b.htm", "[User1]", "Caption=A",
                             "_a1=a1.htm", "[User2]", "Caption=B"}),
                    root, server);
  }
  std::unique_ptr<frmOrvexOptions> OpenRows(const std::vector<std::string>& toolbar_lines) {
    std::vector<std::string> lines{"[Toolbar]"};
    lines.insert(lines.end(), toolbar_lines.begin(), toolbar_lines.end());
    return OpenWith(IniText(lines));
  }
  static std::string Arrows(const frmOrvexOptions& form) {
    std::string out;
    for (int i : {Op::kUpButton, Op::kDownButton, Op::kOutdentButton, Op::kIndentButton})
      out += form.cmdButtonOp[static_cast<std::size_t>(i)].enabled ? '+' : '-';
    return out;  // Up, Down, Left, Right
  }
};

TEST_F(ToolbarPage, ArrowButtonsFollowTheLastClickedRow) {
  auto form = OpenMixed();
  ASSERT_EQ(Captions(*form), "Back|A|" + kMark + "a1|-|B");
  EXPECT_EQ(Arrows(*form), "++--") << "first row (a standard button) clicked on opening";

  const struct {
    int row;
    const char* arrows;
  } clicks[] = {
      {1, "++++"},               // user button: all four
      {2, "--+-"},               // sub-entry: only Left
      {0, "----"},               // standard button: Left and Right off, Up and Down as they were
      {1, "++++"}, {3, "++--"},  // separator behaves like a standard button
  };
  for (const auto& click : clicks) {
    ClickRow(*form, click.row);
    EXPECT_EQ(Arrows(*form), click.arrows) << "after clicking row " << click.row;
  }
}

TEST_F(ToolbarPage, SelectingFromCodeLeavesTheArrowsAsTheLastClickSetThem) {
  auto form = OpenMixed();
  ClickRow(*form, 2);  // sub-entry
  fx.host.button_scripts.push_back(ConfirmUserButton("C", "c.htm"));
  form->cmdButtonOp_Click(Op::kAddButton);
  EXPECT_EQ(form->lstButtons.selected, 5);
  EXPECT_EQ(Arrows(*form), "--+-");
}

TEST_F(ToolbarPage, AnEmptyListKeepsEveryButtonEnabledAndIgnoresRowOperations) {
  auto form = OpenWith("");
  for (const auto& button : form->cmdButtonOp) EXPECT_TRUE(button.enabled) << button.name;
  for (int op :
       {Op::kChangeButton, Op::kRemoveButton, Op::kUpButton, Op::kDownButton, Op::kOutdentButton, Op::kIndentButton})
    form->cmdButtonOp_Click(op);
  EXPECT_TRUE(form->lstButtons.rows.empty());
  EXPECT_TRUE(fx.messages.shown.empty());
}

TEST_F(ToolbarPage, IndentNeedsAUserButtonAboveAndOutdentOnlyDropsTheMark) {
  struct Case {
    int row;
    Op op;
    std::string captions;
  };
  const Case cases[] = {
      {4, Op::kIndentButton, "Back|A|" + kMark + "a1|-|" + kMark + "B"},  // skips the separator and a1
      {1, Op::kIndentButton, "Back|A|" + kMark + "a1|-|B"},               // no user button above A
      {0, Op::kIndentButton, "Back|A|" + kMark + "a1|-|B"},               // not a user button
      {2, Op::kIndentButton, "Back|A|" + kMark + "a1|-|B"},               // no second level
      {2, Op::kOutdentButton, "Back|A|a1|-|B"},
      {1, Op::kOutdentButton, "Back|A|" + kMark + "a1|-|B"},  // not a sub-entry
  };
  for (const Case& c : cases) {
    auto form = OpenMixed();
    ClickRow(*form, c.row);
    form->cmdButtonOp_Click(c.op);
    EXPECT_EQ(Captions(*form), c.captions) << "row " << c.row << ", button " << c.op;
    EXPECT_EQ(form->lstButtons.rows[4].url, "b.htm");
  }
}

TEST_F(ToolbarPage, TheTopRowCannotBeIndentedEvenWhenItIsAUserButton) {
  auto form = OpenRows({"User1=a.htm", "User2=b.htm"});
  ClickRow(*form, 0);
  form->cmdButtonOp_Click(Op::kIndentButton);
  EXPECT_EQ(Captions(*form), "a.htm|b.htm");
}

TEST_F(ToolbarPage, UpAndDownMoveTheRowWithItsSelectionAndStopAtTheEdges) {
  auto form = OpenRows({"Back=1", "Fwd=1", "Stop=1"});
  ClickRow(*form, 1);
  form->cmdButtonOp_Click(Op::kDownButton);
  EXPECT_EQ(Captions(*form), "Back|Stop|Fwd");
  EXPECT_EQ(form->lstButtons.selected, 2);
  EXPECT_EQ(form->lstButtons.ensure_visible, 2);
  form->cmdButtonOp_Click(Op::kDownButton);
  EXPECT_EQ(Captions(*form), "Back|Stop|Fwd");
  EXPECT_EQ(form->lstButtons.selected, 2);

  ClickRow(*form, 0);
  form->cmdButtonOp_Click(Op::kUpButton);
  EXPECT_EQ(Captions(*form), "Back|Stop|Fwd");
  EXPECT_EQ(form->lstButtons.selected, 0);

  ClickRow(*form, 2);
  form->cmdButtonOp_Click(Op::kUpButton);
  EXPECT_EQ(Captions(*form), "Back|Fwd|Stop");
  EXPECT_EQ(form->lstButtons.rows[1].url, "<<Forward button>>") << "the whole row moves";
  EXPECT_EQ(form->lstButtons.selected, 1);
}

TEST_F(ToolbarPage, MovingASubEntryChangesTheButtonItBelongsTo) {
  auto form = OpenMixed();
  ClickRow(*form, 2);
  form->cmdButtonOp_Click(Op::kDownButton);
  form->cmdButtonOp_Click(Op::kDownButton);
  EXPECT_EQ(Captions(*form), "Back|A|-|B|" + kMark + "a1");
}

TEST_F(ToolbarPage, RemoveAsksWithTheRowsCaptionAndSelectsTheRowBefore) {
  auto form = OpenRows({"Back=1", "Fwd=1", "Stop=1"});
  fx.messages.answers = {MessageAnswer::Yes};
  form->cmdButtonOp_Click(Op::kRemoveButton);  // the first row is selected on opening

  ASSERT_EQ(fx.messages.shown.size(), 1u);
  const MessageRequest& question = fx.messages.shown[0];
  EXPECT_EQ(question.text, "Are you sure you want to remove 'Back'?");
  EXPECT_EQ(question.buttons, MessageButtons::YesNo);
  EXPECT_EQ(question.icon, MessageIcon::None);
  EXPECT_EQ(question.title, "Pallix Setup");
  EXPECT_EQ(Captions(*form), "Fwd|Stop");
  EXPECT_EQ(form->lstButtons.selected, 0) << "the new first row";

  fx.messages.answers = {MessageAnswer::Yes};
  ClickRow(*form, 1);
  form->cmdButtonOp_Click(Op::kRemoveButton);
  EXPECT_EQ(Captions(*form), "Fwd");
  EXPECT_EQ(form->lstButtons.selected, 0) << "the row before the removed one";

  fx.messages.answers = {MessageAnswer::No};
  form->cmdButtonOp_Click(Op::kRemoveButton);
  EXPECT_EQ(Captions(*form), "Fwd");

  fx.messages.answers = {MessageAnswer::Yes};
  form->cmdButtonOp_Click(Op::kRemoveButton);
  EXPECT_TRUE(form->lstButtons.rows.empty());
  EXPECT_EQ(form->lstButtons.selected, -1);
  form->cmdButtonOp_Click(Op::kRemoveButton);
  EXPECT_EQ(fx.messages.shown.size(), 4u) << "nothing left to ask about";
}

TEST_F(ToolbarPage, RemovingAUserButtonLeavesItsSubEntriesAndNamesSubEntriesWithTheirMark) {
  auto form = OpenMixed();
  fx.messages.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
  ClickRow(*form, 2);
  form->cmdButtonOp_Click(Op::kRemoveButton);
  EXPECT_EQ(fx.messages.shown.back().text, "Are you sure you want to remove '" + kMark + "a1'?");
  ClickRow(*form, 3);
  form->cmdButtonOp_Click(Op::kRemoveButton);
  EXPECT_EQ(fx.messages.shown.back().text, "Are you sure you want to remove 'B'?");
  EXPECT_EQ(Captions(*form), "Back|A|-");

  auto other = OpenMixed();
  fx.messages.answers = {MessageAnswer::Yes};
  ClickRow(*other, 1);
  other->cmdButtonOp_Click(Op::kRemoveButton);
  EXPECT_EQ(Captions(*other), "Back|" + kMark + "a1|-|B");
  EXPECT_EQ(other->lstButtons.selected, 0);
}

TEST_F(ToolbarPage, AddOpensANewUserButtonAndAppendsTheResultAtTheBottom) {
  auto form = OpenMixed("/web/root", "devbox:8080");
  ClickRow(*form, 2);  // a sub-entry is selected: the new row still goes to the bottom, top-level
  fx.host.button_scripts.push_back([&](dlgButton& dialog) {
    ASSERT_GE(dialog.cmbType.list_index, 0);
    EXPECT_EQ(dialog.cmbType.items[static_cast<std::size_t>(dialog.cmbType.list_index)].text, "User (URL) button");
    EXPECT_EQ(dialog.txtCaption.text, "");
    EXPECT_EQ(dialog.RootDir, "/web/root");
    EXPECT_EQ(dialog.DefServer, "devbox:8080");
    EXPECT_EQ(dialog.ConfigDir, dir.path().string());
    ConfirmUserButton("News", "news.htm", "news.bmp")(dialog);
  });
  form->cmdButtonOp_Click(Op::kAddButton);

  ASSERT_EQ(form->lstButtons.rows.size(), 6u);
  EXPECT_EQ(form->lstButtons.rows[5], UserButtonRow("News", "news.htm", "news.bmp"));
  EXPECT_EQ(form->lstButtons.selected, 5);
  EXPECT_EQ(form->lstButtons.ensure_visible, 5);
  EXPECT_EQ(fx.host.focus_requests.back(), "lstButtons");
}

TEST_F(ToolbarPage, AddingAnotherKindAppendsItsRowAndCancelAddsNothing) {
  auto form = OpenRows({"Back=1"});
  fx.host.button_scripts = {ConfirmKind(kSeparatorButton), ConfirmKind(8), CancelButtonDialog()};
  for (int i = 0; i < 3; ++i) form->cmdButtonOp_Click(Op::kAddButton);
  ASSERT_EQ(form->lstButtons.rows.size(), 3u);
  EXPECT_EQ(form->lstButtons.rows[1], (ToolbarEntry{kSeparatorButton, "-", "<<Separator>>", ""}));
  EXPECT_EQ(form->lstButtons.rows[2], (ToolbarEntry{8, "Rendezvous", "<<Rendezvous button>>", ""}));
  EXPECT_EQ(form->lstButtons.selected, 2);
}

TEST_F(ToolbarPage, ChangeRewritesTheSelectedRowInPlaceTakingTheNewKind) {
  auto form = OpenMixed();
  ClickRow(*form, 3);
  fx.host.button_scripts.push_back([](dlgButton& dialog) {
    EXPECT_EQ(dialog.ButtonType, kSeparatorButton);
    ConfirmUserButton("News", "news.htm")(dialog);
  });
  form->cmdButtonOp_Click(Op::kChangeButton);
  ASSERT_EQ(form->lstButtons.rows.size(), 5u);
  EXPECT_EQ(form->lstButtons.rows[3], UserButtonRow("News", "news.htm", ""));
  EXPECT_EQ(form->lstButtons.selected, 3);

  ClickRow(*form, 1);
  fx.host.button_scripts.push_back(ConfirmKind(1));
  form->lstButtons_DblClick();
  EXPECT_EQ(form->lstButtons.rows[1], (ToolbarEntry{1, "Back", "<<Back button>>", ""}));
  EXPECT_EQ(Captions(*form), "Back|Back|" + kMark + "a1|News|B");
}

TEST_F(ToolbarPage, ChangingASubEntryShowsItsMarkAndKeepsItWhenConfirmedUnchanged) {
  auto form = OpenMixed();
  ClickRow(*form, 2);
  fx.host.button_scripts.push_back([](dlgButton& dialog) {
    EXPECT_EQ(dialog.txtCaption.text, kMark + "a1");
    EXPECT_EQ(dialog.txtURL.text, "a1.htm");
    dialog.OKButton_Click();
  });
  form->cmdButtonOp_Click(Op::kChangeButton);
  EXPECT_EQ(form->lstButtons.rows[2], (ToolbarEntry{kUserButton, kMark + "a1", "a1.htm", ""}));
  EXPECT_TRUE(form->lstButtons.rows[2].IsSubEntry());
}

TEST_F(ToolbarPage, CancelledChangeLeavesTheRow) {
  auto form = OpenMixed();
  ClickRow(*form, 1);
  const ToolbarEntry before = form->lstButtons.rows[1];
  fx.host.button_scripts.push_back([](dlgButton& dialog) {
    dialog.txtCaption.text = "typed but cancelled";
    dialog.Form_QueryUnload();
  });
  form->cmdButtonOp_Click(Op::kChangeButton);
  EXPECT_EQ(form->lstButtons.rows[1], before);
}

TEST_F(ToolbarPage, EveryButtonAndTheDoubleClickEndWithTheFocusOnTheList) {
  auto form = OpenRows({"Back=1", "Fwd=1"});
  fx.host.button_scripts = {CancelButtonDialog(), CancelButtonDialog(), CancelButtonDialog()};
  fx.messages.answers = {MessageAnswer::No};
  for (int op = 0; op <= 7; ++op) {
    form->cmdButtonOp_Click(op);
    EXPECT_EQ(fx.host.focus_requests.back(), "lstButtons") << "after button " << op;
  }
  fx.host.focus_requests.clear();
  form->lstButtons_DblClick();
  EXPECT_EQ(fx.host.focus_requests, std::vector<std::string>{"lstButtons"});
}

}  // namespace
}  // namespace kgh::test
