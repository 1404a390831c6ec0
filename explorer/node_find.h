#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "explorer/node_tree.h"
#include "platform/file_name_rule.h"

namespace Explorer {

// What the find box asks for.
struct FindRequest {
  std::string text;
  bool matchCase = false;
  bool down = true;
};

// Searches the texts of a tree's nodes in the tree's order, by whole
// characters of the rule's code page. Made once the tree is built; the tree
// and the rule must outlive it and the tree must not change.
class NodeFinder {
 public:
  NodeFinder(const NodeTree& tree, const platform::FileNameRule& rule);

  // The first node after `from` in the request's direction whose text holds
  // the request's text, wrapping round once past the last (or first) node,
  // so that `from` itself is tried last. From NodeTree::kNoNode the search
  // starts at the first node (down) or the last (up). None when no node holds the
  // text or it is empty. Without Match case, one-byte letters of the code
  // page match in either case; the bytes of a double-byte character never
  // do.
  std::optional<std::size_t> Next(std::size_t from, const FindRequest& request) const;

 private:
  const NodeTree& tree_;
  const platform::FileNameRule& rule_;
  std::vector<std::size_t> order_;
  std::vector<std::size_t> place_;  // each node's position in order_
};

// What the explorer says when no node holds the text: "Cannot find "text"".
std::string CannotFindText(const std::string& text);

}  // namespace Explorer
