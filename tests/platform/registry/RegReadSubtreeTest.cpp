#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "platform/registry/Registry.h"
#include "support/HeldKey.h"
#include "support/ScopedRoot.h"

namespace {

// One key of a subtree as the key-by-key calls see it: parent index, name and the values.
std::string Describe(size_t parent, std::string const& name, std::vector<RegSubtreeKey::Value> const& values) {
  std::string text = std::to_string(static_cast<long>(parent)) + " " + name;
  for (auto const& value : values) text += value.found ? " [" + std::to_string(value.type) + ":" + value.data + "]" : " -";
  return text;
}

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// The subtree read through RegEnumKeyEx and RegQueryValueEx, breadth first.
std::vector<std::string> KeyByKey(HKEY top, unsigned long depth, std::vector<RegSubtreeKey::Wanted> const& wanted) {
  struct Pending { HKEY key; size_t index; unsigned long depth; std::string name; size_t parent; };
  std::vector<Pending> queue{{top, 0, 0, "", RegSubtreeKey::kNoParent}};
  std::vector<std::string> described;
  for (size_t next = 0; next < queue.size(); ++next) {
    Pending const current = queue[next];
    std::vector<RegSubtreeKey::Value> values(wanted.size());
    for (size_t i = 0; i < wanted.size(); ++i) {
      if (!wanted[i].keyName.empty() && Lower(wanted[i].keyName) != Lower(current.name)) continue;
      std::string const raw = RawValue(current.key, wanted[i].valueName.c_str());
      if ((values[i].found = raw != "<missing>")) {
        values[i].type = std::stoul(raw);
        values[i].data = raw.substr(raw.find(':') + 1);
      }
    }
    described.push_back(Describe(current.parent, current.name, values));
    char name[256];
    for (unsigned long i = 0; current.depth < depth; ++i) {
      unsigned long length = sizeof name;
      if (RegEnumKeyEx(current.key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
      HKEY child = nullptr;
      EXPECT_EQ(ERROR_SUCCESS, RegOpenKeyEx(current.key, name, 0, KEY_READ, &child));
      queue.push_back({child, queue.size(), current.depth + 1, std::string(name, length), current.index});
    }
  }
  for (size_t i = 1; i < queue.size(); ++i) RegCloseKey(queue[i].key);
  return described;
}

std::vector<std::string> AtOnce(HKEY top, unsigned long depth, std::vector<RegSubtreeKey::Wanted> const& wanted) {
  std::vector<RegSubtreeKey> keys;
  EXPECT_EQ(ERROR_SUCCESS, RegReadSubtree(top, depth, wanted, keys));
  std::vector<std::string> described;
  for (size_t i = 0; i < keys.size(); ++i) described.push_back(Describe(keys[i].parent, i ? keys[i].name : "", keys[i].values));
  return described;
}

// A tree of folders holding marked entries (the mark first), folders without values, records
// whose values only keys of their name are asked for, a mark that is not a key's first value
// and one that became first when the value before it went; `entries` per folder decides whether
// the first values are looked up or scanned.
void Seed(HKEY top, int folders, int entries) {
  ASSERT_EQ(ERROR_SUCCESS, RegBeginUnitOfWork(top, true));
  for (int f = 0; f < folders; ++f) {
    std::string const folder = (f % 2 ? "folder " : "Folder ") + std::to_string(f);
    HeldKey record(top, folder + "\\Record");
    ASSERT_EQ(ERROR_SUCCESS, SetText(record, "List", "a:b:", false));
    ASSERT_EQ(ERROR_SUCCESS, SetNumber(record, "Mark", 2));
    for (int e = 0; e < entries; ++e) {
      HeldKey entry(top, folder + "\\entry " + std::to_string(e));
      bool const other = e % 7 == 3 || e % 7 == 5;
      ASSERT_EQ(ERROR_SUCCESS, other ? SetText(entry, "Other", "first", false) : ERROR_SUCCESS);
      ASSERT_EQ(ERROR_SUCCESS, SetNumber(entry, "Mark", 1));
      ASSERT_EQ(ERROR_SUCCESS, SetText(entry, "Host", "h" + std::to_string(e), false));
      // The mark takes the first place.
      ASSERT_EQ(ERROR_SUCCESS, e % 7 == 5 ? RegDeleteValue(entry, "Other") : ERROR_SUCCESS);
    }
    ASSERT_EQ(ERROR_SUCCESS, CreateRc(top, folder + "\\Empty\\Deeper"));
  }
  ASSERT_EQ(ERROR_SUCCESS, RegEndUnitOfWork(top));
}

TEST(RegReadSubtreeTest, AnswersWhatTheKeyByKeyCallsAnswerAtEveryDepthAndSize) {
  ScopedRoot root;
  // More values than a key's first: looked up one by one in a small tree, all at once in a large one.
  std::vector<RegSubtreeKey::Wanted> const wanted{{"MARK", ""},  {"list", "record"}, {"Absent", ""},
                                                  {"host", ""},  {"other", ""},      {"Mark", "RECORD"}};
  struct Case { int folders; int entries; unsigned long depth; };
  for (Case const c : {Case{3, 5, 0}, Case{3, 5, 1}, Case{3, 5, 2}, Case{3, 5, 99}, Case{40, 60, 99}, Case{40, 60, 1}}) {
    SCOPED_TRACE(std::to_string(c.folders) + " folders of " + std::to_string(c.entries) + ", depth " +
                 std::to_string(c.depth));
    HeldKey top(HKEY_CURRENT_USER, "Tree");
    Seed(top, c.folders, c.entries);
    EXPECT_EQ(KeyByKey(top, c.depth, wanted), AtOnce(top, c.depth, wanted));
    top = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegDeleteTree(HKEY_CURRENT_USER, "Tree"));
  }
}

TEST(RegReadSubtreeTest, RefusesBadRequestsAndReadsNothingWhereNothingIs) {
  ScopedRoot root;
  std::vector<RegSubtreeKey> keys(3);
  std::vector<RegSubtreeKey::Wanted> const tooMany(RegSubtreeKey::kMostValues + 1, {"a", ""});
  EXPECT_EQ(ERROR_INVALID_PARAMETER, RegReadSubtree(HKEY_CURRENT_USER, 1, tooMany, keys));
  EXPECT_TRUE(keys.empty());
  EXPECT_EQ(ERROR_INVALID_PARAMETER, RegReadSubtree(HKEY_CURRENT_USER, 1, {{std::string(16384, 'a'), ""}}, keys));
  EXPECT_EQ(ERROR_INVALID_HANDLE, RegReadSubtree(reinterpret_cast<HKEY>(0x1234), 1, {}, keys));
  ASSERT_EQ(ERROR_SUCCESS, SetText(HeldKey(HKEY_CURRENT_USER, "K"), "v", "x", false));
  EXPECT_EQ(ERROR_ACCESS_DENIED, RegReadSubtree(HeldKey::Opened(HKEY_CURRENT_USER, "K", KEY_QUERY_VALUE), 1, {}, keys));
  HeldKey gone = HeldKey::Opened(HKEY_CURRENT_USER, "K");
  ASSERT_EQ(ERROR_SUCCESS, RegDeleteTree(HKEY_CURRENT_USER, "K"));
  EXPECT_EQ(ERROR_SUCCESS, RegReadSubtree(gone, 1, {{"v", ""}}, keys));
  EXPECT_TRUE(keys.empty());
}

// A key deleted and another made in its place within one unit of work: the new key's values
// are placed from the first again, so the subtree read finds its first value.
TEST(RegReadSubtreeTest, AKeyMadeAfterADeletionInTheSameUnitKeepsItsFirstValue) {
  ScopedRoot root;
  ASSERT_EQ(ERROR_SUCCESS, RegBeginUnitOfWork(HKEY_CURRENT_USER, true));
  HeldKey gone(HKEY_CURRENT_USER, "T\\gone");
  SetText(gone, "Mark", "x", false);
  SetText(gone, "Other", "y", false);
  gone = nullptr;
  ASSERT_EQ(ERROR_SUCCESS, RegDeleteTree(HKEY_CURRENT_USER, "T\\gone"));
  SetText(HeldKey(HKEY_CURRENT_USER, "T\\made"), "Mark", "z", false);
  ASSERT_EQ(ERROR_SUCCESS, RegEndUnitOfWork(HKEY_CURRENT_USER));
  std::vector<RegSubtreeKey> keys;
  ASSERT_EQ(ERROR_SUCCESS, RegReadSubtree(HKEY_CURRENT_USER, 99, {{"mark", ""}}, keys));
  ASSERT_EQ(3u, keys.size());
  EXPECT_EQ("made", keys[2].name);
  EXPECT_TRUE(keys[2].values[0].found);
}

}  // namespace
