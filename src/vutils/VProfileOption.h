// One row of a record's option table: the stored name, the member (by member pointer, so the
// row cannot point at a member of another type or class) and the default used when the key
// holds nothing. The kind follows from the member's class. Three shapes:
//   {"Port", &R::port, 22}       a value with a default (numbers, bools, texts, encoded texts,
//                                fixed-size binary records, text lists);
//   {"Login Script", &R::script} a line list, blob or list in its own key, which load without
//                                a default;
//   {&R::terminal}               a nested record, which loads its own table from the same key.
// Names are kept as pointers: give literals.
//
// A row also answers for the option model: the text of its default and whether a record's
// member holds it. Both make a value of the member's class with the default when asked, never
// during static initialisation. The default of a line list, blob or keymap is the empty value;
// a list in its own key names its default text with a static DefaultListText().
#pragma once

#include <concepts>
#include <functional>
#include <memory>
#include <type_traits>

#include "VProfile.h"
#include "VProfile2.h"
#include "VProfileBinary.h"
#include "VProfileBlob.h"
#include "VProfileData.h"
#include "VProfileDword.h"
#include "VProfileKind.h"
#include "VProfileMultiLineString.h"
#include "VProfileMultiSz.h"
#include "VProfileRecord.h"
#include "VProfileSz.h"

// Lists that keep their entries in a key of their own, which Load is given the name of.
template <typename M>
concept VProfileOwnKey =
    std::derived_from<M, VProfileData> && !std::derived_from<M, VProfileDword> && !std::derived_from<M, VProfileSz> &&
    !std::derived_from<M, VProfileMultiSz> && !std::derived_from<M, VProfileBinary> &&
    !std::derived_from<M, VProfileBlob> && !std::derived_from<M, VProfileRecord> &&
    requires(M m, VProfileKey* key) { m.Load(key, ""); };

// Values whose Load takes their name and knows its own default (an empty list or blob).
template <typename M>
concept VProfileNamedLoad =
    std::derived_from<M, VProfileMultiLineString> || std::derived_from<M, VProfileBlob> || VProfileOwnKey<M>;

// A default fits a value when it is of the value's kind: bools take bool, numbers any other
// integer, the rest what their Load takes.
template <typename M, typename D>
concept VProfileDefaultFor =
    !VProfileNamedLoad<M> && !std::derived_from<M, VProfileRecord> &&
    (std::derived_from<M, VProfileDword>
         ? (std::is_same_v<D, bool> == std::derived_from<M, VProfile<bool>> && std::is_integral_v<D>)
         : (requires(M m, VProfileKey* key, D value) { m.Load(key, "", value); } ||
            requires(M m, VProfileKey* key, D value) { m.Load(key, value); }));

template <typename R>
class VProfileOption {
 public:
  template <typename M, typename D>
    requires VProfileDefaultFor<M, D>
  VProfileOption(char const* name, M R::*member, D defaultValue)
      : m_name(name), m_kind(KindOf<M>()), m_member(Access(member)),
        m_load([name, member, defaultValue](R& record, VProfileKey* key) {
          LoadValue(record.*member, key, name, defaultValue);
        }),
        m_defaultText([name, defaultValue] { return Defaulted<M>(name, defaultValue)->ToText(); }),
        m_isDefault([name, member, defaultValue](R const& record) {
          return SameValue(record.*member, *Defaulted<M>(name, defaultValue));
        }) {}

  template <VProfileNamedLoad M>
  VProfileOption(char const* name, M R::*member)
      : m_name(name), m_kind(KindOf<M>()), m_member(Access(member)),
        m_load([name, member](R& record, VProfileKey* key) { (record.*member).Load(key, name); }),
        m_defaultText([name] { return NamedDefaultText<M>(name); }),
        m_isDefault([name, member](R const& record) {
          if constexpr (requires { M::DefaultListText(); })
            return (record.*member).ToText() == M::DefaultListText();
          else
            return SameValue(record.*member, *Fresh<M>(name));
        }) {}

