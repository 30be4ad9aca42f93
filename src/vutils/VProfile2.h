// Values that are their element: VProfile2<VString, VProfileSz> (text),
// VProfile2<T, VProfileBinary> (a fixed-size record stored as exactly sizeof(T) bytes) and
// VProfile2<VStringArray, VProfileMultiSz> (text list). The owner reads and assigns the
// current value directly; that never touches the checkpoint or the dirty flag.
#pragma once

#include <cstring>
#include <type_traits>
#include <vector>

#include "VOptionText.h"
#include "VProfileBinary.h"
#include "VProfileMultiSz.h"
#include "VProfileSz.h"
#include "VString.h"
#include "VStringArray.h"

template <typename T, typename Base>
class VProfile2;

template <>
class VProfile2<VString, VProfileSz> : public VProfileSz, public VString {
 public:
  VProfile2() = default;
  VProfile2(VProfile2 const&) = default;
  VProfile2& operator=(VProfile2 const&) = default;
  VProfile2& operator=(VString const& value) {
    VString::operator=(value);
    return *this;
  }
  VProfile2& operator=(char const* value) {
    VString::operator=(value);
    return *this;
  }

  // Marks current and checkpoint to be wiped when released (secrets).
  void SetSensitive(bool sensitive = true) {
    VString::SetSensitive(sensitive);
    m_checkpoint.SetSensitive(sensitive);
  }

  bool Load(VProfileKey* key, VString const& defaultValue);
  // Takes the converter's string; when the converter fails with 0xE1040047 (not a text it
  // converts) takes the text unchanged and clears the report.
  bool SetFromText(VString const& text, IProfileTextConverter& converter, IReportMessageParams& report) override;
  void Save(VProfileKey* key, bool force) override;
  bool IsModified() const override { return Current() != m_checkpoint; }
  void Checkpoint() override;
  void Rollback() override { VString::operator=(m_checkpoint); }
  // Accepts any text value.
  void ApplyDelta(VProfileData const* other) override;

  VOptionForm Form() const override { return VOptionForm::Text; }
  VString ToText() const override { return Current(); }
  bool FromText(VString const& text, VString& error) override;

  VString const& Current() const { return *this; }

 protected:
  // The end of every load: current from the store or the default, dirty when nothing was found.
  void TakeLoaded(bool found, VString const& value, VString const& defaultValue);
  // The end of every save.
  void MarkSaved();

 private:
  VString m_checkpoint;
};

template <typename T>
class VProfile2<T, VProfileBinary> : public VProfileBinary, public T {
  static_assert(std::is_trivially_copyable_v<T>, "records are stored as their bytes");

 public:
  VProfile2() : T() {}
  VProfile2(VProfile2 const&) = default;
  VProfile2& operator=(VProfile2 const&) = default;
  VProfile2& operator=(T const& value) {
    Current() = value;
    return *this;
  }

  // A shorter stored block fills only its length and leaves the rest as it was.
  bool Load(VProfileKey* key, T const& defaultValue) {
    T record = Current();
    bool const found = ReadBinary(key, &record, sizeof(T));
    Current() = found ? record : defaultValue;
    SetDirty(!found);
    m_checkpoint = Current();
    return true;
  }

  void Save(VProfileKey* key, bool force) override {
    if (!NeedsSave(force)) return;
    T const record = Current();
    WriteBinary(key, &record, sizeof(T));
    SetDirty(false);
    m_checkpoint = Current();
  }

  bool IsModified() const override { return !Same(Current(), m_checkpoint); }

  void Checkpoint() override {
    if (IsModified()) SetDirty(true);
    m_checkpoint = Current();
  }

  void Rollback() override { Current() = m_checkpoint; }

  void ApplyDelta(VProfileData const* other) override {
    if (auto const* same = dynamic_cast<VProfile2 const*>(other)) Current() = same->Current();
  }

  VOptionForm Form() const override { return VOptionForm::Record; }
  // The bytes a save writes.
  VString ToText() const override {
    T const record = Current();
    return VOptionText::Hex(&record, sizeof(T));
  }
  bool FromText(VString const& text, VString& error) override {
    std::vector<unsigned char> bytes;
    if (!VOptionText::ParseHex(text.View(), bytes) || bytes.size() != sizeof(T)) {
      error = VOptionText::Refusal(GetName(), VOptionText::RecordAccepted(sizeof(T)), text);
      return false;
    }
    T record = Current();
    std::memcpy(static_cast<void*>(&record), bytes.data(), sizeof(T));
    Current() = record;
    return true;
  }

  T& Current() { return *this; }
  T const& Current() const { return *this; }

 private:
  // A record's own equality where it has one, else its bytes.
  static bool Same(T const& a, T const& b) {
    if constexpr (requires { a == b; })
      return a == b;
    else
      return std::memcmp(&a, &b, sizeof(T)) == 0;
  }

  T m_checkpoint{};
};

template <>
class VProfile2<VStringArray, VProfileMultiSz> : public VProfileMultiSz, public VStringArray {
 public:
  VProfile2() = default;
  VProfile2(VProfile2 const&) = default;
  VProfile2& operator=(VProfile2 const&) = default;
  VProfile2& operator=(VStringArray const& value) {
    VStringArray::operator=(value);
    return *this;
  }

  bool Load(VProfileKey* key, VStringArray const& defaultValue);
  // Takes the converter's list.
  bool SetFromText(VString const& text, IProfileTextConverter& converter, IReportMessageParams& report) override;
  void Save(VProfileKey* key, bool force) override;
  bool IsModified() const override { return Current() != m_checkpoint; }
  void Checkpoint() override;
  void Rollback() override { VStringArray::operator=(m_checkpoint); }
  void ApplyDelta(VProfileData const* other) override;

  VOptionForm Form() const override { return VOptionForm::TextList; }
  VString ToText() const override;
  bool FromText(VString const& text, VString& error) override;

  VStringArray const& Current() const { return *this; }

 private:
  VStringArray m_checkpoint;
};
