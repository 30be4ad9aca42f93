#include "terminal/ProfileKeymapFormat.h"

#include <cstdint>
#include <cstring>
#include <string_view>

#include "terminal/Keymap.h"

namespace {

void PutUint32(std::vector<unsigned char>& bytes, size_t at, uint32_t number) {
  for (int shift = 24, i = 0; shift >= 0; shift -= 8, ++i)
    bytes[at + static_cast<size_t>(i)] = static_cast<unsigned char>(number >> shift);
}

uint32_t GetUint32(unsigned char const* data) {
  return (uint32_t{data[0]} << 24) | (uint32_t{data[1]} << 16) | (uint32_t{data[2]} << 8) | uint32_t{data[3]};
}

void AppendString(std::vector<unsigned char>& bytes, std::string_view text) {
  bytes.insert(bytes.end(), text.begin(), text.end());
  bytes.push_back(0);
}

// The bytes from `position` to the next NUL or the end; `position` moves past the NUL.
// `ended` is cleared when no NUL was found.
std::string_view ReadString(unsigned char const* data, size_t size, size_t& position, bool& ended) {
  auto const* start = reinterpret_cast<char const*>(data + position);
  size_t const available = size - position;
  auto const* nul = static_cast<char const*>(std::memchr(start, 0, available));
  size_t const length = nul ? static_cast<size_t>(nul - start) : available;
  position += nul ? length + 1 : length;
  ended = ended && nul;
  return {start, length};
}

}  // namespace

std::vector<unsigned char> ProfileKeymapFormat::Serialize(Keymap const& keymap) {
  std::vector<unsigned char> bytes(4);
  uint32_t count = 0;
  for (int index = 0; index < Keymap::kIndexCount; ++index) {
    int const code = keymap.GetKeyCode(index);
    if (code == KeymapCode::NONE) continue;
    std::string_view const name = Keymap::code_table[code].name;
    std::string_view const value = keymap.GetKeyValue(index).c_str();  // up to its first NUL
    if (bytes.size() + 4 + name.size() + 1 + value.size() + 1 > kMaxBytes) break;
    size_t const at = bytes.size();
    bytes.resize(at + 4);
    PutUint32(bytes, at, static_cast<uint32_t>(index));
    AppendString(bytes, name);
    AppendString(bytes, value);
    ++count;
  }
  PutUint32(bytes, 0, count);
  return bytes;
}

ProfileKeymapFormat::ParseResult ProfileKeymapFormat::Parse(unsigned char const* data, size_t size, Keymap& keymap) {
  if (size < 4) return ParseResult::TooShort;
  uint32_t const count = GetUint32(data);
  size_t position = 4;
  uint32_t record = 0;
  bool whole = true;
  for (; record < count && position < size; ++record) {
    if (size - position < 4) return ParseResult::BrokenRecord;
    uint32_t const index = GetUint32(data + position);
    position += 4;
    std::string_view const name = ReadString(data, size, position, whole);
    std::string_view const value = ReadString(data, size, position, whole);
    int const code = Keymap::LookupCodeByName(VString(name));
    if (code > KeymapCode::NONE && index < static_cast<uint32_t>(Keymap::kIndexCount)) {
      keymap.SetKeyCode(static_cast<int>(index), code);
      keymap.SetKeyValue(static_cast<int>(index), VString(value));
    } else {
      whole = false;
    }
  }
  return whole && record == count && position == size ? ParseResult::Complete : ParseResult::Irregular;
}
