// Applies parsed export-file steps to the registry, all or nothing: it first opens a write unit of
// work on every hive the steps touch, then applies them in order; on any failure it dooms every
// unit, so nothing of the file reaches any hive. Deleting a key or value that is missing is not
// a failure, as in the registry editor.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/registry/RegFileOperation.h"
#include "platform/types/WinTypes.h"

class RegFileApplier {
 public:
  // Where the keys of a hive named in the file land: an open root handle and a key path under it
  // (empty for the root itself). Returns false for a hive that has no place.
  using Target = std::function<bool(std::string_view hiveName, HKEY& root, std::string& prefix)>;

  explicit RegFileApplier(Target target) : m_target(std::move(target)) {}

  // Returns false with Error() set ("line 7: could not set value ...: access denied").
  bool Apply(std::vector<RegFileOperation> const& steps);
  std::string const& Error() const { return m_error; }

 private:
  struct Place {
    HKEY root = nullptr;
    std::string subKey;
  };

  bool Resolve(RegFileOperation const& step, Place& place);
  bool BeginUnits(std::vector<Place> const& places);
  bool EndUnits(bool commit);
  bool ApplyStep(RegFileOperation const& step, Place const& place);
  bool CreateKey(RegFileOperation const& step, Place const& place);
  bool DeleteKey(RegFileOperation const& step, Place const& place);
  bool SetValue(RegFileOperation const& step, Place const& place);
  bool DeleteValue(RegFileOperation const& step, Place const& place);
  bool Fail(RegFileOperation const& step, std::string const& what, LSTATUS status);

  Target m_target;
  std::vector<HKEY> m_openUnits;
  std::string m_error;
};
