// Keymap hot paths: loading a large keymap file, and the stored form of a session's keymap.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "VReportMessageParams.h"
#include "terminal/Keymap.h"
#include "terminal/KeymapFileWriter.h"
#include "terminal/ProfileKeymapFormat.h"

namespace {

// 4,000 lines: every fifth a comment, the others functions, strings and scripts over many keys.
std::string LargeKeymapText() {
  static char const* const kModifiers[] = {"N", "E", "C", "S", "A", "CS", "CE", "SE", "ACSE", "AE"};
  std::string text;
  for (int line = 0; line < 4000; ++line) {
    if (line % 5 == 0) {
      text += "; section " + std::to_string(line) + "\r\n";
      continue;
    }
    std::string const key = line % 3 ? "VK_F" + std::to_string(1 + line % 24) : "0x" + std::to_string(30 + line % 60);
    text += std::string(kModifiers[line % 10]) + "\t" + key + "\t";
    switch (line % 4) {
      case 0: text += "\"\\033[" + std::to_string(line) + "~\""; break;
      case 1: text += "RUN(\"/usr/local/share/scripts/s" + std::to_string(line) + ".py\")"; break;
      default: text += Keymap::GetNameByIndex(4 + line % 134).Str();
    }
    text += "\r\n";
  }
  return text;
}

class KeymapFixture : public Keymap {};

void BM_LoadKeymapFile4000Lines(benchmark::State& state) {
  std::filesystem::path const path = std::filesystem::temp_directory_path() / "brimvale-bench-keymap.map";
  std::ofstream(path, std::ios::binary) << LargeKeymapText();
  for (auto _ : state) {
    KeymapFixture keymap;
    VReportMessageParams report;
    if (!keymap.Load(path.c_str(), report)) state.SkipWithError("load failed");
    benchmark::DoNotOptimize(keymap.GetKeyCode(0x70));
  }
  std::filesystem::remove(path);
}
BENCHMARK(BM_LoadKeymapFile4000Lines)->Unit(benchmark::kMicrosecond);

// Every index mapped: the stored form keeps as many records as 32,000 bytes hold.
void BM_ProfileKeymapSerializeAndParse(benchmark::State& state) {
  KeymapFixture full;
  for (int index = 0; index < Keymap::kIndexCount; ++index) {
    full.SetKeyCode(index, index % 3 ? 4 + index % 134 : KeymapCode::SEND);
    if (index % 3 == 0) full.SetKeyValue(index, "\\033[" + std::to_string(index));
  }
  size_t stored = 0;
  for (auto _ : state) {
    std::vector<unsigned char> const bytes = ProfileKeymapFormat::Serialize(full);
    KeymapFixture back;
    ProfileKeymapFormat::Parse(bytes.data(), bytes.size(), back);
    stored = bytes.size();
    benchmark::DoNotOptimize(back.GetKeyCode(1));
  }
  state.counters["bytes"] = static_cast<double>(stored);
}
BENCHMARK(BM_ProfileKeymapSerializeAndParse)->Unit(benchmark::kMicrosecond);

}  // namespace
