#include "explorer/node_tree.h"

#include "platform/failure.h"

namespace Explorer {

void NodeTree::Add(const std::string& parentKey, const std::string& key, const std::string& text,
                   int /*image*/) {
  Append(PlaceFor(parentKey, key), key, text);
}

std::size_t NodeTree::PlaceFor(const std::string& parentKey, const std::string& key) const {
  std::size_t parent = kNoNode;
  if (!parentKey.empty()) {
    parent = Find(parentKey);
    if (parent == kNoNode) {
      throw kes::Failure(kes::kErrElementNotFound, "Element not found");
    }
  }
  if (byKey_.contains(key)) {
    throw kes::Failure(kes::kErrKeyNotUnique, "Key is not unique in collection");
  }
  return parent;
}

void NodeTree::Append(std::size_t parent, const std::string& key, const std::string& text) {
  const std::size_t node = nodes_.size();
  nodes_.push_back({key, text, {}});
  (parent == kNoNode ? roots_ : nodes_[parent].children).push_back(node);
  byKey_.emplace(key, node);
}

std::size_t NodeTree::Find(const std::string& key) const {
  const auto found = byKey_.find(key);
  return found == byKey_.end() ? kNoNode : found->second;
}

std::vector<std::size_t> NodeTree::TreeOrder() const {
  std::vector<std::size_t> order;
  order.reserve(nodes_.size());
  // Children go on the stack last first, so the first comes off first.
  std::vector<std::size_t> pending(roots_.rbegin(), roots_.rend());
  while (!pending.empty()) {
    const std::size_t node = pending.back();
    pending.pop_back();
    order.push_back(node);
    const std::vector<std::size_t>& children = nodes_[node].children;
    pending.insert(pending.end(), children.rbegin(), children.rend());
  }
  return order;
}

}  // namespace Explorer
