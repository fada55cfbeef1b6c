#include "WebServerConfigs.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <sys/wait.h>

namespace kgh::test {
namespace {

constexpr const char* kNginx = "/usr/sbin/nginx";

// The command's output when it fails, "" when it succeeds.
std::string FailureOf(const std::string& command) {
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen((command + " 2>&1").c_str(), "r"), pclose);
  if (!pipe) return "cannot run " + command;
  std::string output;
  char buffer[256];
  while (std::fgets(buffer, sizeof buffer, pipe.get()) != nullptr) output += buffer;
  int status = pclose(pipe.release());
  if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return "";
  return output.empty() ? command + " failed" : output;
}

std::string Quoted(const std::string& path) { return "'" + path + "'"; }

}  // namespace

Entries Listed(const std::string& nginx_config, const std::string& apache_config, const std::string& nginx_prefix) {
  Entries entries;
  WebServerVirtualDirs(nginx_config, apache_config, nginx_prefix).ReadVirtualDirs(entries);
  return entries;
}

bool NginxInstalled() { return std::filesystem::exists(kNginx); }

std::string NginxVerdict(const std::string& config, const std::string& prefix) {
  return FailureOf(std::string(kNginx) + " -q -t -c " + Quoted(config) + " -p " + Quoted(prefix));
}

}  // namespace kgh::test
