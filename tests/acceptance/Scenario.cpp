#include "acceptance/Scenario.h"

#include <chrono>
#include <thread>

namespace kgh::acceptance {

void RunScenario(const std::function<void(Driver&)>& body) {
  Driver& driver = TheDriver();
  driver.Run([&] { body(driver); });
}

bool Eventually(const std::function<bool()>& condition) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(15);
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return true;
}

}  // namespace kgh::acceptance
