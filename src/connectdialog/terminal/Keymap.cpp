#include "terminal/Keymap.h"

#include <algorithm>
#include <cstddef>
#include <string>

#include "VFile.h"
#include "platform/debug/DebugTrace.h"
#include "platform/files/AtomicFileWriter.h"
#include "platform/shell/ExecutableFolder.h"
#include "platform/types/FileConstants.h"
#include "platform/types/LastError.h"
#include "platform/ui/BusyCursor.h"
#include "resources/MessageCodes.h"
#include "terminal/KeymapBuiltIn.h"
#include "terminal/KeymapFileReader.h"
#include "terminal/KeymapFileWriter.h"

namespace {


VString const kNoValue;

// The path as given, then the same name in the "keymaps" folder beside the executable. On
// failure the last error is that of the second attempt.
bool OpenKeymapFile(VFile& file, VString const& path) {
  if (file.Open(path, GENERIC_READ, OPEN_EXISTING)) return true;
  std::string const besideExecutable = ExecutableFolder() + "/keymaps/" + path.Str();
  return file.Open(besideExecutable.c_str(), GENERIC_READ, OPEN_EXISTING);
}

}  // namespace

#define KEYMAP_FUNCTION(name) {KeymapCode::name, #name},
Keymap::code_tuple const Keymap::code_table[kCodeCount + 1] = {
#include "terminal/KeymapFunctions.inc"
    {0, ""}};
#undef KEYMAP_FUNCTION

Keymap::Keymap(Keymap const& other) : m_codes(other.m_codes), m_values(other.m_values) {}

Keymap& Keymap::operator=(Keymap const& other) {
  if (this == &other) return *this;
  m_codes = other.m_codes;
  m_values = other.m_values;
  m_fallback.reset();
  m_containsComments = false;
  return *this;
}

int Keymap::GetKeyCode(int index) const {
  if (!IsIndex(index)) return KeymapCode::NONE;
  for (Keymap const* keymap = this; keymap; keymap = keymap->m_fallback.get())
    if (int const code = keymap->m_codes[static_cast<size_t>(index)]; code != KeymapCode::NONE) return code;
  return KeymapCode::NONE;
}

void Keymap::SetKeyCode(int index, int code) {
  if (IsIndex(index) && code >= 0 && code < kCodeCount) m_codes[static_cast<size_t>(index)] = code;
}

void Keymap::ClearKeyCodes() { m_codes.fill(KeymapCode::NONE); }

VString const& Keymap::GetKeyValue(int index) const {
  if (!IsIndex(index)) return kNoValue;
  for (Keymap const* keymap = this; keymap; keymap = keymap->m_fallback.get())
    if (VString const& value = keymap->GetOwnKeyValue(index); !value.IsEmpty()) return value;
  return kNoValue;
}

void Keymap::SetKeyValue(int index, VString const& value) {
  if (!IsIndex(index)) return;
  auto const at = m_values.begin() + static_cast<std::ptrdiff_t>(ValueSlot(index));
  bool const present = at != m_values.end() && at->first == index;
  if (value.IsEmpty()) {
    if (present) m_values.erase(at);
  } else if (present) {
    at->second = value;
  } else {
    m_values.emplace(at, index, value);
  }
}

int Keymap::GetOwnKeyCode(int index) const {
  return IsIndex(index) ? m_codes[static_cast<size_t>(index)] : KeymapCode::NONE;
}

VString const& Keymap::GetOwnKeyValue(int index) const {
  size_t const slot = ValueSlot(index);
  return slot < m_values.size() && m_values[slot].first == index ? m_values[slot].second : kNoValue;
}

// Loaders set values in index order, so the search usually ends at the back.
size_t Keymap::ValueSlot(int index) const {
  if (m_values.empty() || m_values.back().first < index) return m_values.size();
  auto const at = std::lower_bound(m_values.begin(), m_values.end(), index,
                                   [](std::pair<int, VString> const& entry, int wanted) { return entry.first < wanted; });
  return static_cast<size_t>(at - m_values.begin());
}

