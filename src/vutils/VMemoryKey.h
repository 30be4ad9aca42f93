// One key of the in-memory store, keeping the same key contract as the registry store: four
// value kinds stored as raw bytes with their registry type codes, kind-strict reads,
// backslash paths, creation on a writable open, case-insensitive names that keep their first
// spelling. A key that could not be opened, or whose key was deleted since, fails every call
// and iterates nothing.
#pragma once

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "VMemoryNode.h"
#include "VProfilePrivateKey.h"

class VMemoryKey : public VProfilePrivateKey {
 public:
  // node may be empty: the key could not be opened.
  VMemoryKey(std::shared_ptr<VMemoryNode> node, bool readOnly) : m_node(std::move(node)), m_readOnly(readOnly) {}

  bool GetMultiSz(char const* name, VStringArray& out) override;
  bool GetBinary(char const* name, void* data, unsigned long& size) override;
  bool GetSz(char const* name, VString& out) override;
  bool GetDword(char const* name, unsigned long& out) override;
  bool SetMultiSz(char const* name, VStringArray const& values) override;
  bool SetBinary(char const* name, void const* data, unsigned long length) override;
  bool SetSz(char const* name, char const* text) override;
  bool SetDword(char const* name, unsigned long value) override;
  bool DeleteValue(char const* name) override;
  // Opens the subkey as a writable open would, whatever this key's mode, then removes it and
  // everything below it, last subkey first; stops removing after the first nested failure.
  bool DeleteKey(char const* name) override;
  bool KeyExists(char const* name) override;
  bool IsWritable() override { return !m_readOnly && !(m_node && m_node->IsLocked()); }
  VProfilePrivateKey* OpenKey(char const* name) override;
  VProfilePrivateKeyIterator* CreateIterator(bool values) override;

  // The components of a backslash path; empty when the path is malformed (an empty or
  // overlong component). The empty path has no components and names the key itself.
  static std::optional<std::vector<std::string_view>> SplitPath(char const* path);
  // Walks `path` below `node`, creating missing keys when `create` is set; empty when a
  // level is missing, the path is malformed or it would end deeper than the registry allows.
  static std::shared_ptr<VMemoryNode> Walk(std::shared_ptr<VMemoryNode> node, char const* path, bool create);

 private:
  bool IsOpen() const { return m_node && !m_node->IsDeleted(); }
  VMemoryNode::Value const* Find(char const* name, unsigned long type) const;
  bool Store(char const* name, unsigned long type, void const* data, size_t length);
  static bool RemoveTree(VMemoryNode& parent, std::string_view name);

  std::shared_ptr<VMemoryNode> m_node;
  bool m_readOnly;
};
