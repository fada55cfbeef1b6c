// Writes that cannot reach the disk: WriteString answers false, WriteSection stays silent,
// DeleteSection shows the system's description of the failure, and nothing on disk changes.
#include <gtest/gtest.h>
#include <sys/mount.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "ReliabilitySupport.h"
#include "config/CIniFile2.h"
#include "config/PortableProfile.h"
#include "support/TempDir.h"

namespace kgh::test {
namespace {

const std::string kContent = "[Browser]\r\nHomepage=http://localhost/a.htm\r\n[Domains]\r\nabout:\r\nres:\r\n";

struct Snapshot {
  std::vector<std::string> files;
  std::string bytes;  // of the target, when it is a file
  bool operator==(const Snapshot&) const = default;
};

Snapshot Take(const std::filesystem::path& dir, const std::string& target) {
  Snapshot s{ListFiles(dir), {}};
  if (std::filesystem::is_regular_file(target)) s.bytes = ReadBytes(target);
  return s;
}

// Every write operation against `target` fails with `error` and leaves `dir` as it was.
void ExpectEveryWriteFails(ProfileApi& profile, const std::filesystem::path& dir, const std::string& target,
                           int error) {
  const Snapshot before = Take(dir, target);
  RecordingMessageBoxes messages;
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
  EXPECT_EQ(messages.shown[0].buttons, MessageButtons::Ok);
  EXPECT_EQ(messages.shown[0].title, "Pallix Setup");
  EXPECT_EQ(Take(dir, target), before) << "the file is untouched and no temporary file is left";
}

TEST(WriteFailures, PathBelowARegularFile) {
  TempDir dir;
  WriteBytes(dir.File("plain.txt"), kContent);
  ExpectEveryWriteFails(SystemProfileApi(), dir.path(), dir.File("plain.txt") + "/Orvex.INI", ENOTDIR);
  EXPECT_EQ(ReadBytes(dir.File("plain.txt")), kContent);
}

TEST(WriteFailures, MissingDirectory) {
  TempDir dir;
  ExpectEveryWriteFails(SystemProfileApi(), dir.path(), dir.File("missing") + "/Orvex.INI", ENOENT);
  EXPECT_FALSE(std::filesystem::exists(dir.File("missing")));
}

TEST(WriteFailures, DirectoryInPlaceOfTheFile) {
  TempDir dir;
  std::filesystem::create_directory(dir.File("Orvex.INI"));
  WriteBytes(dir.File("Orvex.INI") + "/inside.txt", "kept");
  ExpectEveryWriteFails(SystemProfileApi(), dir.path(), dir.File("Orvex.INI"), EISDIR);
  EXPECT_EQ(ReadBytes(dir.File("Orvex.INI") + "/inside.txt"), "kept");
}

TEST(WriteFailures, InjectedStoreFaults) {
  for (const int error : {ENOSPC, EIO, EACCES, EROFS}) {
    SCOPED_TRACE(error);
    TempDir dir;
    WriteBytes(dir.File("Orvex.INI"), kContent);
    FailingWritesStore store(error);
    PortableProfile profile(store);
    ExpectEveryWriteFails(profile, dir.path(), dir.File("Orvex.INI"), error);
  }
}

// A real full disk: a tiny tmpfs, filled up, holding a file whose replacement needs room.
class FullDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    if (mount("tmpfs", dir_.path().c_str(), "tmpfs", 0, "size=16k") != 0)
      GTEST_SKIP() << "cannot mount a tmpfs here; the injected faults stand in for a full disk";
    mounted_ = true;
    WriteBytes(path_, kContent + std::string(3000, ';') + "\r\n");
    std::ofstream filler(dir_.File("filler"), std::ios::binary);
    const std::string block(512, 'x');
    while (filler.write(block.data(), static_cast<std::streamsize>(block.size())) && filler.flush()) {
    }
  }
  void TearDown() override {
    if (mounted_) umount(dir_.path().c_str());
  }
  TempDir dir_;
  std::string path_ = dir_.File("Orvex.INI");
  bool mounted_ = false;
};

TEST_F(FullDisk, WritesFailAndKeepTheFile) {
  ExpectEveryWriteFails(SystemProfileApi(), dir_.path(), path_, ENOSPC);
}

}  // namespace
}  // namespace kgh::test
