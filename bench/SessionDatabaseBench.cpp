// The session database end to end on the registry's SQLite hive, on the seeded tree (see
// support/SeededTree.h): listing the folder of 1,000 and the root, building the whole folder
// hierarchy, loading every session, and applying a one-option change of the default session
// to all of them.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "database/SessionDatabase.h"
#include "session/SessionConfig.h"
#include "support/SeededTree.h"

namespace {

void BM_DatabaseListFolderOf1000(benchmark::State& state) {
  std::string const& folder = Tree().Folders().front();
  SessionDatabase db(0);
  for (auto _ : state) {
    CStringList sessions;
    db.GetSessionList(folder, sessions);
    benchmark::DoNotOptimize(sessions.GetCount());
  }
}
BENCHMARK(BM_DatabaseListFolderOf1000)->Unit(benchmark::kMillisecond);

void BM_DatabaseRootFolderList(benchmark::State& state) {
  Tree();
  SessionDatabase db(0);
  for (auto _ : state) {
    CStringList folders;
    db.GetFolderList("", folders);
    benchmark::DoNotOptimize(folders.GetCount());
  }
}
BENCHMARK(BM_DatabaseRootFolderList)->Unit(benchmark::kMillisecond);

// Every folder's both lists, from one read of the whole tree.
void BM_DatabaseFolderTree(benchmark::State& state) {
  Tree();
  SessionDatabase db(0);
  for (auto _ : state) {
    std::vector<SessionDatabase::FolderLists> tree;
    db.GetFolderTree(tree);
    state.counters["folders"] = static_cast<double>(tree.size());
  }
}
BENCHMARK(BM_DatabaseFolderTree)->Unit(benchmark::kMillisecond);

// GetFolderList of every folder, one call each.
void BM_DatabaseFolderHierarchy(benchmark::State& state) {
  Tree();
  SessionDatabase db(0);
  for (auto _ : state) {
    CStringList top;
    db.GetFolderList("", top);
    for (POSITION p = top.GetHeadPosition(); p;) {
      CStringList children;
      db.GetFolderList(top.GetNext(p), children);
    }
  }
}
BENCHMARK(BM_DatabaseFolderHierarchy)->Unit(benchmark::kMillisecond);

// A process's first look at one session: the hive opened anew (its file in the page cache), then
// the session looked up and loaded. Each run takes another session.
void BM_DatabaseColdLookup(benchmark::State& state) {
  Tree();
  int n = 0;
  for (auto _ : state) {
    state.PauseTiming();
    RegUnloadHives();
    std::string const path = Tree().Folders()[1 + n % (kFolders - 1)] + "\\session " + std::to_string(kBigFolder + n);
    n = (n + 7919) % (kSessions - kBigFolder);
    state.ResumeTiming();
    ISessionConfig* session = SessionDatabase(0).Lookup(path);
    if (!session) state.SkipWithError("no session");
    else session->Release();
  }
}
BENCHMARK(BM_DatabaseColdLookup)->Unit(benchmark::kMicrosecond)->Iterations(200);

void LoadAndRelease(VProfileKey&, char const* path, char const*, void* context) {
  ISessionConfig* session = SessionDatabase(0).Lookup(path);
  if (session) session->Release();
  ++*static_cast<int*>(context);
}

void BM_DatabaseLoadEverySession(benchmark::State& state) {
  Tree();
  int loaded = 0;
  ResetPeak();
  for (auto _ : state) SessionDatabase::EnumAllSessions(&LoadAndRelease, &loaded);
  state.counters["sessions"] = static_cast<double>(loaded) / static_cast<double>(state.iterations());
  state.counters["peakMB"] = static_cast<double>(PeakKilobytes()) / 1024.0;
  std::error_code ignored;
  state.counters["hiveMB"] = static_cast<double>(std::filesystem::file_size(Tree().HivePath(), ignored)) / 1e6;
}
BENCHMARK(BM_DatabaseLoadEverySession)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_DatabaseApplyDeltaToAll(benchmark::State& state) {
  Tree();
  SessionDatabase db(0);
  int n = 0;
  for (auto _ : state) {
    ISessionConfig* delta = db.Lookup("Default");
    delta->Checkpoint();
    // A title of this process's own, so that a kept hive still takes a change on every run.
    static_cast<SessionConfig*>(delta)->titleBar = "title " + std::to_string(getpid()) + "." + std::to_string(n++);
    GlobalChangeTally const tally = db.EnumAndApplyDelta(delta);
    delta->Release();
    state.counters["updated"] = tally.updated;
  }
}
BENCHMARK(BM_DatabaseApplyDeltaToAll)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
