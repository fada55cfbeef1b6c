// What other people, and other programs, can do to a configuration by what they put beside it or
// by holding it: a user saves a configuration kept in a shared folder, a neighbour in the same
// group plants files there, takes locks and stops processes. What the browser reads (the raw
// bytes) and what the component reads must stay the user's own content.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <optional>
#include <chrono>
#include <filesystem>
#include <functional>
#include <iostream>
#include <random>
#include <thread>

#include "UnprivilegedUsers.h"
#include "config/ConfigDoctor.h"
#include "config/PortableProfile.h"
#include "config/ProfileTransaction.h"
#include "platform/FileStore.h"
#include "platform/posix/FileCalls.h"
#include "platform/posix/SafetyCopies.h"
#include "support/TempDir.h"

namespace kgh::test {
namespace {

const std::string kReal = "[Browser]\r\nHomepage=http://kiosk/real.htm\r\n";
const std::string kPlanted = "[Browser]\r\nHomepage=http://evil.example/\r\n";
const std::string kSecret = "root's secret\r\n";

std::string StoreRead(const std::string& path) {
  std::string bytes;
  int error = 0;
  return SystemFileStore().Read(path, bytes, error) == ReadStatus::Ok ? bytes : "(unreadable: " + std::to_string(error) + ")";
}

int StoreSave(const std::string& path, const std::string& bytes) {
  int error = 0;
  const bool saved = SystemFileStore().Replace(path, bytes, error);
  return saved ? 0 : std::max(error, 1);
}

// What a check of the file says under the rule `code`, if it names that rule.
std::optional<std::string> Said(const std::string& file, const std::string& code) {
  std::vector<Finding> findings;
  int error = 0;
  EXPECT_TRUE(CheckConfigurationFile(file, findings, error)) << error;
  const auto found = std::find_if(findings.begin(), findings.end(), [&](const Finding& f) { return f.code == code; });
  return found == findings.end() ? std::nullopt : std::optional(found->message);
}
bool Names(const std::string& file, const std::string& code) { return Said(file, code).has_value(); }

std::size_t OpenDescriptors() {
  const std::filesystem::directory_iterator listing("/proc/self/fd");
  return static_cast<std::size_t>(std::distance(begin(listing), end(listing)));
}

// What a rewrite in place leaves beside `file` when it is killed: a copy of `previous`, the
// content the file had, made while `next` was being written.
// `born_later` makes it a copy of an earlier file that had the same inode number.
std::string CopyLeftBeside(const std::string& file, const std::string& previous, const std::string& next,
                           bool born_later = false) {
  struct stat st {};
  EXPECT_EQ(stat(file.c_str(), &st), 0);
  posix::FileIdentity identity = posix::IdentityOf(file, st);
  identity.birth -= born_later ? 1 : 0;
  const std::string name = posix::CopyNameFor(posix::ParentOf(file) + "/." + posix::NameOf(file) + ".4242.17.tmp",
                                              identity, previous, next);
  WriteBytes(name, previous);
  return name;
}

void Give(const std::string& path, uid_t uid, gid_t gid, mode_t mode) {
  ASSERT_EQ(lchown(path.c_str(), uid, gid), 0) << path;
  if (!std::filesystem::is_symlink(path)) {
    ASSERT_EQ(chmod(path.c_str(), mode), 0) << path;
  }
}

// A folder anyone may create files in, and one a group shares; the user's configuration in it,
// which only the user may write.
enum class Folder { Sticky, GroupShared };

class HostileNeighbours : public ::testing::TestWithParam<Folder> {
 protected:
  void SetUp() override {
    if (geteuid() != 0) GTEST_SKIP() << "becoming other users needs root";
    saver_ = TheSaver();
    neighbour_ = TheNeighbour();
    if (!saver_ || !neighbour_) GTEST_SKIP() << "cannot make the users kghtestsaver and kghtestneighbour here";
    // Root's own folder keeps the shared one out of reach of the system's cleaning of /tmp.
    chmod(dir_.path().c_str(), 0755);
    std::filesystem::create_directory(folder_);
    if (GetParam() == Folder::Sticky) Give(folder_, 0, 0, 01777);
    else Give(folder_, 0, saver_->shared_group, 02775);
    WriteBytes(file_, kReal);
    Give(file_, saver_->uid, saver_->shared_group, 0644);
  }
  std::string Beside(const std::string& name) const { return folder_ + "/" + name; }
  // Runs `work` as the user and answers its exit status.
  int AsSaver(const std::function<int()>& work) const { return RunAs(*saver_, work); }
  // Runs `work` as the user and answers whether what the store read there was `expected`.
  void ExpectSaverReads(const std::string& expected) const {
    EXPECT_EQ(AsSaver([&] { return StoreRead(file_) == expected ? 0 : 1; }), 0) << "the store read another content";
  }

