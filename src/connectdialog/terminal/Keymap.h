// What a terminal session does for each key and modifier combination: send a string, run a
// script, invoke a named function, or nothing. A keymap is a flat table of 4096 entries indexed
// by key index (virtual key in bits 0-7, then Extended 0x100, Ctrl 0x200, Shift 0x400, Alt
// 0x800), each an action code 0-137 and a value string. Unmapped entries (code 0) and empty
// values defer to an owned chain of fallback keymaps.
//
// Guarantees: no entry ever holds a code outside 0-137, and indices outside 0-4095 are
// ignored by the setters and read as unmapped by the getters, whatever a file or a caller says.
// Used on the user-interface thread only; the static tables are read-only.
#pragma once

#include <array>
#include <utility>
#include <vector>
#include <memory>

#include "VReportMessageParams.h"
#include "VString.h"
#include "terminal/KeymapCode.h"

class Keymap {
 public:
  struct code_tuple {
    int code;
    char const* name;
  };

  static constexpr int kIndexCount = 4096;
  static constexpr int kCodeCount = KeymapCode::Count;
  static constexpr int kExtended = 0x100;
  static constexpr int kCtrl = 0x200;
  static constexpr int kShift = 0x400;
  static constexpr int kAlt = 0x800;

  // The function vocabulary: row i has code i, then one terminating row {0, ""}.
  static code_tuple const code_table[kCodeCount + 1];

  Keymap() = default;
  virtual ~Keymap() = default;

  // Reads a keymap file over the current entries. False when the file cannot be opened (the
  // report holds the platform error code) or at the third bad line (report 0xE1600007); one
  // or two bad lines give true with the warning 0xA1600008. On success the fallback becomes a
  // fresh default keymap. The busy cursor shows while it reads.
  virtual bool Load(VString const& path, VReportMessageParams& report);
  // Writes the keymap's own entries, one CR LF line each, replacing the file atomically (the
  // file a symbolic link names, keeping its mode and owner), or in place when its folder takes no
  // new file. False when the file cannot be written. The busy cursor shows while it writes.
  virtual bool Save(VString const& path);

  // Own code when non-zero, else the first non-zero code down the fallback chain, else 0.
  int GetKeyCode(int index) const;
  // Codes outside 0-137 and indices outside 0-4095 are ignored.
  void SetKeyCode(int index, int code);
  // Every own code back to none; values and the fallback stay.
  void ClearKeyCodes();
  // Own value when non-empty, else the fallback's, else "".
  VString const& GetKeyValue(int index) const;
  void SetKeyValue(int index, VString const& value);
  // This keymap's entry alone, without the fallback chain.
  int GetOwnKeyCode(int index) const;
  VString const& GetOwnKeyValue(int index) const;

  int ContainsComments() const { return m_containsComments ? 1 : 0; }
  Keymap const* GetFallback() const { return m_fallback.get(); }

  // Exact, case-sensitive; "VT_HELP" and "VT_DO" are read as VT_F15 and VT_F16; -1 otherwise.
  static int LookupCodeByName(VString const& name);
  // "" for a code outside the table.
  static VString LookupNameByCode(int code);
  // Row i of code_table; a row outside 0-137 reads as the terminating row.
  static int GetCodeByIndex(int i);
  static VString GetNameByIndex(int i);

  void LoadDefault();
  void LoadVT100(bool withFallback, bool pcKeypadAsPF);
  void LoadVT220(bool withFallback);
  void LoadLinux(bool withFallback);
  void LoadSCOANSI(bool withFallback);
  void LoadWyse50(bool withFallback);
  void LoadWyse60(bool withFallback);
  void LoadXterm(bool withFallback);
  void LoadGatehold();

 protected:
  // Copies hold the entries only: no fallback, comments flag clear.
  Keymap(Keymap const& other);
  Keymap& operator=(Keymap const& other);

  // Replaces the fallback chain by a fresh default keymap.
  void InstallDefaultFallback();
  void SetContainsComments(bool contains) { m_containsComments = contains; }

 private:
  static bool IsIndex(int index) { return index >= 0 && index < kIndexCount; }
  // The position of the first value entry at or after `index`.
  size_t ValueSlot(int index) const;

  std::array<int, kIndexCount> m_codes{};
  // Only non-empty values, in index order: most keys send nothing of their own, and records
  // copy keymaps often.
  std::vector<std::pair<int, VString>> m_values;
  std::unique_ptr<Keymap> m_fallback;
  bool m_containsComments = false;
};
