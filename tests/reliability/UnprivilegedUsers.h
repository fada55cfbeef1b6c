#pragma once
// Unprivileged users for the tests that need several people on one machine: the saver, who
// shares configurations with root through the group kghtest, and a neighbour in the same group
// who plants files beside them. Made once on a host and reused by every later run, so that suites
// running side by side never remove them from under each other.
#include <sys/types.h>

#include <functional>
#include <optional>

namespace kgh::test {

struct TestUser {
  uid_t uid;
  gid_t own_group;     // nogroup
  gid_t shared_group;  // kghtest
};

std::optional<TestUser> TheSaver();
std::optional<TestUser> TheNeighbour();

// A child's exit status when it could not become the user; system error numbers stay below.
constexpr int kCouldNotBecomeTheUser = 200;

// Makes this process `user`: supplementary groups, then group, then user, after which it could
// change none of them. False when that failed.
bool Become(const TestUser& user);

// Starts a child process that becomes `user` and exits with what `work` answers; its id, or -1.
pid_t StartAs(const TestUser& user, const std::function<int()>& work);

// Runs `work` in a child process that has become `user` (supplementary groups, then group, then
// user, after which it could change none of them) and answers its exit status, or -1 when the
// child did not exit. `work` answers the child's exit status.
int RunAs(const TestUser& user, const std::function<int()>& work);

}  // namespace kgh::test