  std::optional<TestUser> saver_, neighbour_;
  TempDir dir_;
  std::string folder_ = dir_.File("shared"), file_ = folder_ + "/Orvex.INI";
};

INSTANTIATE_TEST_SUITE_P(Folders, HostileNeighbours, ::testing::Values(Folder::Sticky, Folder::GroupShared),
                         [](const auto& folder) { return folder.param == Folder::Sticky ? "Sticky" : "GroupShared"; });

struct Plant {
  const char* what;
  std::function<std::string(const std::string& file, const std::string& folder, const TestUser& saver,
                            const TestUser& neighbour)>
      make;  // answers the planted path
};

const Plant kPlants[] = {
    {"the user's own backup under the name older versions used for their copy",
     [](const std::string&, const std::string& folder, const TestUser& saver, const TestUser&) {
       const std::string path = folder + "/.Orvex.INI.bak";
       WriteBytes(path, kPlanted);
       Give(path, saver.uid, saver.own_group, 0644);
       return path;
     }},
    {"a neighbour's file named as this file's copy, with the right inode and digests",
     [](const std::string& file, const std::string&, const TestUser&, const TestUser& neighbour) {
       const std::string path = CopyLeftBeside(file, kPlanted, "[Browser]\r\n");
       Give(path, neighbour.uid, neighbour.own_group, 0644);
       return path;
     }},
    {"a copy of the user's whose content is not what its name says",
     [](const std::string& file, const std::string&, const TestUser& saver, const TestUser&) {
       const std::string path = CopyLeftBeside(file, kReal, "[Browser]\r\n");
       WriteBytes(path, kPlanted);
       Give(path, saver.uid, saver.own_group, 0644);
       return path;
     }},
    {"a symbolic link named as a copy, to a file only root may read",
     [](const std::string& file, const std::string& folder, const TestUser&, const TestUser& neighbour) {
       const std::string secret = folder + "/../secret";
       WriteBytes(secret, kSecret);
       Give(secret, 0, 0, 0600);
       const std::string path = CopyLeftBeside(file, kSecret, "[Browser]\r\n");
       std::filesystem::remove(path);
       std::filesystem::create_symlink(secret, path);
       Give(path, neighbour.uid, neighbour.own_group, 0);
       return path;
     }},
    {"a folder named as a copy",
     [](const std::string& file, const std::string&, const TestUser&, const TestUser& neighbour) {
       const std::string path = CopyLeftBeside(file, kPlanted, "[Browser]\r\n");
       std::filesystem::remove(path);
       std::filesystem::create_directory(path);
       Give(path, neighbour.uid, neighbour.own_group, 0755);
       return path;
     }},
};

#ifdef ORVEX_SETUP_PATH
// Runs orvex-setup with `args` as `user`, through setpriv as a person would, and answers its exit
// status and standard output.
std::pair<int, std::string> CommandAs(const TestUser& user, const std::string& args) {
  const std::string command = "setpriv --reuid=" + std::to_string(user.uid) + " --regid=" +
                              std::to_string(user.own_group) + " --groups=" + std::to_string(user.shared_group) +
                              " " + ORVEX_SETUP_PATH + " " + args + " 2>/dev/null";
  FILE* pipe = popen(command.c_str(), "r");
  std::string out;
  char buffer[4096];
  for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
  const int status = pclose(pipe);
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out};
}

// What the user sees of a planted copy from the command line: the real page, and the copy named.
TEST_P(HostileNeighbours, TheCommandLineShowsTheRealContentBesideAPlantedCopyAndNamesIt) {
  const std::string planted = kPlants[1].make(file_, folder_, *saver_, *neighbour_);
  EXPECT_EQ(CommandAs(*saver_, "ini " + file_ + " get Browser Homepage"),
            std::make_pair(0, std::string("http://kiosk/real.htm\n")));
  const auto [status, findings] = CommandAs(*saver_, "check " + file_);
  EXPECT_EQ(status, 1);
  EXPECT_NE(findings.find(planted + " is not a copy this program made"), std::string::npos) << findings;
  EXPECT_EQ(CommandAs(*saver_, "ini " + file_ + " set Browser StatusBar 1").first, 0);
  EXPECT_EQ(ReadBytes(file_), kReal + "StatusBar=1\r\n");
}
#endif

// Root reads and saves too, where the symbolic link would lead it to a file the user cannot read.
TEST_P(HostileNeighbours, APlantedCopyIsNeverReadNorWrittenBackAndIsNamedAsUntrusted) {
  for (const Plant& plant : kPlants) {
    SCOPED_TRACE(plant.what);
    WriteBytes(file_, kReal);
    Give(file_, saver_->uid, saver_->shared_group, 0644);
    const std::string planted = plant.make(file_, folder_, *saver_, *neighbour_);

    ExpectSaverReads(kReal);
    EXPECT_EQ(StoreRead(file_), kReal) << "root read the planted content";
    EXPECT_EQ(SystemFileStore().UntrustedCopies(file_), std::vector<std::string>{planted});
    EXPECT_TRUE(Names(file_, "untrusted-copy"));
    // A write of another key keeps the real content around it, for the user and for root.
    const std::string edited = kReal + "StatusBar=1\r\n";
    EXPECT_EQ(AsSaver([&] {
                PortableProfile profile(SystemFileStore());
                return profile.WriteString("Browser", "StatusBar", "1", file_) ? 0 : 1;
              }),
              0);
    EXPECT_EQ(ReadBytes(file_), edited);
    ASSERT_EQ(StoreSave(file_, edited + "FullScreen=1\r\n"), 0);
    EXPECT_EQ(ReadBytes(file_), edited + "FullScreen=1\r\n");
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::symlink_status(planted))) << "someone else's file was removed";
    std::filesystem::remove_all(planted);
  }
}

