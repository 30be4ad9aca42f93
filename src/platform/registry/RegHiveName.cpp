#include "platform/registry/RegHiveName.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace {

struct HiveNames {
  char const* longName;
  char const* shortName;
  HKEY root;
};

std::array<HiveNames, 3> const& Hives() {
  static std::array<HiveNames, 3> const hives{{{"HKEY_CURRENT_USER", "HKCU", HKEY_CURRENT_USER},
                                          {"HKEY_LOCAL_MACHINE", "HKLM", HKEY_LOCAL_MACHINE},
                                          {"HKEY_CLASSES_ROOT", "HKCR", HKEY_CLASSES_ROOT}}};
  return hives;
}

bool SameName(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) {
    return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
  });
}

}  // namespace

HKEY RegHiveName::Resolve(std::string_view name) {
  for (auto const& hive : Hives())
    if (SameName(name, hive.longName) || SameName(name, hive.shortName)) return hive.root;
  return nullptr;
}

std::string RegHiveName::LongName(HKEY root) {
  for (auto const& hive : Hives())
    if (hive.root == root) return hive.longName;
  return {};
}
