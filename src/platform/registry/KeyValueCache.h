// The values of one key read at once: creation order for enumeration and a hash index on the
// folded names for lookups. Entries are reused from load to load, so a walk over thousands of
// keys allocates once.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class KeyValueCache {
 public:
  struct Entry {
    int64_t id = 0;
    unsigned long type = 0;
    std::string name;
    std::string folded;
    std::string data;
  };

  void Clear();
  // A slot to fill while loading; Index() puts the loaded entries in order and makes them findable.
  Entry& Append();
  void Index();

  Entry const* Find(std::string_view folded) const;
  void Set(std::string_view name, std::string_view folded, unsigned long type, std::string_view data);
  void Erase(std::string_view folded);
  void Names(std::vector<std::string>& names) const;
  size_t Count() const { return m_count; }
  Entry const& InOrder(size_t index) const { return m_entries[m_order[index]]; }

 private:
  size_t SlotOf(std::string_view folded) const;

  std::vector<Entry> m_entries;
  size_t m_count = 0;
  std::vector<uint32_t> m_order;  // entry indexes in creation order
  std::vector<uint32_t> m_slots;  // entry index + 1; 0 marks a free slot
};
