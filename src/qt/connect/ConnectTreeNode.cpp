#include "qt/connect/ConnectTreeNode.h"

std::string ConnectTreeNode::Path() const {
  if (IsRoot()) return {};
  std::string const above = parent->Path();
  return above.empty() ? label : above + "\\" + label;
}

int ConnectTreeNode::Row() const {
  if (IsRoot()) return 0;
  auto const& siblings = parent->children;
  for (size_t i = 0; i < siblings.size(); ++i)
    if (siblings[i].get() == this) return static_cast<int>(i);
  return 0;
}

bool ConnectTreeNode::SameShape(ConnectTreeNode const& other) const {
  if (label != other.label || folder != other.folder || hasButton != other.hasButton ||
      children.size() != other.children.size())
    return false;
  for (size_t i = 0; i < children.size(); ++i)
    if (!children[i]->SameShape(*other.children[i])) return false;
  return true;
}
