#pragma once
// One user action, one replacement of the file: a transaction on a file for the lifetime of
// this object, abandoned unless committed.
#include <string>
#include <utility>

#include "config/ProfileApi.h"

namespace kgh {

class ProfileTransaction {
 public:
  ProfileTransaction(ProfileApi& profile, std::string file) : profile_(profile), file_(std::move(file)) {
    profile_.BeginTransaction(file_);
  }
  ~ProfileTransaction() {
    if (!ended_) profile_.AbandonTransaction(file_);
  }
  ProfileTransaction(const ProfileTransaction&) = delete;
  ProfileTransaction& operator=(const ProfileTransaction&) = delete;

  // Writes everything the transaction changed in one replacement of the file. False when that
  // failed (the profile's LastError says why); the file is then as it was.
  bool Commit() {
    ended_ = true;
    return profile_.CommitTransaction(file_);
  }

 private:
  ProfileApi& profile_;
  std::string file_;
  bool ended_ = false;
};

}  // namespace kgh
