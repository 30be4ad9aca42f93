#include "platform/protect/SodiumDataProtection.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/protect/KeyFile.h"
#include "support/ChildProcess.h"
#include "support/ScopedEnv.h"
#include "support/TempFolder.h"

namespace {

using Bytes = std::vector<unsigned char>;

Bytes Seal(SodiumDataProtection& service, std::string const& plain, char const* description = "VProfileCapiString") {
  Bytes sealed;
  std::string error;
  EXPECT_TRUE(service.Protect(plain.data(), plain.size(), description, sealed, error)) << error;
  return sealed;
}

// The plain text of a sealed block; none, with the reason in `error`, when it is refused.
std::optional<std::string> Open(SodiumDataProtection& service, Bytes const& sealed, std::string& error) {
  SecretBytes out;
  if (!service.Unprotect(sealed.data(), sealed.size(), out, error)) return std::nullopt;
  return std::string(reinterpret_cast<char const*>(out.Data()), out.Size());
}

// The first seal makes the key file; the later ones neither rewrite it nor leave a temporary.
TEST(SodiumDataProtection, RoundTripsAnyPayloadUnderOnePrivateKeyFile) {
  TempFolder folder;
  SodiumDataProtection service(folder / "keys");
  KeyFile keyFile(folder / "keys");
  std::string key;
  for (std::string plain : {std::string(), std::string("a"), std::string("pass\0word\0", 10), std::string(5000, 'x')}) {
    Bytes sealed = Seal(service, plain);
    if (key.empty()) key = ReadFileBytes(keyFile.Path());
    std::string error;
    EXPECT_EQ(Open(service, sealed, error), plain) << error;
    EXPECT_NE(Seal(service, plain), sealed) << "every seal draws a fresh nonce";
  }
  EXPECT_EQ(FileMode(folder / "keys"), 0700u);
  EXPECT_EQ(FileMode(keyFile.Path()), 0600u);
  EXPECT_EQ(key.size(), 32u);
  EXPECT_EQ(ReadFileBytes(keyFile.Path()), key);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder / "keys"), {}), 1);
}

TEST(SodiumDataProtection, AnyAlteredOrShortBlockIsRefused) {
  TempFolder folder;
  SodiumDataProtection service(folder / "keys");
  Bytes const sealed = Seal(service, "secret", "desc");
  // offset: the byte flipped (the nonce starts at 10, the ciphertext at 34); cut: keep only `keep` bytes instead
  size_t const cut = std::string::npos;
  struct Case { char const* what; size_t offset; size_t keep; } const cases[] = {
      {"magic", 0, 0}, {"version", 3, 0}, {"description length", 4, 0}, {"length high byte", 5, 0},
      {"description", 7, 0}, {"nonce", 10, 0}, {"ciphertext", 34, 0}, {"tag", sealed.size() - 1, 0}, {"empty", cut, 0},
      {"header only", cut, 5}, {"no tag", cut, sealed.size() - 16}, {"one byte short", cut, sealed.size() - 1}};
  for (Case const& c : cases) {
    SCOPED_TRACE(c.what);
    Bytes bad = sealed;
    if (c.offset == cut) bad.resize(c.keep);
    else bad[c.offset] ^= 0x01;
    std::string error;
    EXPECT_EQ(Open(service, bad, error), std::nullopt);
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(error.find('\n'), std::string::npos);
  }
}

TEST(SodiumDataProtection, ForeignOrMissingKeyIsRefused) {
  TempFolder folder;
  SodiumDataProtection mine(folder / "mine"), theirs(folder / "theirs");
  Bytes sealed = Seal(mine, "secret");
  std::string error;
  EXPECT_EQ(Open(theirs, sealed, error), std::nullopt) << "no key file at all";
  EXPECT_NE(error.find("no protection key"), std::string::npos) << error;
  EXPECT_NE(FileMode(folder / "theirs"), 0700u) << "unprotect must not create a key";
  Seal(theirs, "other");
  EXPECT_EQ(Open(theirs, sealed, error), std::nullopt) << "another key";
}

TEST(SodiumDataProtection, UnsafeOrDamagedKeyFileIsRefused) {
  // path: relative to the temporary folder; mode 0: cut the file short instead
  struct Case { char const* what; char const* path; mode_t mode; char const* reason; } const cases[] = {
      {"group-readable key", "keys/user.key", 0640, "refusing"}, {"world-readable key", "keys/user.key", 0604, "refusing"},
      {"group-writable key", "keys/user.key", 0620, "refusing"}, {"world-writable folder", "keys", 0703, "refusing"},
      {"group-writable folder", "keys", 0770, "refusing"},       {"short key", "keys/user.key", 0, "damaged"},
  };
  for (Case const& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder folder;
    SodiumDataProtection service(folder / "keys");
    Bytes sealed = Seal(service, "secret");
    ASSERT_EQ(c.mode ? chmod((folder / c.path).c_str(), c.mode) : truncate((folder / c.path).c_str(), 31), 0);
    std::string error;
    EXPECT_EQ(Open(service, sealed, error), std::nullopt);
    EXPECT_NE(error.find(c.reason), std::string::npos) << error;
    Bytes out;
    EXPECT_FALSE(service.Protect("a", 1, "d", out, error));
  }
}

TEST(SodiumDataProtection, ProcessesRacingToCreateTheKeyShareOne) {
  TempFolder folder;
  pid_t children[4];
  for (int i = 0; i < 4; ++i)
    children[i] = ForkChild([&folder, i] {
      Bytes sealed;
      std::string error;
      bool const ok = SodiumDataProtection(folder / "keys").Protect("shared", 6, "d", sealed, error);
      WriteFileBytes(folder / ("blob" + std::to_string(i)), std::string(sealed.begin(), sealed.end()));
      return ok;
    });
  for (pid_t child : children) EXPECT_EQ(0, ExitOf(child));
  SodiumDataProtection service(folder / "keys");
  for (int i = 0; i < 4; ++i) {
    std::string const blob = ReadFileBytes(folder / ("blob" + std::to_string(i)));
    std::string error;
    EXPECT_EQ(Open(service, Bytes(blob.begin(), blob.end()), error), "shared") << error;
  }
}

TEST(DataProtection, DefaultServiceUsesTheIsolatedRoot) {
  TempFolder folder;
  ScopedEnv root("BRIMVALE_ROOT", folder.Path().c_str());
  Bytes sealed;
  std::string error;
  ASSERT_TRUE(GetDataProtection().Protect("k", 1, "d", sealed, error)) << error;
  EXPECT_EQ(FileMode(folder / "user/protect/user.key"), 0600u);
  SodiumDataProtection other(folder / "elsewhere");
  SetDataProtection(&other);
  SecretBytes out;
  EXPECT_FALSE(GetDataProtection().Unprotect(sealed.data(), sealed.size(), out, error));
  SetDataProtection(nullptr);
  EXPECT_TRUE(GetDataProtection().Unprotect(sealed.data(), sealed.size(), out, error)) << error;
}

}  // namespace
