// A key and the keys below it read at once, down to a chosen depth, each with the few values
// asked for: parents before their children, siblings in the store's enumeration order. Fill it
// with VProfileKey::ReadSubtree.
#pragma once

#include <cstddef>
#include <vector>

#include "VString.h"

class VProfileSubtree {
 public:
  enum class Kind { Dword, Sz };
  // A value of every key, or with `keyName` only of the keys of that name.
  struct Wanted {
    char const* name;
    Kind kind;
    char const* keyName = nullptr;
  };
  // Read as GetDword or GetSz would: found only when stored with that kind.
  struct Value {
    bool found = false;
    unsigned long number = 0;
    VString text;
  };
  struct Node {
    size_t parent = kNoParent;
    VString name;
    std::vector<Value> values;  // one per wanted value, in the order asked
    size_t firstChild = 0;
    size_t children = 0;
  };

  static constexpr size_t kNoParent = static_cast<size_t>(-1);

  explicit VProfileSubtree(std::vector<Wanted> wanted) : m_wanted(std::move(wanted)) {}

  std::vector<Wanted> const& WantedValues() const { return m_wanted; }
  void Clear();
  void Reserve(size_t nodes) { m_nodes.reserve(nodes); }
  // Appends a node below `parent` (kNoParent for the first) and answers its index. A node's
  // children are added one after the other, as a breadth-first read gives them.
  size_t Add(size_t parent, VString name);
  Node& At(size_t index) { return m_nodes[index]; }
  Node const& At(size_t index) const { return m_nodes[index]; }
  size_t Count() const { return m_nodes.size(); }
  // The indexes of a node's children, in enumeration order (they are consecutive).
  struct IndexRange {
    struct Iterator {
      size_t at;
      size_t operator*() const { return at; }
      Iterator& operator++() {
        ++at;
        return *this;
      }
      bool operator!=(Iterator const& other) const { return at != other.at; }
    };
    size_t first;
    size_t count;
    Iterator begin() const { return {first}; }
    Iterator end() const { return {first + count}; }
    size_t size() const { return count; }
    size_t operator[](size_t i) const { return first + i; }
  };
  IndexRange Children(size_t index) const {
    Node const& node = m_nodes[index];
    return {node.firstChild, node.children};
  }

 private:
  std::vector<Wanted> m_wanted;
  std::vector<Node> m_nodes;
};
