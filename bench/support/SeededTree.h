// The session tree the benchmarks share: BENCH_SESSIONS sessions (10,000 unless set; each with
// every option stored) in BENCH_FOLDERS folders (500), the first of which holds 1,000. Seeded once
// per process into a temporary folder, or with BENCH_KEEP_HIVE=DIR into DIR once and reused by
// later runs of the same size. Also the process's peak memory, for the benchmarks that report it.
#pragma once

#include <malloc.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "VProfileKey.h"
#include "VProfileStore.h"
#include "VRegistryStoreFactory.h"
#include "database/GlobalConfigInstance.h"
#include "database/SessionDatabase.h"
#include "platform/registry/Registry.h"
#include "session/SessionConfig.h"
#include "support/BuiltProtocols.h"
#include "support/ScopedRoot.h"

inline constexpr int kBigFolder = 1000;
inline constexpr int kSeedBatch = 1000;  // sessions per unit of work while seeding

inline int FromEnvironment(char const* name, int fallback) {
  char const* text = std::getenv(name);
  int const value = text ? std::atoi(text) : 0;
  return value > 0 ? value : fallback;
}

inline int const kFolders = FromEnvironment("BENCH_FOLDERS", 500);
inline int const kSessions = std::max(FromEnvironment("BENCH_SESSIONS", 10000), kBigFolder + kFolders);

// Starts a new peak: the walk's own high-water mark, whatever ran before it in this process.
// Hands the heap that earlier benchmarks freed back to the system first, so that the peak is the
// walk's own and not what an in-memory store of twenty thousand sessions left behind.
inline void ResetPeak() {
  malloc_trim(0);
  std::ofstream("/proc/self/clear_refs") << "5";
}

// Kilobytes of the process's peak resident memory since the last reset.
inline long PeakKilobytes() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.starts_with("VmHWM:")) return std::stol(line.substr(6));
  return 0;
}

class SeededTree {
 public:
  SeededTree() {
    char const* kept = std::getenv("BENCH_KEEP_HIVE");
    if (kept && *kept) {
      std::filesystem::create_directories(kept);
      setenv("BRIMVALE_ROOT", kept, 1);
      RegUnloadHives();
    } else {
      m_root.emplace();
    }
    RegisterBuiltSsh2();
    s_factory = &m_factory;
    SetProfileStoreFactoryGetter(&Installed);
    GlobalConfig* global = nullptr;
    GetGlobalConfig(global);
    for (int folder = 0; folder < kFolders; ++folder) m_folders.push_back("Folder " + std::to_string(folder));
    std::string const mark = std::string(getenv("BRIMVALE_ROOT")) + "/seeded-" + std::to_string(kSessions) + "-" +
                             std::to_string(kFolders);
    if (std::filesystem::exists(mark)) return;
    Seed();
    std::ofstream(mark) << "seeded\n";
  }

  std::vector<std::string> const& Folders() const { return m_folders; }
  std::string HivePath() const { return std::string(getenv("BRIMVALE_ROOT")) + "/user/registry.db"; }

 private:
  static VProfileStoreFactory* Installed() { return s_factory; }

  // Sessions are written straight into their keys; each folder's order record is then built
  // by one listing, as an older tree gets its records.
  void Seed() {
    SessionConfig session("s", nullptr);
    session.GetTermConnectConfig()->SetHostname("host.example.org");
    session.description.SetText("first line\nsecond line");
    std::unique_ptr<VProfileStore> store;
    for (int n = 0; n < kSessions; ++n) {
      if (n % kSeedBatch == 0) {
        store.reset();
        store = std::make_unique<VProfileStore>();
      }
      int const folder = n < kBigFolder ? 0 : 1 + (n - kBigFolder) % (kFolders - 1);
      std::string const path = "Sessions\\" + m_folders[folder] + "\\session " + std::to_string(n);
      VProfileKey key(store->Root(), path.c_str());
      session.Save(&key, true);
    }
    store.reset();
    SessionDatabase db(0);
    CStringList ignored;
    for (std::string const& folder : m_folders) db.GetSessionList(folder, ignored);
    db.GetFolderList("", ignored);
  }

  std::optional<ScopedRoot> m_root;
  VRegistryStoreFactory m_factory{HKEY_CURRENT_USER, "Software\\Brimvale\\Bench"};
  inline static VProfileStoreFactory* s_factory = nullptr;
  std::vector<std::string> m_folders;
};

inline SeededTree& Tree() {
  static SeededTree tree;
  return tree;
}
