// The store's hot paths at the scale we design for, on an isolated temporary root.
#include <benchmark/benchmark.h>

#include <string>

#include "VProfileKey.h"
#include "VProfileKeyIterator.h"
#include "VProfileStore.h"
#include "VRegistryStoreFactory.h"
#include "platform/registry/Registry.h"
#include "support/ScopedRoot.h"

namespace {

VRegistryStoreFactory& Factory() {
  static VRegistryStoreFactory factory(HKEY_CURRENT_USER, "Software\\Brimvale\\Bench");
  return factory;
}

void BM_OpenCloseWritableStore(benchmark::State& state) {
  ScopedRoot root;
  { VProfileStore seed(&Factory()); VProfileKey key(seed.Root(), "Seed"); key.SetDword("v", 1); }
  for (auto _ : state) {
    VProfileStore store(&Factory());
    benchmark::DoNotOptimize(store.Root());
  }
}
BENCHMARK(BM_OpenCloseWritableStore);

// 100,000 values in 1,000 keys, written then read inside one store each.
void BM_SetSzGetSz(benchmark::State& state) {
  constexpr int kKeys = 1000;
  constexpr int kValuesPerKey = 100;
  for (auto _ : state) {
    state.PauseTiming();
    ScopedRoot root;
    state.ResumeTiming();
    {
      VProfileStore store(&Factory());
      for (int k = 0; k < kKeys; ++k) {
        VProfileKey key(store.Root(), ("Sessions\\Session " + std::to_string(k)).c_str());
        for (int v = 0; v < kValuesPerKey; ++v) key.SetSz(("Value " + std::to_string(v)).c_str(), "some text value");
      }
    }
    {
      VProfileStore store(true, &Factory());
      VString text;
      for (int k = 0; k < kKeys; ++k) {
        VProfileKey key(store.Root(), ("Sessions\\Session " + std::to_string(k)).c_str());
        for (int v = 0; v < kValuesPerKey; ++v) key.GetSz(("Value " + std::to_string(v)).c_str(), text);
      }
    }
  }
  state.SetItemsProcessed(state.iterations() * kKeys * kValuesPerKey * 2);
}
BENCHMARK(BM_SetSzGetSz)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_SetSz(benchmark::State& state) {
  ScopedRoot root;
  VProfileStore store(&Factory());
  VProfileKey key(store.Root(), "Writes");
  int i = 0;
  for (auto _ : state) key.SetSz(("Value " + std::to_string(i++ % 100000)).c_str(), "some text value");
}
BENCHMARK(BM_SetSz);

void BM_GetSz(benchmark::State& state) {
  ScopedRoot root;
  VProfileStore store(&Factory());
  VProfileKey key(store.Root(), "Reads");
  for (int i = 0; i < 100; ++i) key.SetSz(("Value " + std::to_string(i)).c_str(), "some text value");
  VString text;
  int i = 0;
  for (auto _ : state) key.GetSz(("Value " + std::to_string(i++ % 100)).c_str(), text);
}
BENCHMARK(BM_GetSz);

void BM_KeyExistsFourLevels(benchmark::State& state) {
  ScopedRoot root;
  VProfileStore store(&Factory());
  { VProfileKey deep(store.Root(), "One\\Two\\Three\\Four"); }
  for (auto _ : state) benchmark::DoNotOptimize(store.Root()->KeyExists("One\\Two\\Three\\Four"));
}
BENCHMARK(BM_KeyExistsFourLevels);

void BM_EnumerateTenThousandSubkeys(benchmark::State& state) {
  ScopedRoot root;
  {
    VProfileStore store(&Factory());
    VProfileKey parent(store.Root(), "Many");
    for (int i = 0; i < 10000; ++i) VProfileKey child(&parent, ("Session " + std::to_string(i)).c_str());
  }
  for (auto _ : state) {
    VProfileStore store(true, &Factory());
    VProfileKey parent(store.Root(), "Many");
    VProfileKeyIterator it(&parent, false);
    VString name;
    int count = 0;
    while (it.Next(name)) ++count;
    if (count != 10000) state.SkipWithError("enumeration lost names");
  }
  state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(BM_EnumerateTenThousandSubkeys)->Unit(benchmark::kMillisecond);

}  // namespace
