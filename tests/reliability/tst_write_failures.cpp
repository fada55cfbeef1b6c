// Writes that cannot reach the disk: WriteString answers false, WriteSection stays silent,
// DeleteSection shows the system's description of the failure, and nothing on disk changes.
#include <gtest/gtest.h>
#include <sys/mount.h>

#include <cerrno>
#include <fstream>

#include "config/CIniFile2.h"
#include "config/PortableProfile.h"
#include "support/Fakes.h"
#include "support/TempDir.h"

namespace kgh::test {
namespace {

const std::string kContent = "[Browser]\r\nHomepage=http://localhost/a.htm\r\n[Domains]\r\nabout:\r\nres:\r\n";

// Every file and folder below `dir`, with the files' bytes.
std::map<std::string, std::string> Snapshot(const std::filesystem::path& dir) {
  std::map<std::string, std::string> all;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(dir))
    all[entry.path().string()] = entry.is_regular_file() ? ReadBytes(entry.path().string()) : "(folder)";
  return all;
}

// Every write operation against `target` fails with `error` and leaves `dir` as it was.
void ExpectEveryWriteFails(auto&& profile, const std::filesystem::path& dir, const std::string& target, int error) {
  SCOPED_TRACE(target + ", error " + std::to_string(error));
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
  EXPECT_EQ(messages.shown[0].intent, MessageIntent::Error);
  EXPECT_EQ(Snapshot(dir), before) << "the file is untouched and no temporary file is left";
}

// Reads through to the system's store; every replace fails with `error` and changes nothing.
struct FailingWritesStore final : FileStore {
  explicit FailingWritesStore(int error) : error_(error) {}
  ReadStatus Read(const std::string& p, std::string& b, int& e) override { return SystemFileStore().Read(p, b, e); }
  bool Replace(const std::string&, std::string_view, int& error) override { error = error_; return false; }
  int error_;
  PortableProfile profile{*this};  // the INI layer over this store
};

TEST(WriteFailures, PathsTheSystemRefusesAndInjectedStoreFaults) {
  TempDir dir;
  WriteBytes(dir.File("plain.txt"), kContent);
  std::filesystem::create_directory(dir.File("folder.ini"));
  WriteBytes(dir.File("folder.ini") + "/inside.txt", "kept");
  // a path below a regular file, below a missing folder, and a directory in place of the file
  for (const auto& [target, error] : {std::pair{dir.File("plain.txt") + "/Orvex.INI", ENOTDIR},
                                      {dir.File("missing") + "/Orvex.INI", ENOENT}, {dir.File("folder.ini"), EISDIR}})
    ExpectEveryWriteFails(SystemProfileApi(), dir.path(), target, error);
  WriteBytes(dir.File("Orvex.INI"), kContent);
  for (const int error : {ENOSPC, EIO, EACCES, EROFS})
    ExpectEveryWriteFails(FailingWritesStore(error).profile, dir.path(), dir.File("Orvex.INI"), error);
}

// A real full disk: a tiny tmpfs, filled up, holding a file whose replacement needs room.
TEST(WriteFailures, AFullDiskKeepsTheFile) {
  TempDir dir;
  if (mount("tmpfs", dir.path().c_str(), "tmpfs", 0, "size=16k") != 0)
    GTEST_SKIP() << "cannot mount a tmpfs here; the injected faults stand in for a full disk";
  WriteBytes(dir.File("Orvex.INI"), kContent + std::string(3000, ';') + "\r\n");
  for (std::ofstream filler(dir.File("filler"), std::ios::binary); filler << std::string(512, 'x') << std::flush;) {}
  ExpectEveryWriteFails(SystemProfileApi(), dir.path(), dir.File("Orvex.INI"), ENOSPC);
  umount(dir.path().c_str());
}

}  // namespace
}  // namespace kgh::test
