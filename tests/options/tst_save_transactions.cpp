// One user action, one replacement of the file: opening reads the configuration once, OK and
// the public class's writes replace it once, a save keeps what another program wrote meanwhile,
// and a save that cannot be written leaves the file as it was and says why.
#include <cerrno>

#include "OptionsFakes.h"
#include "platform/FileStore.h"

namespace kgh::test {
namespace {

class SaveTransactions : public OptionsTest {
 protected:
  // The public class on the same in-memory file, showing the dialog through `forms`.
  SetupOrvex Component() {
    OptionsServices options = Services();
    options.file_attributes = [this](const std::string& p) { return p == path ? 0x80 : -1; };
    return SetupOrvex({.options = options, .forms = &forms});
  }
  // Reads and replacements of the file during `action`.
  std::pair<int, int> Counted(const std::function<void()>& action) {
    const int reads = memory.reads, replacements = memory.replacements;
    action();
    return {memory.reads - reads, memory.replacements - replacements};
  }
  // The user's edits in the dialog: a home page, a removed user button (the others are
  // renumbered) and a new domain.
  static void Edit(frmOrvexOptions& form) {
    form.txtHome.text = "http://kiosk/start.htm";
    form.lstButtons.rows.erase(form.lstButtons.rows.begin());
    form.lstDomains.items.push_back("http://intranet.example");
  }
  ScriptedFormHost forms;
  const std::vector<std::string> kButtons = {"[Toolbar]", "User1=a.htm", "User2=b.htm", "User3=c.htm",
                                             "[User1]", "Caption=A", "[User2]", "Caption=B", "_Sub=s.htm",
                                             "[User3]", "Caption=C", "[Domains]", "javascript:"};
};

TEST_F(SaveTransactions, EachUserActionReadsOnceAndReplacesTheFileOnce) {
  File() = IniText(kButtons);
  forms.script = [](frmOrvexOptions& form) { Edit(form), form.cmdOK_Click(); };
  // (what, reads, replacements): a save reads at its start and once more to see whether
  // another program wrote the file meanwhile.
  struct Case { const char* what; std::function<void()> action; std::pair<int, int> counted; };
  const Case cases[] = {
      {"opening the dialog", [this] { Open(); }, {1, 0}},
      {"opening and OK", [this] { Component().Setup(nullptr, "", "C:\\Cfg"); }, {3, 1}},
      {"editing with the remembered defaults, and OK",
       [this] { Component().EditExistingProject(path); }, {3, 1}},
      {"a configuration from the template", [this] { Component().CreateStartFile(path, "index.htm"); }, {2, 1}},
  };
  for (const Case& c : cases) EXPECT_EQ(Counted(c.action), c.counted) << c.what;

  // Two saves settle the sections in the order this saver writes them; a third changes nothing.
  forms.script = [](frmOrvexOptions& form) { form.cmdOK_Click(); };
  Component().Setup(nullptr, "", "C:\\Cfg");
  Component().Setup(nullptr, "", "C:\\Cfg");
  const std::string saved = File();
  EXPECT_EQ(Counted([this] { Component().Setup(nullptr, "", "C:\\Cfg"); }).second, 0)
      << "a save that changes nothing leaves the file untouched";
  EXPECT_EQ(File(), saved);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SaveTransactions, WhatAnotherProgramWroteDuringTheSaveSurvivesIt) {
  const std::string theirs = IniText({"[Kiosk]", "Terminal=7"});
  // The same save when the other program's section was there from the start.
  File() = IniText(kButtons) + theirs;
  auto form = Open();
  Edit(*form), form->cmdOK_Click();
  const std::string expected = File();

  File() = IniText(kButtons);
  form = Open();
  Edit(*form);
  memory.after_read = [this, &theirs] {  // writes once the save has read the file
    memory.after_read = nullptr;
    File() += theirs;
  };
  form->cmdOK_Click();
  EXPECT_EQ(File(), expected);
  EXPECT_EQ(memory.replacements, 2);
}

// What the user typed is not lost with the save: the dialog stays open as they left it, and an
// OK once the cause is gone (another program let go of the file, room on the disk) saves it.
TEST_F(SaveTransactions, ASaveThatCannotBeWrittenSaysWhyOnceAndKeepsTheDialogOpenForAnotherOk) {
  File() = IniText(kButtons);
  const std::string before = File();
  // The same edits saved without a fault.
  auto form = Open();
  Edit(*form), form->cmdOK_Click();
  const std::string expected = File();

  // The file cannot be replaced, or no longer read when the save looks at it again.
  for (const auto& [error, reading_fails] : {std::pair{EWOULDBLOCK, false}, {ENOSPC, false}, {EROFS, false}, {EIO, true}}) {
    SCOPED_TRACE(DescribeSystemError(error));
    File() = before;
    messages.shown.clear();
    form = Open();
    Edit(*form);
    const std::string typed = Shown(*form);
    if (reading_fails) {
      memory.after_read = [this, error] { memory.after_read = nullptr, memory.read_error = error; };
    } else {
      memory.replace_error = error;
    }
    form->cmdOK_Click();
    EXPECT_EQ(File(), before);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, DescribeSystemError(error));
    EXPECT_EQ(messages.shown[0].title, "Pallix Setup");
    EXPECT_EQ(messages.shown[0].intent, MessageIntent::Error);
    EXPECT_FALSE(form->unloaded) << "the dialog stays open";
    EXPECT_EQ(Shown(*form), typed);
    memory.read_error = memory.replace_error = 0;
    form->cmdOK_Click();
    EXPECT_TRUE(form->unloaded);
    EXPECT_EQ(File(), expected);
    EXPECT_EQ(messages.shown.size(), 1u) << "the second OK says nothing";
  }

  messages.shown.clear();
  memory.replace_error = ENOSPC;
  EXPECT_FALSE(Component().CreateStartFile(path, "index.htm"));
  EXPECT_EQ(File(), expected);
  EXPECT_TRUE(messages.shown.empty()) << "the public class reports through its result";
}

}  // namespace
}  // namespace kgh::test
