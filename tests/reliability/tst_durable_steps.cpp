// The order in which a save reaches the disk. After a power cut at any point the configuration
// must read as its old or its new content: a new file is flushed before it takes the name, and
// the folder after; a file rewritten in place has a flushed copy of its old content beside it
// until its own new content is flushed. A flush that fails fails the save.
#include <gtest/gtest.h>
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

}  // namespace
}  // namespace kgh::test
