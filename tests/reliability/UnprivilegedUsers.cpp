#include "UnprivilegedUsers.h"

#include <grp.h>
#include <pwd.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace kgh::test {
namespace {

std::optional<TestUser> MemberOfTheSharedGroup(const std::string& name) {
  if (getgrnam("kghtest") == nullptr) (void)std::system("groupadd kghtest >/dev/null 2>&1");
  if (getpwnam(name.c_str()) == nullptr)
    (void)std::system(("useradd --no-create-home --no-user-group --gid nogroup --groups kghtest "
                       "--shell /usr/sbin/nologin " + name + " >/dev/null 2>&1").c_str());
  const passwd* user = getpwnam(name.c_str());
  const group* shared = getgrnam("kghtest");
  if (user == nullptr || shared == nullptr) return std::nullopt;
  return TestUser{user->pw_uid, user->pw_gid, shared->gr_gid};
}

}  // namespace

std::optional<TestUser> TheSaver() { return MemberOfTheSharedGroup("kghtestsaver"); }
std::optional<TestUser> TheNeighbour() { return MemberOfTheSharedGroup("kghtestneighbour"); }

bool Become(const TestUser& user) {
  const gid_t groups[] = {user.shared_group};
  return setgroups(1, groups) == 0 && setgid(user.own_group) == 0 && setuid(user.uid) == 0;
}

pid_t StartAs(const TestUser& user, const std::function<int()>& work) {
  const pid_t child = fork();
  if (child == 0) _exit(Become(user) ? work() : kCouldNotBecomeTheUser);
  return child;
}

int RunAs(const TestUser& user, const std::function<int()>& work) {
  const pid_t child = StartAs(user, work);
  int status = 0;
  if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

}  // namespace kgh::test
