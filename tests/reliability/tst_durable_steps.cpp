// The order in which a save reaches the disk. After a power cut at any point the configuration
// must read as its old or its new content: a new file is flushed before it takes the name, and
// the folder after; a file rewritten in place has a flushed copy of its old content beside it
// until its own new content is flushed. A flush that fails fails the save.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <map>

#include "SystemCallLog.h"
#include "platform/FileStore.h"
#include "support/TempDir.h"

namespace kgh::test {
namespace {

const std::string kOld = "[Browser]\r\nHomepage=http://localhost/old.htm\r\n";
const std::string kNew = "[Browser]\r\nHomepage=http://localhost/new.htm\r\nStatusBar=1\r\n";

// The calls as lines such as "fsync new file 1" or "rename new file 1 -> Orvex.INI": the
// configuration and the folder by name, every other file by the order it first appears in.
std::vector<std::string> Steps(const std::vector<SystemCall>& calls) {
  std::map<std::string, std::string> roles{{"Orvex.INI", "Orvex.INI"}, {".", "folder"}};
  const auto role = [&](const std::string& name) {
    if (!roles.contains(name)) roles[name] = "new file " + std::to_string(roles.size() - 1);
    return roles[name];
  };
  std::vector<std::string> steps;
  for (const SystemCall& c : calls) steps.push_back(c.call + " " + role(c.path) + (c.to.empty() ? "" : " -> " + role(c.to)));
  return steps;
}

struct Saved {
  bool ok;
  int error;
  std::vector<std::string> steps;
};

Saved SaveLogged(const TempDir& dir, const std::string& bytes, const char* failing_call = nullptr) {
  SystemCallLog log(dir.path().string());
  if (failing_call != nullptr) log.FailNext(failing_call, EIO);
  int error = 0;
  const bool ok = SystemFileStore().Replace(dir.File("Orvex.INI"), bytes, error);
  return {ok, error, Steps(log.calls())};
}

const std::vector<std::string> kByRename = {
    "create new file 1", "write new file 1", "fsync new file 1", "rename new file 1 -> Orvex.INI", "fsync folder",
};

TEST(DurableSteps, ANewFileIsFlushedBeforeItTakesTheNameAndTheFolderAfter) {
  TempDir dir;
  const Saved first = SaveLogged(dir, kOld);
  ASSERT_TRUE(first.ok) << first.error;
  EXPECT_EQ(first.steps, kByRename) << "a file that did not exist";

  const Saved second = SaveLogged(dir, kNew);
  ASSERT_TRUE(second.ok) << second.error;
  EXPECT_EQ(second.steps, kByRename) << "a file replaced";
  EXPECT_EQ(ReadBytes(dir.File("Orvex.INI")), kNew);
}

TEST(DurableSteps, AFileWithOtherLinksKeepsAFlushedCopyUntilItIsFlushedItself) {
  TempDir dir;
  WriteBytes(dir.File("Orvex.INI"), kOld);
  ASSERT_EQ(link(dir.File("Orvex.INI").c_str(), dir.File("link.ini").c_str()), 0);
  const Saved saved = SaveLogged(dir, kNew);
  ASSERT_TRUE(saved.ok) << saved.error;
  EXPECT_EQ(saved.steps, (std::vector<std::string>{
                             "create new file 1", "write new file 1", "fsync new file 1",
                             "rename new file 1 -> new file 2", "fsync folder",  // the copy, under its name
                             "write Orvex.INI", "truncate Orvex.INI", "fsync Orvex.INI",
                             "unlink new file 2", "fsync folder",  // gone for good before the save returns
                         }));
  EXPECT_EQ(ReadBytes(dir.File("link.ini")), kNew);
  EXPECT_EQ(ListFiles(dir.path()), (std::vector<std::string>{"Orvex.INI", "link.ini"}));
}

// Through a symbolic link the file it leads to is replaced, by a new file made beside that file
// under a name that a later save knows for a leftover of this one.
TEST(DurableSteps, ASaveThroughALinkReplacesTheFileItLeadsTo) {
  TempDir dir;
  WriteBytes(dir.File("real.ini"), kOld);
  ASSERT_EQ(symlink("real.ini", dir.File("Orvex.INI").c_str()), 0);
  SystemCallLog log(dir.path().string());
  int error = 0;
  ASSERT_TRUE(SystemFileStore().Replace(dir.File("Orvex.INI"), kNew, error)) << error;
  const std::vector<SystemCall> calls = log.calls();
  ASSERT_FALSE(calls.empty());
  EXPECT_EQ(calls.front().call, "create");
  const std::string pid = std::to_string(getpid());
  EXPECT_TRUE(calls.front().path.starts_with(".real.ini." + pid + ".") && calls.front().path.ends_with(".tmp"))
      << calls.front().path;
  EXPECT_EQ(ReadBytes(dir.File("real.ini")), kNew);
  EXPECT_EQ(ListFiles(dir.path()), (std::vector<std::string>{"Orvex.INI", "real.ini"}));
}

// The disk refuses a flush: the save reports it, and the configuration reads as before, with no
// file left beside it.
TEST(DurableSteps, AFailedFlushFailsTheSaveAndKeepsTheOldContent) {
  for (const bool linked : {false, true}) {
    SCOPED_TRACE(linked ? "rewritten in place" : "replaced by a new file");
    TempDir dir;
    WriteBytes(dir.File("Orvex.INI"), kOld);
    if (linked) {
      ASSERT_EQ(link(dir.File("Orvex.INI").c_str(), dir.File("link.ini").c_str()), 0);
    }
    const Saved saved = SaveLogged(dir, kNew, "fsync");
    EXPECT_FALSE(saved.ok);
    EXPECT_EQ(saved.error, EIO);
    EXPECT_EQ(ReadBytes(dir.File("Orvex.INI")), kOld);
    EXPECT_EQ(ListFiles(dir.path()), (linked ? std::vector<std::string>{"Orvex.INI", "link.ini"}
                                             : std::vector<std::string>{"Orvex.INI"}));
  }
}

// What is no regular file is neither read nor replaced, and left as it is; the store closes what
// it opened to find that out once.
TEST(DurableSteps, WhatIsNoRegularFileIsRefusedAndLeftAlone) {
  TempDir dir;
  ASSERT_EQ(mkfifo(dir.File("Orvex.INI").c_str(), 0600), 0);
  SystemCallLog log(dir.path().string());
  for (const auto& [path, refusal] : {std::pair{dir.File("Orvex.INI"), ENODEV}, {dir.path().string(), EISDIR}}) {
    std::string bytes;
    int error = 0;
    EXPECT_EQ(SystemFileStore().Read(path, bytes, error), ReadStatus::Failed) << path;
    EXPECT_EQ(error, refusal) << path;
    EXPECT_FALSE(SystemFileStore().Replace(path, kNew, error)) << path;
    EXPECT_EQ(error, refusal) << path;
  }
  EXPECT_EQ(Steps(log.calls()), std::vector<std::string>{});
  struct stat st {};
  ASSERT_EQ(stat(dir.File("Orvex.INI").c_str(), &st), 0);
  EXPECT_TRUE(S_ISFIFO(st.st_mode));
}

// A save removes the temporary files that killed writers left beside the file, once their
// processes are gone, and no other file.
TEST(DurableSteps, ASaveRemovesWhatWritersThatAreGoneLeftBehind) {
  TempDir dir;
  const pid_t gone = fork();
  if (gone == 0) _exit(0);
  ASSERT_GT(gone, 0);
  ASSERT_EQ(waitpid(gone, nullptr, 0), gone);
  const std::string left = ".Orvex.INI." + std::to_string(gone) + ".17.tmp";
  const std::string running = ".Orvex.INI." + std::to_string(getppid()) + ".18.tmp";
  for (const std::string& name : {left, running, std::string(".Orvex.INI.notapid.19.tmp"), std::string("other.tmp")})
    WriteBytes(dir.File(name), "partial");
  const Saved saved = SaveLogged(dir, kNew);
  ASSERT_TRUE(saved.ok) << saved.error;
  EXPECT_EQ(ListFiles(dir.path()),
            (std::vector<std::string>{running, ".Orvex.INI.notapid.19.tmp", "Orvex.INI", "other.tmp"}));
}

}  // namespace
}  // namespace kgh::test
