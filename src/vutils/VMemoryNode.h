// One key of the in-memory store's tree: its values in creation order and its subkeys in
// folded-name order. Keys and iterators hold nodes by shared pointer, so a node removed from
// the tree stays valid memory and answers as deleted.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class VMemoryNode {
 public:
  struct Value {
    std::string name;
    std::string folded;
    unsigned long type = 0;
    std::vector<unsigned char> data;
  };

  // `depth` counts the levels below the store's root, which is at depth 0.
  explicit VMemoryNode(std::string_view name, size_t depth = 0) : m_name(name), m_depth(depth) {}

  std::string const& Name() const { return m_name; }
  size_t Depth() const { return m_depth; }
  bool IsDeleted() const { return m_deleted; }
  // Fault injection: removing an undeletable node fails, as a key locked by another user would.
  void SetUndeletable(bool undeletable) { m_undeletable = undeletable; }
  // Fault injection: a locked node refuses value writes, as a key the user may only read.
  bool IsLocked() const { return m_locked; }
  void SetLocked(bool locked) { m_locked = locked; }

  Value const* FindValue(std::string_view name) const;
  // Replaces any value of that name in place, keeping its position and first spelling.
  void SetValue(std::string_view name, unsigned long type, unsigned char const* data, size_t length);
  bool RemoveValue(std::string_view name);
  size_t ValueCount() const { return m_values.size(); }
  std::string const& ValueName(size_t index) const { return m_values[index].name; }

  std::shared_ptr<VMemoryNode> Child(std::string_view name) const;
  // The existing child of that name, or a new one; null when a new one would lie deeper than the
  // registry allows, which also keeps the recursive removal and destruction of nodes shallow.
  std::shared_ptr<VMemoryNode> AddChild(std::string_view name);
  // Fails, leaving everything in place, when the child is missing, undeletable or has subkeys.
  bool RemoveChild(std::string_view name);
  size_t ChildCount() const { return m_children.size(); }
  std::string const& ChildName(size_t index) const { return m_children[index].node->Name(); }

 private:
  struct Entry {
    std::string folded;
    std::shared_ptr<VMemoryNode> node;
  };

  std::vector<Entry>::const_iterator LowerBound(std::string const& folded) const;
  std::vector<Value>::iterator ValueAt(std::string const& folded);

  std::string m_name;
  size_t m_depth;
  std::vector<Value> m_values;
  std::vector<Entry> m_children;
  bool m_deleted = false;
  bool m_undeletable = false;
  bool m_locked = false;
};