int Keymap::LookupCodeByName(VString const& name) {
  // Names are unique, so a search in name order finds the row that a walk in table order would.
  static std::array<code_tuple, kCodeCount> const byName = [] {
    std::array<code_tuple, kCodeCount> rows;
    std::copy(code_table, code_table + kCodeCount, rows.begin());
    std::ranges::sort(rows, {}, [](code_tuple const& row) { return std::string_view(row.name); });
    return rows;
  }();
  auto const found = std::ranges::lower_bound(byName, name.View(), {},
                                              [](code_tuple const& row) { return std::string_view(row.name); });
  if (found != byName.end() && std::string_view(found->name) == name.View()) return found->code;
  // Older names, read but never written.
  if (name == "VT_HELP") return KeymapCode::VT_F15;
  if (name == "VT_DO") return KeymapCode::VT_F16;
  return -1;
}

VString Keymap::LookupNameByCode(int code) {
  for (int i = 0; i < kCodeCount; ++i)
    if (code_table[i].code == code) return code_table[i].name;
  return {};
}

int Keymap::GetCodeByIndex(int i) { return code_table[i >= 0 && i < kCodeCount ? i : kCodeCount].code; }

VString Keymap::GetNameByIndex(int i) { return code_table[i >= 0 && i < kCodeCount ? i : kCodeCount].name; }

bool Keymap::Load(VString const& path, VReportMessageParams& report) {
  BusyCursor const busy;
  report.Reset(0);
  VFile file;
  if (!OpenKeymapFile(file, path)) {
    report.Reset(GetLastError());
    return false;
  }
  KeymapFileReader reader(*this);
  VString line;
  for (int number = 1; !reader.Stopped() && file.ReadLine(line); ++number)
    reader.ReadLine(line.View(), number);
  m_containsComments = reader.SawComment();
  if (reader.ErrorCount() > 0) {
    report.Reset(reader.Stopped() ? message::kKeymapLoadFailed : message::kKeymapLoadedWithErrors);
    report.AddString(path);
    report.AddString(reader.ErrorText().c_str());
  }
  if (reader.Stopped()) return false;
  InstallDefaultFallback();
  return true;
}

bool Keymap::Save(VString const& path) {
  BusyCursor const busy;
  AtomicFileWriter writer;
  AtomicFileWriter::Result const result = writer.Write(path.Str(), KeymapFileWriter::Text(*this));
  if (result == AtomicFileWriter::Result::WrittenInPlace)
    DebugTrace::Write(("keymap: " + writer.Report() + "\n").c_str());
  return result != AtomicFileWriter::Result::Failed;
}

void Keymap::InstallDefaultFallback() {
  auto fallback = std::make_unique<Keymap>();
  fallback->LoadDefault();
  m_fallback = std::move(fallback);
}

void Keymap::LoadDefault() { KeymapBuiltIn::Default(*this); }

void Keymap::LoadVT100(bool withFallback, bool pcKeypadAsPF) {
  KeymapBuiltIn::VT100(*this, pcKeypadAsPF);
  if (withFallback) InstallDefaultFallback();
}

void Keymap::LoadVT220(bool withFallback) {
  KeymapBuiltIn::VT220(*this);
  if (withFallback) InstallDefaultFallback();
}

void Keymap::LoadLinux(bool withFallback) {
  KeymapBuiltIn::Linux(*this);
  if (withFallback) InstallDefaultFallback();
}

void Keymap::LoadSCOANSI(bool withFallback) {
  KeymapBuiltIn::SCOANSI(*this);
  if (withFallback) InstallDefaultFallback();
}

void Keymap::LoadWyse50(bool withFallback) {
  KeymapBuiltIn::Wyse(*this);
  if (withFallback) InstallDefaultFallback();
}

void Keymap::LoadWyse60(bool withFallback) { LoadWyse50(withFallback); }

void Keymap::LoadXterm(bool withFallback) {
  LoadVT220(withFallback);
  KeymapBuiltIn::Xterm(*this);
}

void Keymap::LoadGatehold() {
  KeymapBuiltIn::Gatehold(*this);
  InstallDefaultFallback();
}
