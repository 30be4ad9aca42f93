// Registry export files from anywhere: the parser must refuse or accept, never crash. What it
// accepts is applied to a hive file of this process's own, one key per hive named in the file:
// the hive must then hold exactly the keys and values that the steps describe, and when the
// applier refuses, nothing at all.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/registry/NameFolding.h"
#include "platform/registry/RegFileApplier.h"
#include "platform/registry/RegFileParser.h"
#include "platform/registry/RegHiveName.h"
#include "platform/registry/RegKeyReader.h"
#include "platform/registry/Registry.h"

namespace {

using Kind = RegFileOperation::Kind;

// Keys by folded path, values by folded key path and folded name.
struct Contents {
  std::set<std::string> keys;
  std::map<std::pair<std::string, std::string>, std::pair<unsigned long, std::string>> values;

  bool operator==(Contents const&) const = default;
};

class ScratchHive {
 public:
  ScratchHive() {
    char const* tmp = std::getenv("TMPDIR");
    m_path = std::string(tmp && *tmp ? tmp : "/tmp") + "/fuzz_reg_file." + std::to_string(getpid()) + ".db";
    if (RegOpenHiveFile(m_path.c_str(), &m_root) != ERROR_SUCCESS) std::abort();
  }
  ~ScratchHive() {
    RegCloseKey(m_root);
    RegUnloadHives();
    for (char const* suffix : {"", "-wal", "-shm"}) std::remove((m_path + suffix).c_str());
  }
  HKEY Root() const { return m_root; }

 private:
  std::string m_path;
  HKEY m_root = nullptr;
};

std::string FoldPath(std::string_view path) {
  std::string folded;
  while (true) {
    std::size_t const slash = path.find('\\');
    folded += FoldName(path.substr(0, slash));
    if (slash == std::string_view::npos) return folded;
    folded += '\\';
    path.remove_prefix(slash + 1);
  }
}

// The step's key as the applier places it: under a key named after the hive's long name.
std::string PlacedPath(std::string const& key) {
  std::size_t const slash = key.find('\\');
  std::string const hive = RegHiveName::LongName(RegHiveName::Resolve(std::string_view(key).substr(0, slash)));
  return FoldPath(slash == std::string::npos ? hive : hive + key.substr(slash));
}

void AddKey(Contents& model, std::string const& path) {
  for (std::size_t slash = path.find('\\'); slash != std::string::npos; slash = path.find('\\', slash + 1))
    model.keys.insert(path.substr(0, slash));
  model.keys.insert(path);
}

bool IsWithin(std::string const& path, std::string const& top) {
  return path == top || (path.starts_with(top) && path[top.size()] == '\\');
}

void DeleteKey(Contents& model, std::string const& path) {
  std::erase_if(model.keys, [&](std::string const& key) { return IsWithin(key, path); });
  std::erase_if(model.values, [&](auto const& value) { return IsWithin(value.first.first, path); });
}

// What applying the steps in order should leave in an empty hive.
Contents Expected(std::vector<RegFileOperation> const& steps) {
  Contents model;
  for (RegFileOperation const& step : steps) {
    std::string const path = PlacedPath(step.key);
    std::pair<std::string, std::string> const value{path, FoldName(step.name)};
    if (step.kind == Kind::CreateKey) AddKey(model, path);
    if (step.kind == Kind::DeleteKey) DeleteKey(model, path);
    if (step.kind == Kind::DeleteValue) model.values.erase(value);
    if (step.kind != Kind::SetValue) continue;
    AddKey(model, path);
    model.values[value] = {step.type, step.data};
  }
  return model;
}

Contents Actual(HKEY root) {
  std::vector<RegFileOperation> steps;
  if (RegKeyReader::Collect(root, "", steps, true) != ERROR_SUCCESS) std::abort();
  Contents actual;
  for (RegFileOperation const& step : steps) {
    // Collected from the root named "", every path below it starts with a backslash.
    std::string const path = step.key.empty() ? std::string() : FoldPath(step.key.substr(1));
    if (step.kind == Kind::CreateKey && !step.key.empty()) actual.keys.insert(path);
    if (step.kind == Kind::SetValue) actual.values[{path, FoldName(step.name)}] = {step.type, step.data};
  }
  return actual;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size) {
  RegFileParser parser;
  if (!parser.Parse(std::string_view(reinterpret_cast<char const*>(data), size))) return 0;
  static ScratchHive hive;
  if (RegDeleteTree(hive.Root(), nullptr) != ERROR_SUCCESS) std::abort();
  RegFileApplier applier([](std::string_view name, HKEY& root, std::string& prefix) {
    root = hive.Root();
    prefix = RegHiveName::LongName(RegHiveName::Resolve(name));
    return !prefix.empty();
  });
  bool const applied = applier.Apply(parser.Operations());
  if (Actual(hive.Root()) != (applied ? Expected(parser.Operations()) : Contents{})) std::abort();
  return 0;
}
