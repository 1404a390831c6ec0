#pragma once

#include <cstddef>
#include <limits>
#include <string>
#include <unordered_map>
#include <vector>

#include "explorer/tree_nodes.h"

namespace Explorer {

// The tree's nodes as BuildTreeView adds them: each with its key, text and
// parent, numbered in the order they were added. The tree control shows the
// same nodes; this is what the window searches and finds nodes by key in.
class NodeTree final : public TreeTarget {
 public:
  static constexpr std::size_t kNoNode = std::numeric_limits<std::size_t>::max();

  // As the tree control does: kes::Failure for an unknown parent or a key
  // in use.
  void Add(const std::string& parentKey, const std::string& key, const std::string& text,
           int image) override;
  void Expand(const std::string&) override {}

  // The number of the node a new node with `key` goes under (kNoNode for a
  // root); raises the failures Add raises.
  std::size_t PlaceFor(const std::string& parentKey, const std::string& key) const;
  // Adds a node under `parent` (kNoNode for a root) whose place PlaceFor gave.
  void Append(std::size_t parent, const std::string& key, const std::string& text);

  std::size_t Count() const { return nodes_.size(); }
  // The node with this key, or kNoNode.
  std::size_t Find(const std::string& key) const;
  const std::string& Key(std::size_t node) const { return nodes_[node].key; }
  const std::string& Text(std::size_t node) const { return nodes_[node].text; }

  // Every node in the tree's order: each node before its children, children
  // in the order they were added, collapsed or not.
  std::vector<std::size_t> TreeOrder() const;

 private:
  struct Node {
    std::string key;
    std::string text;
    std::vector<std::size_t> children;
  };
  std::vector<Node> nodes_;
  std::vector<std::size_t> roots_;
  std::unordered_map<std::string, std::size_t> byKey_;
};

}  // namespace Explorer
