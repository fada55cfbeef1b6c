// Writes that cannot reach the disk: WriteString answers false, WriteSection stays silent,
// DeleteSection shows the system's description of the failure, and nothing on disk changes.
#include <gtest/gtest.h>
#include <sys/mount.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <map>

#include "config/CIniFile2.h"
#include "config/PortableProfile.h"
#include "support/Fakes.h"
#include "support/TempDir.h"

namespace kgh::test {
namespace {

namespace fs = std::filesystem;

const std::string kContent = "[Browser]\r\nHomepage=http://localhost/a.htm\r\n[Domains]\r\nabout:\r\nres:\r\n";

// Every file and folder below `dir`, with the files' bytes.
std::map<std::string, std::string> Snapshot(const fs::path& dir) {
  std::map<std::string, std::string> all;
  for (const auto& entry : fs::recursive_directory_iterator(dir))
    all[entry.path().string()] = entry.is_regular_file() ? ReadBytes(entry.path().string()) : "(folder)";
  return all;
}

// Every write operation against `target` fails with `error` and leaves `dir` as it was.
void ExpectEveryWriteFails(ProfileApi& profile, const fs::path& dir, const std::string& target, int error) {
  const auto before = Snapshot(dir);
  ScriptedMessageBoxes messages;
  CIniFile2 ini(profile, &messages);
  ini.INIFile = target;
  ini.Section = "Domains";
  EXPECT_FALSE(ini.WriteString("Homepage", "http://localhost/b.htm"));
  ini.WriteSection(std::string("javascript:\0mailto:\0", 20));
  EXPECT_TRUE(messages.shown.empty()) << "a failed section write is silent";
  ini.DeleteSection();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, DescribeSystemError(error));
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::Critical);
  EXPECT_EQ(Snapshot(dir), before) << "the file is untouched and no temporary file is left";
}

// Reads through to the system's store; every replace fails with `error` and changes nothing.
struct FailingWritesStore final : FileStore {
  explicit FailingWritesStore(int error) : error_(error) {}
  ReadStatus Read(const std::string& path, std::string& bytes, int& error) override {
    return SystemFileStore().Read(path, bytes, error);
  }
  bool Replace(const std::string&, std::string_view, int& error) override {
    error = error_;
    return false;
  }
  int error_;
};

TEST(WriteFailures, PathsTheSystemRefusesAndInjectedStoreFaults) {
  TempDir dir;
  WriteBytes(dir.File("plain.txt"), kContent);
  fs::create_directory(dir.File("folder.ini"));
  WriteBytes(dir.File("folder.ini") + "/inside.txt", "kept");
  const struct {
    std::string target;
    int error;
  } refused[] = {{dir.File("plain.txt") + "/Orvex.INI", ENOTDIR},  // a path below a regular file
                 {dir.File("missing") + "/Orvex.INI", ENOENT},
                 {dir.File("folder.ini"), EISDIR}};  // a directory in place of the file
  for (const auto& c : refused) {
    SCOPED_TRACE(c.target);
    ExpectEveryWriteFails(SystemProfileApi(), dir.path(), c.target, c.error);
  }
  WriteBytes(dir.File("Orvex.INI"), kContent);
  for (const int error : {ENOSPC, EIO, EACCES, EROFS}) {
    SCOPED_TRACE(error);
    FailingWritesStore store(error);
    PortableProfile profile(store);
    ExpectEveryWriteFails(profile, dir.path(), dir.File("Orvex.INI"), error);
  }
}

// A real full disk: a tiny tmpfs, filled up, holding a file whose replacement needs room.
TEST(WriteFailures, AFullDiskKeepsTheFile) {
  TempDir dir;
  if (mount("tmpfs", dir.path().c_str(), "tmpfs", 0, "size=16k") != 0)
    GTEST_SKIP() << "cannot mount a tmpfs here; the injected faults stand in for a full disk";
  WriteBytes(dir.File("Orvex.INI"), kContent + std::string(3000, ';') + "\r\n");
  std::ofstream filler(dir.File("filler"), std::ios::binary);
  while (filler << std::string(512, 'x') << std::flush) {
  }
  filler.close();
  ExpectEveryWriteFails(SystemProfileApi(), dir.path(), dir.File("Orvex.INI"), ENOSPC);
  umount(dir.path().c_str());
}

}  // namespace
}  // namespace kgh::test
