#include "RecentSessions.h"

#include <algorithm>

#include "VProfileKey.h"
#include "VProfileStore.h"

namespace {

constexpr char kKey[] = "Recent Sessions";
constexpr char kValue[] = "Sessions";

std::vector<std::string> Stored() {
  VProfileStore store(true, nullptr);
  VProfileKey key(store.Root(), kKey);
  VStringArray paths;
  std::vector<std::string> list;
  if (key.GetMultiSz(kValue, paths))
    for (VString const& path : paths) list.push_back(path.Str());
  return list;
}

}  // namespace

std::vector<std::string> RecentSessions::List(int count) {
  std::vector<std::string> list = Stored();
  list.resize(std::min<size_t>(list.size(), static_cast<size_t>(std::clamp(count, 0, kMost))));
  return list;
}

bool RecentSessions::Add(std::string const& path) {
  std::vector<std::string> list = Stored();
  std::erase(list, path);
  list.insert(list.begin(), path);
  if (list.size() > kMost) list.resize(kMost);
  VStringArray paths;
  for (std::string const& each : list) paths.Add(VString(each.c_str()));
  VProfileStore store;
  VProfileKey key(store.Root(), kKey);
  return key.SetMultiSz(kValue, paths);
}