// A copy made for this file, by the user, of the content before a killed rewrite in place.
TEST_P(HostileNeighbours, ASaveThatChangesNothingStillMakesATornFileWholeAndRemovesTheCopy) {
  const std::string linked = Beside("Linked.INI");  // a second link: every save rewrites in place
  ASSERT_EQ(link(file_.c_str(), linked.c_str()), 0);
  const std::string next = "[Browser]\r\nHomepage=http://kiosk/next.htm\r\nStatusBar=1\r\n";
  const struct {
    const char* what;
    std::function<int()> save;  // as the user; the content read is kReal
  } saves[] = {
      {"a transaction that writes back what it read", [&] {
         PortableProfile profile(SystemFileStore());
         ProfileTransaction saving(profile, file_);
         if (!profile.WriteString("Browser", "Homepage", "http://kiosk/real.htm", file_)) return 1;
         return saving.Commit() ? 0 : 2;
       }},
      {"a single write of the value the file has", [&] {
         PortableProfile profile(SystemFileStore());
         return profile.WriteString("Browser", "Homepage", "http://kiosk/real.htm", file_) ? 0 : 1;
       }},
  };
  for (const auto& save : saves) {
    SCOPED_TRACE(save.what);
    const std::string torn = next.substr(0, 30) + kReal.substr(30);
    WriteBytes(file_, torn);
    const std::string copy = CopyLeftBeside(file_, kReal, next);
    Give(copy, saver_->uid, saver_->shared_group, 0640);
    ExpectSaverReads(kReal);
    const std::size_t open_before = OpenDescriptors();
    EXPECT_EQ(Said(file_, "killed-save"),
              "A save of this file was killed midway and left its safety copy beside it: where the file is torn, this "
              "check and the dialog read the copy while the browser reads the torn file; save the configuration once "
              "(OK in the options dialog, or apply) to make the file whole.");
    EXPECT_EQ(OpenDescriptors(), open_before) << "the copy read is closed again";
    EXPECT_EQ(AsSaver(save.save), 0);
    EXPECT_FALSE(Names(file_, "killed-save"));
    EXPECT_EQ(ReadBytes(file_), kReal) << "the browser still reads a torn file";
    EXPECT_EQ(ReadBytes(linked), kReal);
    EXPECT_FALSE(std::filesystem::exists(copy));
  }
  // With one link left the save renames a new file in: the copy made for the torn one goes too.
  std::filesystem::remove(linked);
  WriteBytes(file_, next.substr(0, 30) + kReal.substr(30));
  const std::string copy = CopyLeftBeside(file_, kReal, next);
  Give(copy, saver_->uid, saver_->shared_group, 0640);
  ASSERT_EQ(StoreSave(file_, kReal), 0);
  EXPECT_EQ(ReadBytes(file_), kReal);
  EXPECT_FALSE(std::filesystem::exists(copy));
}

