#include "VProfilePrivateKey.h"

#include <memory>

#include "VProfilePrivateKeyIterator.h"
#include "VProfileSubtree.h"
#include "platform/registry/NameFolding.h"

namespace {

void ReadWanted(VProfilePrivateKey& key, VProfileSubtree& out, size_t index) {
  auto const& wanted = out.WantedValues();
  for (size_t i = 0; i < wanted.size(); ++i) {
    if (wanted[i].keyName && FoldName(wanted[i].keyName) != FoldName(out.At(index).name.View())) continue;
    VProfileSubtree::Value& value = out.At(index).values[i];
    value.found = wanted[i].kind == VProfileSubtree::Kind::Dword ? key.GetDword(wanted[i].name, value.number)
                                                                  : key.GetSz(wanted[i].name, value.text);
  }
}

// Breadth first, as the registry answers: each key's children are queued in enumeration order.
struct Pending {
  std::unique_ptr<VProfilePrivateKey> key;
  size_t index;
  unsigned long depth;
};

}  // namespace

bool VProfilePrivateKey::ReadSubtree(unsigned long depth, VProfileSubtree& out) {
  out.Clear();
  size_t const top = out.Add(VProfileSubtree::kNoParent, VString());
  ReadWanted(*this, out, top);
  std::vector<Pending> queue;
  queue.push_back(Pending{nullptr, top, 0});
  for (size_t next = 0; next < queue.size(); ++next) {
    if (queue[next].depth >= depth) continue;
    VProfilePrivateKey& key = queue[next].key ? *queue[next].key : *this;
    std::unique_ptr<VProfilePrivateKeyIterator> children(key.CreateIterator(false));
    for (VString name; children && children->Next(name);) {
      std::unique_ptr<VProfilePrivateKey> child(key.OpenKey(name));
      size_t const index = out.Add(queue[next].index, name);
      ReadWanted(*child, out, index);
      queue.push_back(Pending{std::move(child), index, queue[next].depth + 1});
    }
  }
  return true;
}
