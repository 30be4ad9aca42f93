// Several processes on one hive: concurrent writers lose nothing, and a process killed inside a
// unit of work leaves all of that unit or none of it.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <string>

#include "platform/registry/Registry.h"
#include "support/ScopedRoot.h"

namespace {

HKEY CreateKey(char const* path) {
  HKEY key = nullptr;
  RegCreateKeyEx(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
  return key;
}

bool WriteValue(HKEY key, std::string const& name, unsigned long value) {
  uint32_t const stored = static_cast<uint32_t>(value);
  return RegSetValueEx(key, name.c_str(), 0, REG_DWORD, reinterpret_cast<unsigned char const*>(&stored), 4) ==
         ERROR_SUCCESS;
}

unsigned long CountValues(char const* path) {
  HKEY key = nullptr;
  if (RegOpenKeyEx(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS) return 0;
  unsigned long values = 0;
  RegQueryInfoKey(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &values, nullptr, nullptr, nullptr, nullptr);
  RegCloseKey(key);
  return values;
}

// Each writer commits every value on its own, as a host saving one setting at a time does.
void WriteAsChild(char prefix, int count) {
  HKEY key = CreateKey("Shared");
  bool ok = key != nullptr;
  for (int i = 0; ok && i < count; ++i) ok = WriteValue(key, prefix + std::to_string(i), static_cast<unsigned long>(i));
  _exit(ok ? 0 : 1);
}

TEST(RegistryProcessTest, TwoProcessesWritingTheSameKeyLoseNothing) {
  ScopedRoot root;
  RegCloseKey(CreateKey("Shared"));
  ASSERT_EQ(ERROR_SUCCESS, RegUnloadHives()) << "no connection may cross fork";
  constexpr int kCount = 2000;
  pid_t const first = fork();
  if (first == 0) WriteAsChild('a', kCount);
  pid_t const second = fork();
  if (second == 0) WriteAsChild('b', kCount);
  for (pid_t child : {first, second}) {
    int status = 0;
    ASSERT_EQ(child, waitpid(child, &status, 0));
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  EXPECT_EQ(2u * kCount, CountValues("Shared"));
  HKEY key = CreateKey("Shared");
  for (char prefix : {'a', 'b'}) {
    for (int i : {0, 999, kCount - 1}) {
      uint32_t value = 0;
      unsigned long size = 4;
      std::string const name = prefix + std::to_string(i);
      ASSERT_EQ(ERROR_SUCCESS, RegQueryValueEx(key, name.c_str(), nullptr, nullptr,
                                               reinterpret_cast<unsigned char*>(&value), &size));
      EXPECT_EQ(static_cast<uint32_t>(i), value);
    }
  }
  RegCloseKey(key);
}

std::string ReadSz(HKEY key, char const* name) {
  char text[32] = {};
  unsigned long size = sizeof text;
  return RegQueryValueEx(key, name, nullptr, nullptr, reinterpret_cast<unsigned char*>(text), &size) == ERROR_SUCCESS
             ? std::string(text)
             : "<missing>";
}

long WriteSz(HKEY key, char const* name, char const* text) {
  return RegSetValueEx(key, name, 0, REG_SZ, reinterpret_cast<unsigned char const*>(text), std::strlen(text) + 1);
}

// This process knows the hive's value names after a unit of work; another process then adds
// names between our units. Writing and reading those names here must find them, not add them twice.
TEST(RegistryProcessTest, NamesAnotherProcessAddedBetweenOurUnitsAreFound) {
  ScopedRoot root;
  HKEY ours = CreateKey("Ours");
  RegBeginUnitOfWork(HKEY_CURRENT_USER, true);
  ASSERT_EQ(ERROR_SUCCESS, WriteSz(ours, "Known", "k"));
  ASSERT_EQ(ERROR_SUCCESS, RegEndUnitOfWork(HKEY_CURRENT_USER, true));
  pid_t const child = fork();
  if (child == 0) {
    HKEY theirs = CreateKey("Theirs");
    _exit(theirs && WriteSz(theirs, "Added Later", "t") == ERROR_SUCCESS && WriteSz(theirs, "Other", "o") == ERROR_SUCCESS
              ? 0
              : 1);
  }
  int status = 0;
  ASSERT_EQ(child, waitpid(child, &status, 0));
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  struct Case {
    bool inUnit;
    char const* name;
    char const* text;
  } const cases[] = {{true, "added later", "a"}, {false, "OTHER", "b"}, {true, "Brand New", "c"}};
  for (Case const& c : cases) {
    if (c.inUnit) RegBeginUnitOfWork(HKEY_CURRENT_USER, true);
    EXPECT_EQ(ERROR_SUCCESS, WriteSz(ours, c.name, c.text)) << c.name;
    if (c.inUnit) {
      EXPECT_EQ(ERROR_SUCCESS, RegEndUnitOfWork(HKEY_CURRENT_USER, true)) << c.name;
    }
    EXPECT_EQ(c.text, ReadSz(ours, c.name)) << c.name;
  }
  HKEY theirs = CreateKey("Theirs");
  EXPECT_EQ("t", ReadSz(theirs, "ADDED LATER"));
  unsigned long count = 0;
  char name[32];
  for (unsigned long size = sizeof name; RegEnumValue(ours, count, name, &size, nullptr, nullptr, nullptr, nullptr) ==
                                         ERROR_SUCCESS;
       size = sizeof name)
    ++count;
  EXPECT_EQ(4u, count);
  RegCloseKey(theirs);
  RegCloseKey(ours);
}

TEST(RegistryProcessTest, AProcessKilledInsideAUnitOfWorkLeavesAllOrNothing) {
  ScopedRoot root;
  ASSERT_EQ(ERROR_SUCCESS, RegUnloadHives());
  int ready[2];
  ASSERT_EQ(0, pipe(ready));
  constexpr int kCount = 3000;
  pid_t const child = fork();
  if (child == 0) {
    close(ready[0]);
    RegBeginUnitOfWork(HKEY_CURRENT_USER, true);
    HKEY committed = CreateKey("Committed");
    for (int i = 0; i < kCount; ++i) WriteValue(committed, "v" + std::to_string(i), 1);
    RegEndUnitOfWork(HKEY_CURRENT_USER, true);
    RegBeginUnitOfWork(HKEY_CURRENT_USER, true);
    HKEY pending = CreateKey("Pending");
    for (int i = 0; i < kCount; ++i) WriteValue(pending, "v" + std::to_string(i), 1);
    char const signal = 'x';
    if (write(ready[1], &signal, 1) != 1) _exit(1);
    for (;;) pause();
  }
  close(ready[1]);
  char signal = 0;
  ASSERT_EQ(1, read(ready[0], &signal, 1));
  close(ready[0]);
  kill(child, SIGKILL);
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFSIGNALED(status));

  EXPECT_EQ(static_cast<unsigned long>(kCount), CountValues("Committed"));
  EXPECT_EQ(0u, CountValues("Pending"));
  HKEY pending = nullptr;
  EXPECT_EQ(ERROR_FILE_NOT_FOUND, RegOpenKeyEx(HKEY_CURRENT_USER, "Pending", 0, KEY_READ, &pending));
  HKEY after = CreateKey("After");
  EXPECT_TRUE(WriteValue(after, "v", 1)) << "the hive opens and takes writes after the crash";
  RegCloseKey(after);
}

}  // namespace