TEST_P(HostileNeighbours, ACopyOfAWriteThatCompletedIsNotReadInPlaceOfTheNewContent) {
  const std::string next = "[Browser]\r\nHomepage=http://kiosk/next.htm\r\n";
  // Killed after its rewrite in place, before it removed its copy.
  const std::string in_place = CopyLeftBeside(file_, kReal, next);
  WriteBytes(file_, next);
  Give(in_place, saver_->uid, saver_->shared_group, 0640);
  ExpectSaverReads(next);
  // Killed after a new file took the name, before the copy made for the old one went.
  std::filesystem::remove(in_place);
  const std::string replaced = CopyLeftBeside(file_, kReal, next);
  Give(replaced, saver_->uid, saver_->shared_group, 0640);
  const std::string newer = next + "StatusBar=1\r\n";
  WriteBytes(file_ + ".new", newer);
  std::filesystem::rename(file_ + ".new", file_);
  Give(file_, saver_->uid, saver_->shared_group, 0644);
  ExpectSaverReads(newer);
  // The next save removes it.
  EXPECT_EQ(AsSaver([&] { return StoreSave(file_, next); }), 0);
  EXPECT_EQ(ReadBytes(file_), next);
  EXPECT_FALSE(std::filesystem::exists(replaced));
  // Made for an earlier file that the inode number was given to before this one.
  const std::string earlier = CopyLeftBeside(file_, kReal, "[Browser]\r\n", true);
  Give(earlier, saver_->uid, saver_->shared_group, 0640);
  ExpectSaverReads(next);
}

// Another member's copy of a killed rewrite, which in a sticky folder only that member (or root)
// may remove: a save that left it would go on being read as its copy, so it is refused there.
TEST_P(HostileNeighbours, ASaveThatCouldNotRemoveACopyMadeForTheFileIsRefusedWhole) {
  Give(file_, 0, saver_->shared_group, 0664);  // shared: both members may write it
  const std::string next = "[Browser]\r\nHomepage=http://kiosk/next.htm\r\n";
  const std::string torn = next.substr(0, 30) + kReal.substr(30);
  WriteBytes(file_, torn);
  const std::string copy = CopyLeftBeside(file_, kReal, next);
  Give(copy, neighbour_->uid, saver_->shared_group, 0640);
  const bool sticky = GetParam() == Folder::Sticky;
  EXPECT_EQ(AsSaver([&] { return StoreSave(file_, next + "StatusBar=1\r\n"); }), sticky ? EPERM : 0);
  EXPECT_EQ(ReadBytes(file_), sticky ? torn : next + "StatusBar=1\r\n");
  EXPECT_EQ(std::filesystem::exists(copy), sticky);
  ExpectSaverReads(sticky ? kReal : next + "StatusBar=1\r\n");
  if (sticky) {  // its owner's save makes the file whole
    EXPECT_EQ(RunAs(*neighbour_, [&] { return StoreSave(file_, next); }), 0);
    EXPECT_EQ(ReadBytes(file_), next);
    EXPECT_FALSE(std::filesystem::exists(copy));
  }
}