  template <std::derived_from<VProfileRecord> M>
  VProfileOption(M R::*member)  // NOLINT: rows are written as braced lists
      : m_name(""), m_kind(VProfileKind::Record), m_member(Access(member)),
        m_load([member](R& record, VProfileKey* key) { (record.*member).Load(key); }),
        m_defaultText([] { return VString(); }),
        m_isDefault([member](R const& record) { return AllDefault(record.*member); }) {}

  char const* Name() const { return m_name; }
  VProfileKind Kind() const { return m_kind; }
  VProfileData* Member(R const& record) const { return m_member(record); }
  void Load(R& record, VProfileKey* key) const { m_load(record, key); }
  VString DefaultText() const { return m_defaultText(); }
  bool IsDefault(R const& record) const { return m_isDefault(record); }

 private:
  // A value may name its stored kind itself (kProfileKind) where its class does not tell it,
  // such as a binary value that loads by name.
  template <typename M>
  static constexpr VProfileKind KindOf() {
    if constexpr (requires { M::kProfileKind; }) {
      return M::kProfileKind;
    } else if constexpr (std::derived_from<M, VProfileDword>) {
      return VProfileKind::Number;
    } else if constexpr (std::derived_from<M, VProfileSz>) {
      return VProfileKind::Text;
    } else if constexpr (std::derived_from<M, VProfileMultiSz>) {
      return VProfileKind::TextList;
    } else if constexpr (std::derived_from<M, VProfileRecord>) {
      return VProfileKind::Record;
    } else if constexpr (VProfileOwnKey<M>) {
      return VProfileKind::Key;
    } else {
      static_assert(std::derived_from<M, VProfileBinary> || std::derived_from<M, VProfileBlob>,
                    "a record member is a profile value, a list in its own key or a record");
      return VProfileKind::Binary;
    }
  }

  // Loops reach members through a const record; the members themselves stay writable.
  template <typename M>
  static std::function<VProfileData*(R const&)> Access(M R::*member) {
    return [member](R const& record) -> VProfileData* { return const_cast<M*>(&(record.*member)); };
  }

  template <typename M, typename D>
  static void LoadValue(M& member, VProfileKey* key, char const* name, D const& defaultValue) {
    if constexpr (requires { member.Load(key, name, defaultValue); }) {
      member.Load(key, name, defaultValue);
    } else {
      member.SetName(name);
      member.Load(key, defaultValue);
    }
  }

  template <typename M, typename D>
  static std::unique_ptr<M> Defaulted(char const* name, D const& defaultValue) {
    auto value = std::make_unique<M>();
    LoadValue(*value, nullptr, name, defaultValue);
    return value;
  }

  // On the heap: a keymap is too large for the stack.
  template <typename M>
  static std::unique_ptr<M> Fresh(char const* name) {
    auto value = std::make_unique<M>();
    value->SetName(name);
    return value;
  }

  template <typename M>
  static VString NamedDefaultText(char const* name) {
    if constexpr (requires { M::DefaultListText(); })
      return M::DefaultListText();
    else
      return Fresh<M>(name)->ToText();
  }

  // Texts are exact except a secret's, which is masked: secrets compare as they are.
  template <typename M>
  static bool SameValue(M const& a, M const& b) {
    if constexpr (std::derived_from<M, VProfile2<VString, VProfileSz>>)
      return a.Current() == b.Current();
    else
      return a.ToText() == b.ToText();
  }

  static bool AllDefault(VProfileRecord const& record) {
    VProfileOptionTable const& table = record.ProfileTable();
    for (int i = 0; i < table.Count(); ++i)
      if (!table.IsDefault(record, i)) return false;
    return true;
  }

  char const* m_name;
  VProfileKind m_kind;
  std::function<VProfileData*(R const&)> m_member;
  std::function<void(R&, VProfileKey*)> m_load;
  std::function<VString()> m_defaultText;
  std::function<bool(R const&)> m_isDefault;
};
