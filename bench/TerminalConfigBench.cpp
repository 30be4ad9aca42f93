// Building a session's terminal record from its key, every option stored, the keymap full.
#include <benchmark/benchmark.h>

#include "VProfileKey.h"
#include "VProfileStore.h"
#include "VRegistryStoreFactory.h"
#include "database/GlobalConfigInstance.h"
#include "platform/registry/Registry.h"
#include "support/ScopedRoot.h"
#include "terminal/TerminalConfig.h"

namespace {

// A record whose every option differs from its default, saved whole into `key`.
void StoreFullRecord(VProfileKey& key) {
  TerminalConfig config(nullptr);
  config.emulation = "Xterm";
  config.cols = 132;
  config.scrollback = 20000;
  config.keymapName = "Xterm";
  config.answerback = "answer";
  config.normalFont = VLogFont(15, "DejaVu Sans Mono");
  for (int index = 0; index < Keymap::kIndexCount; index += 2) {
    config.keymap.SetKeyCode(index, KeymapCode::SEND);
    config.keymap.SetKeyValue(index, "\\033[" + std::to_string(index) + "~");
  }
  config.Save(&key, true);
}

void BM_TerminalConfigFromStoredKey(benchmark::State& state) {
  ScopedRoot root;
  VRegistryStoreFactory factory(HKEY_CURRENT_USER, "Software\\Brimvale\\Bench");
  GlobalConfig* global = nullptr;
  GetGlobalConfig(global);  // loaded once per process, as in a host
  {
    VProfileStore store(&factory);
    VProfileKey key(store.Root(), "Sessions\\Full");
    StoreFullRecord(key);
  }
  VProfileStore store(true, &factory);
  VProfileKey key(store.Root(), "Sessions\\Full");
  for (auto _ : state) {
    TerminalConfig config(&key);
    benchmark::DoNotOptimize(config.cols);
  }
  ResetGlobalConfig(global);
}
BENCHMARK(BM_TerminalConfigFromStoredKey)->Unit(benchmark::kMicrosecond);

}  // namespace
