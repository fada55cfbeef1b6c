// The one list of scenarios that a front-end cannot run, each with the reason.
#include <array>
#include <string>

#include "acceptance/Scenario.h"

namespace kgh::acceptance {
namespace {

struct NotRun {
  const char* front_end;
  const char* scenario;
  const char* why;
};

// None at present: both front-ends run every scenario.
constexpr std::array<NotRun, 0> kNotRun = {};

}  // namespace

std::string WhyNotRun(const std::string& front_end, const std::string& scenario) {
  for (const NotRun& entry : kNotRun)
    if (front_end == entry.front_end && scenario == entry.scenario) return entry.why;
  return "";
}

}  // namespace kgh::acceptance
