// The load, dirty, save, reload protocol that every kind of stored value keeps. Each kind has a
// default (variant 1) and a second value (variant 2).
#include <gtest/gtest.h>

#include <cstring>

#include "MemoryKey.h"
#include "VProfile.h"
#include "VProfile2.h"
#include "VProfileBlob.h"
#include "VProfileCapiString.h"
#include "VProfileEncodedString.h"
#include "VProfileMultiLineString.h"
#include "platform/types/VirtualKeys.h"
#include "support/ScopedRoot.h"
#include "terminal/ProfileKeymap.h"

namespace {

struct Record {
  uint32_t a, b;
  bool operator==(Record const&) const = default;
};

// A kind stored under the name "v": Load reads it with the kind's default, Self::Variant(1).
template <typename V, typename Self>
struct Scalar {
  using Value = V;
  static constexpr bool kKeepsDirtyFlag = true;
  static void Load(Value& v, VProfileKey* key) { v.SetName("v"); v.Load(key, Self::Variant(1)); }
  static void Set(Value& v, int variant) { v = Self::Variant(variant); }
  static bool Is(Value const& v, int variant) {
    if constexpr (requires { v.Current(); }) return v.Current() == Self::Variant(variant);
    else return v == Self::Variant(variant);
  }
};

struct Number : Scalar<VProfile<int>, Number> { static int Variant(int n) { return n == 1 ? 1 : -7; } };
struct Flag : Scalar<VProfile<bool>, Flag> { static bool Variant(int n) { return n == 2; } };
struct Text : Scalar<VProfile2<VString, VProfileSz>, Text> {
  static VString Variant(int n) { return n == 1 ? "one" : "two words"; }
};
struct RecordKind : Scalar<VProfile2<Record, VProfileBinary>, RecordKind> {
  static Record Variant(int n) { return n == 1 ? Record{1, 1} : Record{2, 0xFFFFFFFF}; }
};
struct List : Scalar<VProfile2<VStringArray, VProfileMultiSz>, List> {
  static VStringArray Variant(int n) { return n == 1 ? VStringArray{"one"} : VStringArray{"a", "", "b"}; }
};

// Secrets take their default with their name.
template <typename V>
struct Secret : Scalar<V, Secret<V>> {
  static VString Variant(int n) { return n == 1 ? "one" : "two"; }
  static void Load(V& v, VProfileKey* key) { v.Load(key, "v", "one"); }
};
using Encoded = Secret<VProfileEncodedString>;
using Protected = Secret<VProfileCapiString>;  // sealed with a key below the test's own root

struct Lines {
  using Value = VProfileMultiLineString;
  static constexpr bool kKeepsDirtyFlag = true;
  static void Load(Value& v, VProfileKey* key) { v.Load(key, "v"); }
  static char const* Script(int variant) { return variant == 1 ? "" : "send\r\n\r\nwait"; }
  static void Set(Value& v, int variant) { v.SetText(Script(variant)); }
  static bool Is(Value const& v, int variant) { return v.GetText(true) == Script(variant); }
};

struct Blob {
  using Value = VProfileBlob;
  static constexpr bool kKeepsDirtyFlag = false;  // a blob writes at every save that has bytes
  // A blob's checkpoint exists only after the first Checkpoint, which its owner makes after loading.
  static void Load(Value& v, VProfileKey* key) { v.Load(key, "v"); v.Checkpoint(); }
  static void Set(Value& v, int variant) { v.Assign("\0x\xff", variant == 1 ? 0 : 3); }
  // An empty blob may hold no buffer at all: compare bytes only when there are some.
  static bool Is(Value const& v, int variant) {
    return v.Length() == (variant == 1 ? 0u : 3u) && (!v.Length() || std::memcmp(v.Data(), "\0x\xff", v.Length()) == 0);
  }
};

// A session's key overrides: empty by default, F1 mapped as the second value.
struct Keys {
  using Value = ProfileKeymap;
  static constexpr bool kKeepsDirtyFlag = true;
  // Nothing stored leaves no checkpoint; the owner takes one, as it does for a blob.
  static void Load(Value& v, VProfileKey* key) { v.Load(key, "v"); v.Checkpoint(); }
  static int Code(int variant) { return variant == 1 ? KeymapCode::NONE : KeymapCode::VT_PF1; }
  static void Set(Value& v, int variant) { v.SetKeyCode(VK_F1, Code(variant)); }
  static bool Is(Value const& v, int variant) { return v.GetKeyCode(VK_F1) == Code(variant); }
};

template <typename Kind>
class VProfileValueProtocol : public ::testing::Test, protected MemoryKey {
 protected:
  using Value = typename Kind::Value;
  ScopedRoot root;
  Value Loaded() {
    Value value;
    Kind::Load(value, key);
    return value;
  }
};

using Kinds = ::testing::Types<Number, Flag, Text, Encoded, Protected, RecordKind, List, Lines, Blob, Keys>;
TYPED_TEST_SUITE(VProfileValueProtocol, Kinds);

TYPED_TEST(VProfileValueProtocol, LoadDirtySaveReload) {
  using Kind = TypeParam;
  auto value = this->Loaded();  // nothing stored: the default
  EXPECT_TRUE(Kind::Is(value, 1) && !value.IsModified());
  value.Save(this->key, false);
  EXPECT_FALSE(value.IsDirty());
  auto reloaded = this->Loaded();
  EXPECT_TRUE(Kind::Is(reloaded, 1) && !reloaded.IsDirty() && !reloaded.IsModified());
  Kind::Set(reloaded, 2);
  EXPECT_TRUE(reloaded.IsModified());
  reloaded.Rollback();
  EXPECT_TRUE(Kind::Is(reloaded, 1) && !reloaded.IsModified());
  Kind::Set(reloaded, 2);
  reloaded.Checkpoint();
  EXPECT_FALSE(reloaded.IsModified());
  EXPECT_TRUE(reloaded.IsDirty() || !Kind::kKeepsDirtyFlag) << "checkpointed, not yet saved";
  reloaded.Save(this->key, false);
  EXPECT_FALSE(reloaded.IsDirty() && Kind::kKeepsDirtyFlag);
  auto saved = this->Loaded();
  EXPECT_TRUE(Kind::Is(saved, 2) && !saved.IsDirty() && !saved.IsModified());
  auto copy = saved;  // a copy keeps its own checkpoint
  Kind::Set(copy, 1);
  copy.Rollback();
  EXPECT_TRUE(Kind::Is(copy, 2) && Kind::Is(saved, 2));
  typename Kind::Value other;
  Kind::Set(other, 1);
  saved.ApplyDelta(&other);
  EXPECT_TRUE(Kind::Is(saved, 1) && saved.IsModified());
  VProfile<unsigned int> foreign;  // a value of another class is ignored
  foreign = 3;
  saved.ApplyDelta(&foreign);
  EXPECT_TRUE(Kind::Is(saved, 1));
}

}  // namespace
