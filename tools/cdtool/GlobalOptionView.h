// How `cdtool global` shows the options of a GlobalConfig: each option's stored name, its type
// (number, flag, text, record or list) and its current value as it would be stored: numbers
// signed, flags true or false, texts as they are, records as lowercase hex of their bytes, the
// colour scheme list as its names. "Config Path" comes last; it is kept per product in the
// user's registry, not in "Global".
#pragma once

#include <nlohmann/json.hpp>

#include <cstddef>
#include <string>
#include <vector>

class GlobalConfig;
class VProfileKey;
class VProfileRecord;

struct GlobalOption {
  std::string name;
  std::string type;
  nlohmann::ordered_json value;
  std::size_t size = 0;  // a record's length in bytes; 0 for a record of any length
};

class GlobalOptionView {
 public:
  // Every option of `config` in load order. Renders through a forced save into memory, so
  // `config` is left checkpointed: give it a record that is not saved afterwards.
  static std::vector<GlobalOption> Options(GlobalConfig& config);
  // The option whose name matches `name` without regard to case; null when there is none.
  static GlobalOption const* Find(std::vector<GlobalOption> const& options, std::string const& name);
  static nlohmann::ordered_json ToJson(GlobalOption const& option);
  // The value on one line, as `get` prints it.
  static std::string PlainValue(GlobalOption const& option);

 private:
  static void AddOptions(VProfileRecord& record, VProfileKey& scratch, std::vector<GlobalOption>& options);
};