// A child that holds the file's lock, as anyone who may read it can, until it is killed, running
// or stopped. Answers its id.
pid_t HoldLock(const TestUser& holder, const std::string& file, const std::function<void()>& then, bool stop) {
  int ready[2];
  if (pipe(ready) != 0) return -1;
  const pid_t child = StartAs(holder, [&] {
    const int fd = open(file.c_str(), O_RDONLY);
    if (fd < 0 || flock(fd, LOCK_EX) != 0) return 1;
    then();
    (void)!write(ready[1], "x", 1);
    if (stop) raise(SIGSTOP);
    for (;;) pause();
  });
  close(ready[1]);
  char byte = 0;
  const bool held = read(ready[0], &byte, 1) == 1;
  close(ready[0]);
  return held ? child : -1;
}

// Runs `work` as the user, in a child that is killed should it wait longer than any wait the
// store allows; answers its exit status (-1 when killed) and how long it took.
std::pair<int, std::chrono::milliseconds> Timed(const TestUser& user, const std::function<int()>& work) {
  const auto started = std::chrono::steady_clock::now();
  const int status = RunAs(user, [&] {
    alarm(static_cast<unsigned>(kLockWaitSeconds) * 4);
    return work();
  });
  return {status, std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started)};
}

TEST_P(HostileNeighbours, ALockHeldByANeighbourOrAStoppedWriterDelaysBriefly) {
  const std::string linked = Beside("Linked.INI");
  const std::string next = "[Browser]\r\nHomepage=http://kiosk/next.htm\r\nStatusBar=1\r\n";
  ASSERT_EQ(link(file_.c_str(), linked.c_str()), 0);
  struct Holder {
    const char* what;
    const TestUser* user;
    std::function<void()> then;
    bool stopped;
  } holders[] = {
      {"a neighbour who may only read the file", &*neighbour_, [] {}, false},
      {"the user's own writer, stopped halfway through a rewrite in place", &*saver_,
       [&] {
         CopyLeftBeside(file_, kReal, next);
         const int fd = open(file_.c_str(), O_WRONLY);
         (void)!write(fd, next.data(), 30);
         close(fd);
       },
       true},
  };
  for (const Holder& holder : holders) {
    SCOPED_TRACE(holder.what);
    WriteBytes(file_, kReal);
    const pid_t child = HoldLock(*holder.user, file_, holder.then, holder.stopped);
    ASSERT_GT(child, 0);
    const auto [read_status, read_time] = Timed(*saver_, [&] { return StoreRead(file_) == kReal ? 0 : 1; });
    EXPECT_EQ(read_status, 0);
    const auto [write_status, write_time] = Timed(*saver_, [&] { return StoreSave(file_, next); });
    EXPECT_EQ(write_status, EWOULDBLOCK) << "a rewrite in place went on without the lock, or waited for good";
    std::cout << "[ hostile ] " << holder.what << ": read in " << read_time.count() << " ms, write refused after "
              << write_time.count() << " ms\n";
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    EXPECT_EQ(AsSaver([&] { return StoreSave(file_, next); }), 0);
    EXPECT_EQ(ReadBytes(linked), next);
    EXPECT_EQ(ListFiles(folder_), (std::vector<std::string>{"Linked.INI", "Orvex.INI"}));
  }
}

// Where the system keeps a folder in memory (/dev/shm), flushing costs nothing, so a kill lands in
// the middle of a write far more often than on a disk.
std::filesystem::path InMemoryWherePossible() {
  std::error_code error;
  return std::filesystem::is_directory("/dev/shm", error) ? "/dev/shm" : std::filesystem::temp_directory_path();
}

// Two configurations of about 430 KB and 340 KB, so that a kill often lands mid-write and a torn
// file shows both a mixture and a missing cut.
std::string LargeContent(char tag, int lines) {
  std::string bytes = "[Domains]\r\n";
  for (int i = 0; i < lines; ++i) bytes += "http://host-" + std::to_string(i) + ".example/" + tag + "\r\n";
  return bytes;
}

