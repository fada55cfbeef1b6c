// What a save keeps of the file it writes: owner, group, permission bits and hard links, whether
// root saves or a user who shares the configuration through a group.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <optional>

#include "UnprivilegedUsers.h"
#include "platform/FileStore.h"
#include "support/TempDir.h"

namespace kgh::test {
namespace {

const std::string kOld = "[Browser]\r\nHomepage=http://localhost/old.htm\r\n";
const std::string kNew = "[Browser]\r\nHomepage=http://localhost/new.htm\r\nStatusBar=1\r\n";

// Saves `bytes` to `path` through the system's store: 0, or the system error number.
int Save(const std::string& path, const std::string& bytes) {
  int error = 0;
  return SystemFileStore().Replace(path, bytes, error) ? 0 : std::max(error, 1);
}

struct stat StatusOf(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(stat(path.c_str(), &st), 0) << path;
  return st;
}

// Who owns a file or folder of a case, in terms of the saver, who exists only once the case runs.
enum class Owner { Root, Saver };
enum class Group { Root, Shared, SaversOwn };

struct OwnershipCase {
  const char* what;
  bool saved_by_root;
  Owner folder_owner;
  Group folder_group;
  mode_t folder_mode;
  Owner file_owner;
  Group file_group;
  mode_t file_mode;
  bool second_link;  // a second hard link beside the file
  bool saved;        // whether the save succeeds
  bool same_file;    // the new content goes into the file itself, so open handles see it too
};

const OwnershipCase kCases[] = {
    {"root, a file with a second link", true, Owner::Root, Group::Root, 0755, Owner::Root, Group::Root, 0640, true,
     true, true},
    {"root, a file of another owner and group", true, Owner::Root, Group::Root, 0755, Owner::Saver, Group::Shared,
     0660, false, true, false},
    {"a member, a file shared through a set-group-id folder", false, Owner::Root, Group::Shared, 02775, Owner::Root,
     Group::Shared, 0664, false, true, true},
    {"a user, a writable file in a folder they cannot write", false, Owner::Root, Group::Root, 0755, Owner::Root,
     Group::Root, 0666, false, true, true},
    {"a member, their own file kept in the shared group", false, Owner::Saver, Group::SaversOwn, 0755, Owner::Saver,
     Group::Shared, 0640, false, true, false},
    {"a user, their own file with a second link", false, Owner::Saver, Group::SaversOwn, 0755, Owner::Saver,
     Group::SaversOwn, 0600, true, true, true},
    {"a member, a shared file made read-only", false, Owner::Root, Group::Shared, 02775, Owner::Root, Group::Shared,
     0444, false, false, true},
    {"a user, a file only its owner may write, in a folder they can write", false, Owner::Root, Group::Shared, 02775,
     Owner::Root, Group::Shared, 0644, false, false, true},
};

class Ownership : public ::testing::Test {
 protected:
  void SetUp() override {
    if (geteuid() != 0) GTEST_SKIP() << "making files of other owners needs root";
    saver_ = TheSaver();
    if (!saver_) GTEST_SKIP() << "cannot make the user kghtestsaver and the group kghtest here";
  }
  uid_t Uid(Owner owner) const { return owner == Owner::Root ? 0 : saver_->uid; }
  gid_t Gid(Group group) const {
    return group == Group::Root ? 0 : group == Group::Shared ? saver_->shared_group : saver_->own_group;
  }
  void Give(const std::string& path, Owner owner, Group group, mode_t mode) const {
    ASSERT_EQ(chown(path.c_str(), Uid(owner), Gid(group)), 0) << path;
    ASSERT_EQ(chmod(path.c_str(), mode), 0) << path;  // after the owner, which may clear set-id bits
  }
  void Check(const OwnershipCase& c, const std::string& folder) const;
  std::optional<TestUser> saver_;
  TempDir dir_;
};

void Ownership::Check(const OwnershipCase& c, const std::string& folder) const {
  const std::string file = folder + "/Orvex.INI", link = folder + "/Linked.INI";
  std::filesystem::create_directory(folder);
  WriteBytes(file, kOld);
  if (c.second_link) {
    ASSERT_EQ(::link(file.c_str(), link.c_str()), 0);
  }
  Give(folder, c.folder_owner, c.folder_group, c.folder_mode);
  Give(file, c.file_owner, c.file_group, c.file_mode);
  const struct stat before = StatusOf(file);
  const auto files_before = ListFiles(folder);

  const int status = c.saved_by_root ? Save(file, kNew) : RunAs(*saver_, [&] { return Save(file, kNew); });

  ASSERT_NE(status, kCouldNotBecomeTheUser);
  EXPECT_EQ(status == 0, c.saved) << "exit status " << status;
  const struct stat after = StatusOf(file);
  EXPECT_EQ(ReadBytes(file), c.saved ? kNew : kOld);
  EXPECT_EQ(after.st_uid, before.st_uid);
  EXPECT_EQ(after.st_gid, before.st_gid);
  EXPECT_EQ(after.st_mode & 07777, before.st_mode & 07777);
  EXPECT_EQ(after.st_nlink, before.st_nlink);
  if (c.same_file) {
    EXPECT_EQ(after.st_ino, before.st_ino) << "a new file took the name";
  }
  if (c.second_link) {
    EXPECT_EQ(StatusOf(link).st_ino, after.st_ino) << "the links parted";
    EXPECT_EQ(ReadBytes(link), ReadBytes(file));
  }
  EXPECT_EQ(ListFiles(folder), files_before) << "no copy or temporary file is left beside the file";
}

TEST_F(Ownership, ASaveKeepsOwnerGroupModeAndLinksOrIsRefusedWhole) {
  int n = 0;
  for (const OwnershipCase& c : kCases) {
    SCOPED_TRACE(c.what);
    Check(c, dir_.File("case-" + std::to_string(++n)));
  }
}

}  // namespace
}  // namespace kgh::test
