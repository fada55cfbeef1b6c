// RelativePathFrom and MakeRelativePath on arbitrary path pairs in both flavours: never a
// crash, never 260 characters or more, and a result that is not "" leads from the first path
// to the second.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>
#include <vector>

#include "fuzz/FuzzSupport.h"
#include "platform/Module1.h"
#include "platform/PathFlavour.h"

namespace kgh::fuzz {
namespace {

bool SameComponents(const std::vector<std::string>& a, const std::vector<std::string>& b, PathFlavour flavour) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (!SamePathPart(a[i], b[i], flavour)) return false;
  return true;
}

// Whether going up `ups` times from `from` and then down `down` reaches `to`.
bool Reaches(std::vector<std::string> from, std::size_t ups, const std::vector<std::string>& down,
             std::size_t down_from, const std::vector<std::string>& to, PathFlavour flavour) {
  if (ups > from.size()) return false;
  from.resize(from.size() - ups);
  from.insert(from.end(), down.begin() + static_cast<std::ptrdiff_t>(down_from), down.end());
  return SameComponents(from, to, flavour);
}

// The result is ".." repeated, or "."; then what is left of the target. The target may itself
// hold ".." components, so every plausible count of climbs is tried.
bool LeadsTo(const std::string& result, const SplitPath& from, const SplitPath& to, PathFlavour flavour) {
  const SplitPath steps = SplitPathText(result, flavour);
  if (!steps.root.empty() || steps.components.empty()) return false;
  if (steps.components[0] == ".") return Reaches(from.components, 0, steps.components, 1, to.components, flavour);
  for (std::size_t ups = 1; ups <= steps.components.size() && steps.components[ups - 1] == ".."; ++ups)
    if (Reaches(from.components, ups, steps.components, ups, to.components, flavour)) return true;
  return false;
}

void Check(const std::string& from_dir, const std::string& to_path, PathFlavour flavour) {
  const std::string result = RelativePathFrom(from_dir, to_path, flavour);
  Require(result.size() < kMaxPathLength, "a relative path stays below the path limit");
  const SplitPath from = SplitPathText(from_dir, flavour);
  const SplitPath to = SplitPathText(to_path, flavour);
  if (!result.empty()) {
    Require(SamePathPart(from.root, to.root, flavour), "a relative path needs a shared root");
    Require(LeadsTo(result, from, to, flavour), "the relative path leads to the target");
  }
  const std::string made = MakeRelativePath(from_dir, to_path, flavour);
  const std::string dot_sep = std::string(".") + PathSeparator(flavour);
  Require(made == (result.rfind(dot_sep, 0) == 0 ? result.substr(2) : result), "only a leading dot step is dropped");
}

}  // namespace
}  // namespace kgh::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  using namespace kgh;
  FuzzedDataProvider input(data, size);
  const std::string from_dir = input.ConsumeRandomLengthString(400);
  const std::string to_path = input.ConsumeRemainingBytesAsString();
  kgh::fuzz::Check(from_dir, to_path, PathFlavour::Windows);
  kgh::fuzz::Check(from_dir, to_path, PathFlavour::Posix);
  return 0;
}
