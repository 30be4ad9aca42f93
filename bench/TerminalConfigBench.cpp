// Building a session's terminal record from its key, every option stored, the keymap full.
#include <benchmark/benchmark.h>

#include "VMemoryStoreFactory.h"
#include "VProfileKey.h"
#include "VProfileStore.h"
#include "VRegistryStoreFactory.h"
#include "database/GlobalConfigInstance.h"
#include "platform/registry/Registry.h"
#include "support/ScopedRoot.h"
#include "terminal/TerminalConfig.h"

namespace {

// A record whose every option differs from its default, saved whole into `key`, with
// `keymapEntries` of the session's own keys mapped (2,048 fill the stored form).
void StoreFullRecord(VProfileKey& key, int keymapEntries) {
  TerminalConfig config(nullptr);
  config.emulation = "Xterm";
  config.cols = 132;
  config.scrollback = 20000;
  config.keymapName = "Xterm";
  config.answerback = "answer";
  config.normalFont = VLogFont(15, "DejaVu Sans Mono");
  for (int index = 0; index < 2 * keymapEntries; index += 2) {
    config.keymap.SetKeyCode(index, KeymapCode::SEND);
    config.keymap.SetKeyValue(index, "\\033[" + std::to_string(index) + "~");
  }
  config.Save(&key, true);
}

// Arguments: the store (0 the registry's SQLite hive, 1 memory) and the keymap entries stored.
void BM_TerminalConfigFromStoredKey(benchmark::State& state) {
  ScopedRoot root;
  VRegistryStoreFactory registry(HKEY_CURRENT_USER, "Software\\Brimvale\\Bench");
  VMemoryStoreFactory memory;
  VProfileStoreFactory* factory = state.range(0) == 0 ? static_cast<VProfileStoreFactory*>(&registry) : &memory;
  GlobalConfig* global = nullptr;
  GetGlobalConfig(global);  // loaded once per process, as in a host
  {
    VProfileStore store(factory);
    VProfileKey key(store.Root(), "Sessions\\Full");
    StoreFullRecord(key, static_cast<int>(state.range(1)));
  }
  VProfileStore store(true, factory);
  VProfileKey key(store.Root(), "Sessions\\Full");
  for (auto _ : state) {
    TerminalConfig config(&key);
    benchmark::DoNotOptimize(config.cols);
  }
  ResetGlobalConfig(global);
}
BENCHMARK(BM_TerminalConfigFromStoredKey)
    ->ArgNames({"memory", "keys"})
    ->ArgsProduct({{0, 1}, {8, 2048}})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
