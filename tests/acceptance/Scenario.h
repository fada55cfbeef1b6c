#pragma once
// How a scenario is written: SCENARIO(Group, Name) { ... } with `d`, the front-end's driver. It
// runs as the test AcceptanceGroup.Name, on its own thread while the front-end's thread serves the
// dialogs, on every front-end.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "acceptance/Driver.h"

namespace kgh::acceptance {

void RunScenario(const std::function<void(Driver&)>& body);

// Waits until `condition` holds, looking again and again for a while; false if it never did.
bool Eventually(const std::function<bool()>& condition);

}  // namespace kgh::acceptance

#define SCENARIO(group, name)                                                          \
  static void group##_##name##_Scenario(::kgh::acceptance::Driver& d);                 \
  TEST(Acceptance##group, name) {                                                      \
    ::kgh::acceptance::RunScenario(group##_##name##_Scenario);                         \
  }                                                                                    \
  static void group##_##name##_Scenario([[maybe_unused]] ::kgh::acceptance::Driver& d)