// The user's saves of a file with a second link (rewritten in place) are killed at random moments;
// after each kill the user saves again what the store reads, as a user does who opens the dialog
// and presses OK without a change. That save must leave whole raw bytes, whatever the kill left.
// (Named like the other kill tests, which run at native speed only.)
class CrashConsistency : public HostileNeighbours {};
INSTANTIATE_TEST_SUITE_P(Folders, CrashConsistency, ::testing::Values(Folder::GroupShared),
                         [](const auto&) { return "GroupShared"; });

TEST_P(CrashConsistency, KilledSavesInPlaceAreReadWholeAndTheNextSaveLeavesWholeRawBytes) {
  constexpr int kKills = 320;
  TempDir memory{InMemoryWherePossible()};
  chmod(memory.path().c_str(), 0755);
  const std::string folder = memory.File("shared"), file = folder + "/Orvex.INI", linked = folder + "/Linked.INI";
  std::filesystem::create_directory(folder);
  Give(folder, 0, saver_->shared_group, 02775);
  const std::string contents[] = {LargeContent('a', 15000), LargeContent('b', 12000)};
  WriteBytes(file, contents[0]);
  Give(file, saver_->uid, saver_->shared_group, 0664);
  ASSERT_EQ(link(file.c_str(), linked.c_str()), 0);
  // A neighbour's folders where copies go: every rewrite must still make a copy of its own.
  for (const std::string& planted : {CopyLeftBeside(file, "", ""), folder + "/.Orvex.INI.bak"}) {
    std::filesystem::remove(planted);
    std::filesystem::create_directory(planted);
    Give(planted, neighbour_->uid, neighbour_->own_group, 0777);
  }
  const auto save = [&](const std::string& bytes) { return [&file, bytes] { return StoreSave(file, bytes); }; };
  using std::chrono::steady_clock, std::chrono::microseconds;
  const auto started = steady_clock::now();
  ASSERT_EQ(RunAs(*saver_, save(contents[1])), 0);
  const auto save_time = std::chrono::duration_cast<microseconds>(steady_clock::now() - started);
  std::mt19937 random(12345);
  // Most of a save is spent before it touches the file (reading, the copy); the kills are spread
  // over the whole save rather than the time after it.
  std::uniform_int_distribution<long> delay_us(save_time.count() / 4, save_time.count());
  // A checker running the test slows every save: the kills go on until there are enough of them.
  int kills = 0, torn = 0, interrupted = 0;
  for (const auto deadline = steady_clock::now() + std::chrono::seconds(80);
       kills < kKills && steady_clock::now() < deadline; ++kills) {
    const std::string old = StoreRead(file);
    ASSERT_TRUE(old == contents[0] || old == contents[1]) << "kill " << kills << ": the store read a torn file";
    const pid_t child = StartAs(*saver_, save(old == contents[0] ? contents[1] : contents[0]));
    std::this_thread::sleep_for(microseconds(delay_us(random)));
    kill(child, SIGKILL);
    ASSERT_EQ(waitpid(child, nullptr, 0), child);
    const std::string raw = ReadBytes(file), read = StoreRead(file);
    ASSERT_TRUE(read == contents[0] || read == contents[1]) << "kill " << kills << ": the store read a torn file";
    torn += raw != contents[0] && raw != contents[1];
    interrupted += SystemFileStore().NeedsRepair(file);  // killed between making its copy and removing it
    // The user's save of what the dialog showed.
    ASSERT_EQ(RunAs(*saver_, save(read)), 0);
    ASSERT_EQ(ReadBytes(file), read) << "kill " << kills << ": a save exited 0 and the browser reads other bytes";
  }
  std::cout << "[ reliability ] in-place kills " << kills << " as a group member: " << interrupted
            << " left a copy beside the file, " << torn << " of them a torn file, each read whole and saved whole; "
            << "one save " << save_time.count() << " us\n";
  RecordProperty("kills", kills);
  EXPECT_GE(kills, 300);
  EXPECT_GT(interrupted, 0) << "no kill landed while a file was rewritten: the test proved nothing";
  EXPECT_EQ(ReadBytes(linked), ReadBytes(file));
  for (const std::string& name : ListFiles(folder)) EXPECT_FALSE(name.ends_with(".bak")) << name;  // folders aside
}

}  // namespace
}  // namespace kgh::test
