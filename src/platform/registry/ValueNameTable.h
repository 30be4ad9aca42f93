// The value names of one hive as this process last read them: each kept once in the hive's
// names table and referred to by number from the values. Names are only ever added, so what
// was read stays true until a rolled-back unit takes back names it added (then: Clear).
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class ValueNameTable {
 public:
  struct Name {
    std::string name;  // the first spelling; a value spelt otherwise keeps its own
    std::string folded;
  };

  // Null when not known here yet.
  Name const* Find(int64_t id) const;
  int64_t const* IdOf(std::string_view folded) const;
  void Add(int64_t id, std::string_view name, std::string_view folded);
  void Clear();

  // Every name numbered up to this one is known here (names are numbered as they are added).
  int64_t KnownThrough() const { return m_knownThrough; }
  void SetKnownThrough(int64_t id) { m_knownThrough = id; }

 private:
  // Ids below this are found by place; a hive numbers its names from 1 without gaps, so larger
  // ones come only from a file edited by hand.
  static constexpr int64_t kDenseIds = 1 << 16;

  // A deque keeps each name where it was put, so the index by folded name can view its bytes.
  std::deque<Name> m_names;
  std::vector<Name const*> m_dense;
  std::unordered_map<int64_t, Name const*> m_sparse;
  std::unordered_map<std::string_view, int64_t> m_byFolded;
  int64_t m_knownThrough = 0;
};
