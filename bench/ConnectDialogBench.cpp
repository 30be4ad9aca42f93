// The Connect dialog on the seeded tree (support/SeededTree.h), through the model's own
// commands as a front end drives them, in a terminal host: opening with the tree filled and
// the remembered session selected, expanding the folder of 1,000 sessions, typing a filter
// letter by letter (each keystroke's milliseconds as counters; the first builds the search),
// and pasting a copied folder of 1,000 sessions. Peak memory of a whole showing.
#include <benchmark/benchmark.h>

#include <time.h>

#include <chrono>
#include <string>

#include "database/GlobalConfig.h"
#include "database/SessionDatabase.h"
#include "dialogs/ConnectDialog.h"
#include "library/LibraryState.h"
#include "library/ProductInfo.h"
#include "platform/ui/HeadlessUserInterface.h"
#include "support/SeededTree.h"

namespace {

constexpr char kFilter[] = "session 99";

// The seeded tree, seen by a terminal host that remembers a session of an ordinary folder.
void Prepare() {
  Tree();
  SetCurrentAppProductID(kProductHaloKorvo);
  ConnectDialogDllInitApplicationName("HaloKorvo");
  GlobalConfig* config = nullptr;
  GetGlobalConfig(config);
  config->sortAlphabetical = 0;
  config->connectExpandPath = (Tree().Folders()[1] + "\\session " + std::to_string(kBigFolder)).c_str();
  config->isExpanded = 0;
  config->autoSaveOptions = 0;
}

double MillisecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// The process's CPU time in milliseconds: on a shared machine the wall clock mostly measures
// the wait for a core.
double CpuMilliseconds() {
  timespec now{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

void BM_ConnectDialogOpen(benchmark::State& state) {
  Prepare();
  for (auto _ : state) {
    ConnectDialog dialog("Connect", false, false);
    dialog.Open();
    benchmark::DoNotOptimize(dialog.Selected());
    state.counters["shown"] = static_cast<double>(dialog.VisibleItems().size());
  }
}
BENCHMARK(BM_ConnectDialogOpen)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_ConnectDialogExpandFolderOf1000(benchmark::State& state) {
  Prepare();
  std::string const folder = Tree().Folders().front();
  for (auto _ : state) {
    state.PauseTiming();
    ConnectDialog dialog("Connect", false, false);
    dialog.Open();
    std::string error;
    state.ResumeTiming();
    dialog.Expand(folder, error);
    benchmark::DoNotOptimize(dialog.Selected());
  }
}
// Each expansion needs a fresh dialog: a fixed count keeps the untimed openings few.
BENCHMARK(BM_ConnectDialogExpandFolderOf1000)->Unit(benchmark::kMillisecond)->Iterations(10);

// One typing of the filter on a freshly opened dialog: k1 is the first keystroke, which builds
// the search; "later" the slowest of the others (wall), and the same in CPU time.
void BM_ConnectDialogFilterTyped(benchmark::State& state) {
  Prepare();
  for (auto _ : state) {
    ConnectDialog dialog("Connect", false, false);
    dialog.Open();
    double later = 0;
    double laterCpu = 0;
    std::string const text = kFilter;
    for (size_t length = 1; length <= text.size(); ++length) {
      auto const start = std::chrono::steady_clock::now();
      double const startCpu = CpuMilliseconds();
      dialog.SetFilter(text.substr(0, length));
      double const ms = MillisecondsSince(start);
      double const cpu = CpuMilliseconds() - startCpu;
      state.counters["k" + std::to_string(length)] = ms;
      if (length == 1) state.counters["k1cpu"] = cpu;
      if (length > 1) later = std::max(later, ms);
      if (length > 1) laterCpu = std::max(laterCpu, cpu);
    }
    state.counters["later"] = later;
    state.counters["latercpu"] = laterCpu;
    state.counters["matches"] = static_cast<double>(dialog.VisibleItems().size());
  }
}
BENCHMARK(BM_ConnectDialogFilterTyped)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_ConnectDialogPasteFolderOf1000(benchmark::State& state) {
  Prepare();
  HeadlessUserInterface ui;
  SetUserInterface(&ui);
  std::string const folder = Tree().Folders().front();
  for (auto _ : state) {
    state.PauseTiming();
    ConnectDialog dialog("Connect", false, false);
    dialog.Open();
    std::string error;
    dialog.Select(folder, error);
    dialog.Command(ConnectDialog::kCopy, error);
    dialog.Select("", error);
    state.ResumeTiming();
    dialog.Command(ConnectDialog::kPaste, error);
    state.PauseTiming();
    state.counters["copied"] = dialog.SelectedPath() == folder + " (1)" ? 1 : 0;
    SessionDatabase(0).Remove((folder + " (1)").c_str());
    state.ResumeTiming();
  }
  SetUserInterface(nullptr);
}
BENCHMARK(BM_ConnectDialogPasteFolderOf1000)->Unit(benchmark::kMillisecond)->Iterations(3);

// A whole showing: open, expand the big folder, type the filter, clear it, close.
void BM_ConnectDialogPeakMemory(benchmark::State& state) {
  Prepare();
  ResetPeak();
  for (auto _ : state) {
    ConnectDialog dialog("Connect", false, false);
    dialog.Open();
    std::string error;
    dialog.Expand(Tree().Folders().front(), error);
    std::string const text = kFilter;
    for (size_t length = 1; length <= text.size(); ++length) dialog.SetFilter(text.substr(0, length));
    dialog.SetFilter("");
    dialog.OnCancel();
  }
  state.counters["peakMB"] = static_cast<double>(PeakKilobytes()) / 1024.0;
}
BENCHMARK(BM_ConnectDialogPeakMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
