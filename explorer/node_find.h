#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "explorer/node_tree.h"

namespace Explorer {

// What the find box asks for.
struct FindRequest {
  std::string text;
  bool matchCase = false;
  bool down = true;
};

// Searches the texts of a tree's nodes in the tree's order. Made once the
// tree is built; the tree must outlive it and not change.
class NodeFinder {
 public:
  explicit NodeFinder(const NodeTree& tree);

  // The first node after `from` in the request's direction whose text holds
  // the request's text, wrapping round once past the last (or first) node,
  // so that `from` itself is tried last. From NodeTree::kNoNode the search
  // starts at the first node (down) or the last (up). None when no node holds the
  // text or it is empty. Without Match case, letters of the Western code
  // page match in either case.
  std::optional<std::size_t> Next(std::size_t from, const FindRequest& request) const;

 private:
  const NodeTree& tree_;
  std::vector<std::size_t> order_;
  std::vector<std::size_t> place_;  // each node's position in order_
};

// What the explorer says when no node holds the text: "Cannot find "text"".
std::string CannotFindText(const std::string& text);

}  // namespace Explorer
