// Importing an OpenSSH configuration of 10,000 hosts, the way `cdtool session import` does it:
// reading the file (each host matched against every block that may apply), then storing every
// session in one unit of work on the registry's SQLite hive. Every tenth host passes one of 50
// jump hosts, and a closing "Host *" block applies to all.
#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <string>

#include "VRegistryStoreFactory.h"
#include "database/GlobalConfigInstance.h"
#include "exchange/SessionImporter.h"
#include "exchange/SshConfigReader.h"
#include "platform/registry/Registry.h"
#include "support/BuiltProtocols.h"
#include "support/ScopedRoot.h"

namespace {

constexpr int kHosts = 10000;

class ImportWorld {
 public:
  ImportWorld() {
    RegisterBuiltSsh2();
    GlobalConfig* global = nullptr;
    GetGlobalConfig(global);
    std::ofstream config(Config());
    for (int n = 0; n < kHosts; ++n) {
      config << "Host rack" << n / 100 << "/host" << n << "\n  HostName 10." << n / 65536 << '.' << n / 256 % 256
             << '.' << n % 256 << "\n  Port " << 2000 + n % 100 << "\n  User ops\n";
      if (n % 10 == 0) config << "  ProxyJump jump@bastion" << n % 50 << ".lan:2222\n";
    }
    config << "Host *\n  IdentityFile ~/.ssh/fleet\n  Compression yes\n";
  }

  std::string Config() const { return m_root.File("config"); }
  std::string const& Home() const { return m_root.Path(); }

  // A fresh store key for each run, so that every import makes all of its sessions.
  void InstallStore(int run) {
    m_factory = std::make_unique<VRegistryStoreFactory>(HKEY_CURRENT_USER,
                                                        ("Software\\Brimvale\\Import" + std::to_string(run)).c_str());
    s_factory = m_factory.get();
    SetProfileStoreFactoryGetter(&Installed);
  }

 private:
  static VProfileStoreFactory* Installed() { return s_factory; }

  ScopedRoot m_root;
  std::unique_ptr<VRegistryStoreFactory> m_factory;
  inline static VProfileStoreFactory* s_factory = nullptr;
};

ImportWorld& World() {
  static ImportWorld world;
  return world;
}

void BM_ImportReadSshConfig10000Hosts(benchmark::State& state) {
  for (auto _ : state) {
    ImportBatch const batch = SshConfigReader(World().Home()).Read(World().Config());
    benchmark::DoNotOptimize(batch.sessions.size());
  }
}
BENCHMARK(BM_ImportReadSshConfig10000Hosts)->Unit(benchmark::kMillisecond);

void BM_ImportSshConfig10000Hosts(benchmark::State& state) {
  int run = 0;
  for (auto _ : state) {
    state.PauseTiming();
    World().InstallStore(run++);
    state.ResumeTiming();
    ImportBatch const batch = SshConfigReader(World().Home()).Read(World().Config());
    SessionImporter::Summary const summary = SessionImporter("", SessionImporter::OnConflict::Skip, false).Import(batch);
    if (!summary.stored || summary.Count(ImportOutcome::Kind::Made) != kHosts) state.SkipWithError("the import failed");
  }
}
BENCHMARK(BM_ImportSshConfig10000Hosts)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
