// What a save keeps of the file it writes: owner, group, permission bits and hard links, whether
// root saves or a user who shares the configuration through a group; and what a save killed
// while it rewrites a file in place leaves behind.
#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <optional>
#include <random>
#include <thread>

#include "platform/FileStore.h"
#include "support/TempDir.h"

namespace kgh::test {
namespace {

const std::string kOld = "[Browser]\r\nHomepage=http://localhost/old.htm\r\n";
const std::string kNew = "[Browser]\r\nHomepage=http://localhost/new.htm\r\nStatusBar=1\r\n";
constexpr int kCouldNotBecomeTheSaver = 200;  // a child's exit status; system error numbers stay below

// The unprivileged saver: a user whose own group is nogroup and who belongs to the group kghtest.
// Made once on a host and reused by every later run, so that suites running side by side never
// remove it from under each other.
struct Saver {
  uid_t uid;
  gid_t own_group;
  gid_t shared_group;
};

std::optional<Saver> TheSaver() {
  if (getgrnam("kghtest") == nullptr) (void)std::system("groupadd kghtest >/dev/null 2>&1");
  if (getpwnam("kghtestsaver") == nullptr)
    (void)std::system("useradd --no-create-home --no-user-group --gid nogroup --groups kghtest "
                      "--shell /usr/sbin/nologin kghtestsaver >/dev/null 2>&1");
  const passwd* user = getpwnam("kghtestsaver");
  const group* shared = getgrnam("kghtest");
  if (user == nullptr || shared == nullptr) return std::nullopt;
  return Saver{user->pw_uid, user->pw_gid, shared->gr_gid};
}

// Saves `bytes` to `path` through the system's store: 0, or the system error number.
int Save(const std::string& path, const std::string& bytes) {
  int error = 0;
  return SystemFileStore().Replace(path, bytes, error) ? 0 : std::max(error, 1);
}

// The exit status of a child process that becomes the saver and saves: the supplementary groups
// first, then the group, then the user, after which it could no longer change any of them.
int SaveAsTheSaver(const Saver& saver, const std::string& path, const std::string& bytes) {
  const pid_t child = fork();
  if (child == 0) {
    const gid_t groups[] = {saver.shared_group};
    if (setgroups(1, groups) != 0 || setgid(saver.own_group) != 0 || setuid(saver.uid) != 0)
      _exit(kCouldNotBecomeTheSaver);
    _exit(Save(path, bytes));
  }
  int status = 0;
  if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
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
  std::optional<Saver> saver_;
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

  const int status = c.saved_by_root ? Save(file, kNew) : SaveAsTheSaver(*saver_, file, kNew);

  ASSERT_NE(status, kCouldNotBecomeTheSaver);
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

// Where the system keeps a folder in memory (/dev/shm), flushing costs nothing, so a kill lands in
// the middle of a write far more often than on a disk.
std::filesystem::path InMemoryWherePossible() {
  std::error_code error;
  return std::filesystem::is_directory("/dev/shm", error) ? "/dev/shm" : std::filesystem::temp_directory_path();
}

// Crash consistency of a save in place: a file with a second link, which every save rewrites in
// place. (Named like the other kill tests, which run at native speed only: under a memory checker
// a saver would rarely reach its write before the kill.)
class CrashConsistency : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteBytes(path_, kOld);
    ASSERT_EQ(link(path_.c_str(), dir_.File("Linked.INI").c_str()), 0);
  }
  std::vector<std::string> Leftovers(std::string_view suffix) const {  // beside the file, made by its writes
    std::vector<std::string> found;
    for (const std::string& name : ListFiles(dir_.path()))
      if (name.starts_with(".Orvex.INI.") && name.ends_with(suffix)) found.push_back(dir_.File(name));
    return found;
  }
  std::string ReadThroughTheStore() const {
    std::string bytes;
    int error = 0;
    EXPECT_EQ(SystemFileStore().Read(path_, bytes, error), ReadStatus::Ok) << DescribeSystemError(error);
    return bytes;
  }
  TempDir dir_{InMemoryWherePossible()};
  std::string path_ = dir_.File("Orvex.INI");
};

TEST_F(CrashConsistency, TheCopyLeftByAKilledRewriteIsReadAsTheContentUntilTheNextSaveReplacesBoth) {
  // A copy nobody holds locked: its writer was killed.
  WriteBytes(dir_.File(".Orvex.INI.bak"), kOld);
  WriteBytes(path_, kNew.substr(0, 20) + kOld.substr(20));  // torn: the start of the new content over the old
  EXPECT_EQ(ReadThroughTheStore(), kOld);
  const std::string newest = kNew + "ErrorPage=res://error.htm\r\n";
  ASSERT_EQ(Save(path_, newest), 0);
  EXPECT_EQ(ReadBytes(path_), newest);
  EXPECT_EQ(ReadBytes(dir_.File("Linked.INI")), newest);
  EXPECT_EQ(ListFiles(dir_.path()), (std::vector<std::string>{"Linked.INI", "Orvex.INI"}));
}

// Two configurations of about 430 KB and 340 KB, so that a kill often lands mid-write and a torn
// file shows both a mixture and a missing cut.
std::string LargeContent(char tag, int lines) {
  std::string bytes = "[Domains]\r\n";
  for (int i = 0; i < lines; ++i) bytes += "http://host-" + std::to_string(i) + ".example/" + tag + "\r\n";
  return bytes;
}

TEST_F(CrashConsistency, KilledSavesInPlaceLeaveTheOldOrNewContentOrATornFileWithACopyOfTheOldBeside) {
  constexpr int kKills = 300;
  const std::string contents[] = {LargeContent('a', 15000), LargeContent('b', 12000)};
  WriteBytes(path_, contents[0]);
  const auto save_in_a_child = [this](const std::string& bytes) {
    const pid_t child = fork();
    if (child == 0) _exit(Save(path_, bytes));
    return child;
  };
  // The kills are spread over the time a child takes to start and save here, however slow the
  // machine or a checker running the test makes it.
  using std::chrono::steady_clock, std::chrono::microseconds;
  const auto started = steady_clock::now();
  int status = 0;
  ASSERT_EQ(waitpid(save_in_a_child(contents[1]), &status, 0) > 0 && WIFEXITED(status) ? WEXITSTATUS(status) : -1, 0);
  const auto save_time = std::chrono::duration_cast<microseconds>(steady_clock::now() - started);
  std::mt19937 random(12345);
  std::uniform_int_distribution<long> delay_us(0, save_time.count() * 3 / 2 + 1000);
  int kills = 0, torn = 0, interrupted = 0, saved = 0;
  std::size_t temporaries = 0;
  for (const auto deadline = steady_clock::now() + std::chrono::seconds(4);
       kills < kKills && steady_clock::now() < deadline; ++kills) {
    const std::string old = ReadThroughTheStore();
    ASSERT_TRUE(old == contents[0] || old == contents[1]) << "kill " << kills << ": the store read a torn file";
    const std::string& next = old == contents[0] ? contents[1] : contents[0];
    const pid_t child = save_in_a_child(next);
    std::this_thread::sleep_for(microseconds(delay_us(random)));
    kill(child, SIGKILL);
    ASSERT_EQ(waitpid(child, nullptr, 0), child);

    const std::string bytes = ReadBytes(path_);
    const auto copies = Leftovers(".bak");
    ASSERT_LE(copies.size(), 1u) << "kill " << kills;
    // A kill while the copy is written leaves it unnamed; only a completed save removes those.
    ASSERT_LE(Leftovers(".tmp").size(), temporaries + 1) << "kill " << kills;
    temporaries = Leftovers(".tmp").size();
    if (copies.empty()) {
      ASSERT_TRUE(bytes == old || bytes == next) << "kill " << kills << ": torn, and no copy beside it";
    } else {
      ASSERT_EQ(ReadBytes(copies[0]), old) << "kill " << kills << ": the copy is not the whole old content";
      EXPECT_EQ(ReadThroughTheStore(), old) << "kill " << kills;
    }
    torn += bytes != old && bytes != next;
    interrupted += !copies.empty();
    saved += copies.empty() && bytes == next;
  }
  std::cout << "[ reliability ] in-place kills " << kills << ": " << interrupted << " left a copy, " << torn
            << " of them a torn file; " << saved << " saves completed; one save " << save_time.count() << " us\n";
  RecordProperty("kills", kills);
  EXPECT_GT(interrupted, 0) << "no kill landed while a file was rewritten: the test proved nothing";
  // The next save makes the file whole and removes what the killed saves left.
  ASSERT_EQ(Save(path_, kNew), 0);
  EXPECT_EQ(ReadBytes(dir_.File("Linked.INI")), kNew);
  EXPECT_EQ(ListFiles(dir_.path()), (std::vector<std::string>{"Linked.INI", "Orvex.INI"}));
}

}  // namespace
}  // namespace kgh::test
