#include "RegValueView.h"

#include <cstdio>

namespace {

// Text without its terminating NUL.
std::string Text(std::string_view data) {
  if (data.ends_with('\0')) data.remove_suffix(1);
  return std::string(data);
}

// NUL-terminated items up to the empty item that ends the list.
// Each item ends in a NUL and the list in one more; empty items inside the list are items.
nlohmann::ordered_json Items(std::string_view data) {
  nlohmann::ordered_json items = nlohmann::ordered_json::array();
  if (data.ends_with('\0')) data.remove_suffix(1);
  while (!data.empty()) {
    std::size_t const end = data.find('\0');
    items.push_back(std::string(data.substr(0, end)));
    if (end == std::string_view::npos) break;
    data.remove_prefix(end + 1);
  }
  return items;
}

unsigned long Dword(std::string_view data) {
  unsigned long value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(data[i]);
  return value;
}

}  // namespace

nlohmann::ordered_json RegValueView::ToJson(RegFileOperation const& value) {
  nlohmann::ordered_json data;
  if (value.type == REG_SZ || value.type == REG_EXPAND_SZ) data = Text(value.data);
  else if (value.type == REG_DWORD && value.data.size() == 4) data = Dword(value.data);
  else if (value.type == REG_MULTI_SZ) data = Items(value.data);
  else data = Hex(value.data);
  return {{"name", value.name}, {"type", TypeName(value.type)}, {"data", std::move(data)}};
}

std::string RegValueView::PlainData(nlohmann::ordered_json const& value) {
  nlohmann::ordered_json const& data = value["data"];
  if (data.is_number()) return std::to_string(data.get<unsigned long>());
  if (data.is_string()) return data.get<std::string>();
  std::string line;
  for (auto const& item : data) line += (line.empty() ? "\"" : " \"") + item.get<std::string>() + '"';
  return line;
}

std::string RegValueView::PlainDataLines(nlohmann::ordered_json const& value) {
  if (!value["data"].is_array()) return PlainData(value) + '\n';
  std::string lines;
  for (auto const& item : value["data"]) lines += item.get<std::string>() + '\n';
  return lines;
}

std::string RegValueView::PlainLine(nlohmann::ordered_json const& value) {
  std::string const name = value["name"].get<std::string>();
  return (name.empty() ? "(default)" : name) + "  " + value["type"].get<std::string>() + "  " + PlainData(value);
}

std::string RegValueView::TypeName(unsigned long type) {
  switch (type) {
    case REG_NONE: return "REG_NONE";
    case REG_SZ: return "REG_SZ";
    case REG_EXPAND_SZ: return "REG_EXPAND_SZ";
    case REG_BINARY: return "REG_BINARY";
    case REG_DWORD: return "REG_DWORD";
    case REG_DWORD_BIG_ENDIAN: return "REG_DWORD_BIG_ENDIAN";
    case REG_LINK: return "REG_LINK";
    case REG_MULTI_SZ: return "REG_MULTI_SZ";
    case 8: return "REG_RESOURCE_LIST";
    case 9: return "REG_FULL_RESOURCE_DESCRIPTOR";
    case 10: return "REG_RESOURCE_REQUIREMENTS_LIST";
    case REG_QWORD: return "REG_QWORD";
    default: {
      char buffer[32];
      std::snprintf(buffer, sizeof buffer, "REG_TYPE_0x%lx", type);
      return buffer;
    }
  }
}

std::string RegValueView::Hex(std::string_view bytes) {
  static char const digits[] = "0123456789abcdef";
  std::string hex;
  hex.reserve(bytes.size() * 2);
  for (unsigned char byte : bytes) {
    hex += digits[byte >> 4];
    hex += digits[byte & 0x0F];
  }
  return hex;
}
