#pragma once
// A profile that hands every call to another one: the base of decorators that watch or change
// a few of the calls and leave the rest alone.
#include "config/ProfileApi.h"

namespace kgh {

class ForwardingProfile : public ProfileApi {
 public:
  explicit ForwardingProfile(ProfileApi& inner) : inner_(inner) {}

  std::size_t GetSection(std::string_view s, std::size_t n, const std::string& f, std::string& out) override {
    return inner_.GetSection(s, n, f, out);
  }
  bool WriteSection(std::string_view s, std::string_view c, const std::string& f) override {
    return inner_.WriteSection(s, c, f);
  }
  std::size_t GetString(std::string_view s, std::string_view k, std::string_view d, std::size_t n,
                        const std::string& f, std::string& out) override {
    return inner_.GetString(s, k, d, n, f, out);
  }
  int32_t GetInt(std::string_view s, std::string_view k, int32_t d, const std::string& f) override {
    return inner_.GetInt(s, k, d, f);
  }
  bool WriteString(std::string_view s, std::string_view k, std::string_view v, const std::string& f) override {
    return inner_.WriteString(s, k, v, f);
  }
  bool DeleteSection(std::string_view s, const std::string& f) override { return inner_.DeleteSection(s, f); }
  bool ReplaceContent(const std::string& f, std::string_view b) override { return inner_.ReplaceContent(f, b); }
  void BeginTransaction(const std::string& f) override { inner_.BeginTransaction(f); }
  bool CommitTransaction(const std::string& f) override { return inner_.CommitTransaction(f); }
  void AbandonTransaction(const std::string& f) override { inner_.AbandonTransaction(f); }
  void Flush(const std::string& f) override { inner_.Flush(f); }
  int LastError() const override { return inner_.LastError(); }

 private:
  ProfileApi& inner_;
};

}  // namespace kgh
