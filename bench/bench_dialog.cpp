// What a user waits for in the options dialog, on configurations with 9, 100 and 1000 user
// buttons (each with one sub-entry) and 6 allowed domains: opening it (every value read from the
// file) and OK after one change (the whole configuration written). Beside them, the floors for a
// file of the same size (bench/Floors.h). The real file store works on a temporary folder.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <string>
#include <utility>

#include "bench/BenchFiles.h"
#include "bench/Floors.h"
#include "config/PortableProfile.h"
#include "config/ConfigDoctor.h"
#include "options/OptionsDialogHost.h"
#include "options/frmOrvexOptions.h"
#include "platform/FileStore.h"
#include "platform/MessageBox.h"

namespace {

constexpr const char* kServer = "server";
constexpr const char* kRoot = "/srv/www";

// Answers as a user who declines and counts what it was asked: opening and saving a valid
// configuration shows nothing, so a message means the run did not measure what it claims.
class CountingMessageBoxes final : public kgh::MessageBoxService {
 public:
  kgh::MessageAnswer Show(const kgh::MessageRequest& request) override {
    ++shown;
    return kgh::SilentMessageBoxes().Show(request);
  }
  int shown = 0;
};

// A view that is never on screen: no entry dialog is opened while loading or saving, and focus
// cannot be given.
class OffscreenHost final : public kgh::OptionsDialogHost {
 public:
  void ShowModal(kgh::dlgButton&) override { ++dialogs; }
  void ShowModal(kgh::dlgDomain&) override { ++dialogs; }
  bool SetFocus(const kgh::forms::Control&) override { return false; }
  int dialogs = 0;
};

// A configuration as the dialog saves it: user sections numbered as its saver numbers them (a
// sub-entry takes a number too), so a save rewrites the same sections and the file keeps its size.
// The [Toolbar] addresses are short, so that a thousand buttons fit the 16381 characters a
// section read returns and the dialog shows every one of them.
std::string MakeConfig(int buttons) {
  std::string toolbar = "[Toolbar]\r\nBack=1\r\nFwd=1\r\nSep\r\nHome=1\r\n";
  std::string users;
  for (int n = 1; n <= buttons; ++n) {
    const std::string key = "User" + std::to_string(2 * n - 1);
    toolbar += key + "=p" + std::to_string(n) + "\r\n";
    users += "[" + key + "]\r\nCaption=Button " + std::to_string(n) + "\r\nBitmap=img/button" + std::to_string(n) +
             ".bmp\r\n_Entry " + std::to_string(n) + "=http://server/pages/entry" + std::to_string(n) + ".htm\r\n";
  }
  return kgh::bench::BrowserSectionText() + "[PrivateData]\r\nDefaultServer=" + std::string(kServer) + "\r\nDefaultRoot=" + kRoot + "\r\n" +
         users + toolbar +
         "[Domains]\r\nhttp://server/\r\nhttps://server/\r\njavascript:\r\nmailto:\r\nabout:\r\nres:\r\n";
}

std::string FolderFor(int buttons) { return kgh::bench::BenchFolder("dialog-" + std::to_string(buttons)); }

// The path of the configuration for `buttons` user buttons, written afresh.
std::string PrepareFile(int buttons) {
  std::string path = FolderFor(buttons) + "/Orvex.INI";
  kgh::bench::WriteFile(path, MakeConfig(buttons));
  return path;
}

class DialogRig {
 public:
  explicit DialogRig(int buttons) : buttons_(buttons), folder_(FolderFor(buttons)) { Restore(); }

  // Puts the configuration back as prepared, so that every save starts from the same file.
  void Restore() const { PrepareFile(buttons_); }

  std::unique_ptr<kgh::frmOrvexOptions> Open() {
    kgh::OptionsServices services;
    services.profile = &profile_;
    services.messages = &messages_;
    services.host = &host_;
    auto form = std::make_unique<kgh::frmOrvexOptions>(std::move(services));
    form->Start(kRoot, folder_, kServer);
    return form;
  }

  // Reports the rows the dialog shows and the file's size, and fails the run when the dialog
  // asked the user anything.
  void Finish(benchmark::State& state, const kgh::frmOrvexOptions& form) const {
    state.counters["rows"] = static_cast<double>(form.lstButtons.rows.size());
    state.counters["file_bytes"] = static_cast<double>(std::filesystem::file_size(folder_ + "/Orvex.INI"));
    if (messages_.shown > 0 || host_.dialogs > 0) state.SkipWithError("the dialog asked the user something");
  }

 private:
  int buttons_;
  std::string folder_;
  kgh::PortableProfile profile_{kgh::SystemFileStore()};
  CountingMessageBoxes messages_;
  OffscreenHost host_;
};

void DialogLoad(benchmark::State& state) {
  DialogRig rig(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(rig.Open()->lstButtons.rows.size());
  rig.Finish(state, *rig.Open());
}

void DialogChangeAndSave(benchmark::State& state) {
  DialogRig rig(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    rig.Restore();
    state.ResumeTiming();
    const auto form = rig.Open();
    form->txtHome.text = "http://server/changed.htm";
    form->cmdOK_Click();
  }
  rig.Finish(state, *rig.Open());
}

void ReadFloor(benchmark::State& state) { kgh::bench::RunReadFloor(state, PrepareFile(static_cast<int>(state.range(0)))); }

void DurableRewriteFloor(benchmark::State& state) {
  kgh::bench::RunDurableRewriteFloor(state, PrepareFile(static_cast<int>(state.range(0))));
}

}  // namespace

// Wall-clock time throughout: a durable write mostly waits for the disk, which costs no CPU.
BENCHMARK(ReadFloor)->Arg(9)->Arg(100)->Arg(1000)->UseRealTime();
BENCHMARK(DurableRewriteFloor)->Arg(9)->Arg(100)->Arg(1000)->UseRealTime();
BENCHMARK(DialogLoad)->Arg(9)->Arg(100)->Arg(1000)->UseRealTime();
BENCHMARK(DialogChangeAndSave)->Arg(9)->Arg(100)->Arg(1000)->UseRealTime();
// The configuration doctor on the same files: a reading as the dialog's, then every rule.
void Check(benchmark::State& state) {
  const std::string path = PrepareFile(static_cast<int>(state.range(0)));
  std::size_t findings = 0;
  for (auto _ : state) {
    std::vector<kgh::Finding> found;
    int error = 0;
    if (!kgh::CheckConfigurationFile(path, found, error)) state.SkipWithError("the file cannot be read");
    findings = found.size();
  }
  state.counters["findings"] = static_cast<double>(findings);
}
BENCHMARK(Check)->Arg(9)->Arg(100)->Arg(1000)->UseRealTime();
BENCHMARK_MAIN();
