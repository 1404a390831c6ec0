#pragma once

// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <string>
#include <vector>

#include "explorer/detail_list.h"
#include "explorer/node_tree.h"
#include "explorer/tree_nodes.h"

namespace explorerwin {

// The text of a node of a tree view control.
std::string TreeItemText(HWND tree, HTREEITEM item);

// The tree view control as BuildTreeView's target: nodes are found by key,
// and each node carries its number in the node model in the control.
// Nodes below the second level (a process's modules) reach the control at
// the next Expand or Flush, after the nodes above them: some tree controls
// take longer to add a child the later its parent was added, and a snapshot
// adds every process's modules right after the process.
class TreeViewNodes final : public Explorer::TreeTarget {
 public:
  explicit TreeViewNodes(HWND tree) : tree_(tree) {}

  // Raise kes::Failure for an unknown parent, a key in use, or a node the
  // control refuses.
  void Add(const std::string& parentKey, const std::string& key, const std::string& text,
           int image) override;
  void Expand(const std::string& key) override;
  // Puts the nodes still held back into the control, in the order they were
  // added; kes::Failure for one the control refuses (the rest are dropped).
  void Flush();

  HTREEITEM Find(const std::string& key) const;
  std::string KeyOf(HTREEITEM item) const;

  // The nodes as the model holds them, and the control's item of one.
  const Explorer::NodeTree& Model() const { return model_; }
  HTREEITEM Item(std::size_t node) const { return node < items_.size() ? items_[node] : nullptr; }
  // The model's number of an item, or NodeTree::kNoNode.
  std::size_t NodeOf(HTREEITEM item) const;

  // The selected node with its parent and grandparent, as the list reads them.
  Explorer::TreeSelection Selection() const;

 private:
  HTREEITEM Insert(HTREEITEM parent, std::size_t node, const std::string& key,
                   const std::string& text, int image);
  std::string TextOf(HTREEITEM item) const;
  Explorer::NodeFacts Facts(HTREEITEM item) const;

  HWND tree_;
  Explorer::NodeTree model_;
  std::vector<HTREEITEM> items_;  // by the model's number; null while held back
  std::vector<int> depths_;       // by the model's number; 0 for a root
  struct Held {
    std::size_t node;
    std::size_t parent;
    int image;
  };
  std::vector<Held> held_;
};

}  // namespace explorerwin
