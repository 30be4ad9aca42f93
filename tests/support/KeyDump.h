// A stable text dump of a store key: each value as "name = kind value" in the order the key
// lists them, then each subkey's dump under its "[path]". Bytes outside printable ASCII and the
// backslash are escaped, so a dump compares byte for byte and reads in a diff.
#pragma once

#include <string>
#include <vector>

#include "VProfileKey.h"
#include "VProfileKeyIterator.h"
#include "support/Hex.h"

inline std::string DumpText(std::string const& text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    if (c == '\\' || c == '"') out += {'\\', static_cast<char>(c)};
    else if (c < 0x20 || c >= 0x7F) out += "\\x" + Hex(std::string(1, static_cast<char>(c)));
    else out += static_cast<char>(c);
  }
  return out + "\"";
}

inline std::vector<std::string> KeyNames(VProfileKey* key, bool values) {
  std::vector<std::string> names;
  VProfileKeyIterator it(key, values);
  for (VString name; it.Next(name);) names.push_back(name.Str());
  return names;
}

// One value as its kind and contents; "<none>" when the key holds no value of that name.
inline std::string DumpValue(VProfileKey* key, std::string const& name) {
  unsigned long number = 0;
  if (key->GetDword(name.c_str(), number)) return "dword " + std::to_string(number);
  VString text;
  if (key->GetSz(name.c_str(), text)) return "sz " + DumpText(text.Str());
  VStringArray lines;
  if (key->GetMultiSz(name.c_str(), lines)) {
    std::string joined = "multi_sz";
    for (int i = 0; i < lines.GetSize(); ++i) joined += " " + DumpText(lines[i].Str());
    return joined;
  }
  std::string bytes(1 << 16, '\0');
  unsigned long size = bytes.size();
  if (!key->GetBinary(name.c_str(), bytes.data(), size)) return "<none>";
  return "binary " + Hex(std::string_view(bytes).substr(0, size));
}

inline std::string DumpKey(VProfileKey* key, std::string const& path = "") {
  std::string dump;
  for (std::string const& name : KeyNames(key, true)) dump += name + " = " + DumpValue(key, name) + "\n";
  for (std::string const& name : KeyNames(key, false)) {
    std::string const childPath = path.empty() ? name : path + "\\" + name;
    VProfileKey child(key, name.c_str());
    dump += "[" + childPath + "]\n" + DumpKey(&child, childPath);
  }
  return dump;
}
