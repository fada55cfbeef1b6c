#pragma once
// The local computer's name as the platform reports it, letter case untouched.
#include <string>

namespace kgh {

class ComputerNameSource {
 public:
  virtual ~ComputerNameSource() = default;
  // "" when the name cannot be read.
  virtual std::string ComputerName() = 0;
};

ComputerNameSource& SystemComputerName();

}  // namespace kgh
