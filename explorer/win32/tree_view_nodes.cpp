#include "explorer/win32/tree_view_nodes.h"

#include "platform/failure.h"

namespace explorerwin {

namespace {
constexpr int kTextMax = 1024;  // longer than any path or window title
}  // namespace

HTREEITEM TreeViewNodes::Insert(HTREEITEM parent, std::size_t node, const std::string& key,
                                const std::string& text, int image) {
  TVINSERTSTRUCTA insert{};
  insert.hParent = parent;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
  insert.item.pszText = const_cast<char*>(text.c_str());
  insert.item.iImage = image - 1;
  insert.item.iSelectedImage = image - 1;
  insert.item.lParam = static_cast<LPARAM>(node);
  auto* item = reinterpret_cast<HTREEITEM>(
      SendMessageA(tree_, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
  if (item == nullptr) {
    throw kes::Failure(kes::kErrElementNotFound, "The tree could not take the node " + key);
  }
  return item;
}

void TreeViewNodes::Add(const std::string& parentKey, const std::string& key,
                        const std::string& text, int image) {
  const std::size_t parent = model_.PlaceFor(parentKey, key);
  const std::size_t node = model_.Count();
  const int depth = parent == Explorer::NodeTree::kNoNode ? 0 : depths_[parent] + 1;
  HTREEITEM item = nullptr;
  if (depth < 2) {
    item = Insert(parent == Explorer::NodeTree::kNoNode ? TVI_ROOT : items_[parent], node, key,
                  text, image);
  } else {
    held_.push_back({node, parent, image});
  }
  model_.Append(parent, key, text);
  depths_.push_back(depth);
  items_.push_back(item);
}

void TreeViewNodes::Flush() {
  std::vector<Held> held;
  held.swap(held_);
  for (const Held& node : held) {
    items_[node.node] = Insert(items_[node.parent], node.node, model_.Key(node.node),
                               model_.Text(node.node), node.image);
  }
}

void TreeViewNodes::Expand(const std::string& key) {
  Flush();
  HTREEITEM item = Find(key);
  if (item != nullptr) {
    SendMessageA(tree_, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
  }
}

HTREEITEM TreeViewNodes::Find(const std::string& key) const { return Item(model_.Find(key)); }

std::size_t TreeViewNodes::NodeOf(HTREEITEM item) const {
  TVITEMA node{};
  node.mask = TVIF_PARAM;
  node.hItem = item;
  if (item == nullptr || !SendMessageA(tree_, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&node))) {
    return Explorer::NodeTree::kNoNode;
  }
  const auto number = static_cast<std::size_t>(node.lParam);
  return number < model_.Count() ? number : Explorer::NodeTree::kNoNode;
}

std::string TreeViewNodes::KeyOf(HTREEITEM item) const {
  const std::size_t node = NodeOf(item);
  return node == Explorer::NodeTree::kNoNode ? std::string() : model_.Key(node);
}

std::string TreeViewNodes::TextOf(HTREEITEM item) const { return TreeItemText(tree_, item); }

std::string TreeItemText(HWND tree, HTREEITEM item) {
  char text[kTextMax] = {};
  TVITEMA node{};
  node.mask = TVIF_TEXT;
  node.hItem = item;
  node.pszText = text;
  node.cchTextMax = sizeof text;
  SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&node));
  // The control may answer with its own buffer.
  return node.pszText != nullptr ? node.pszText : text;
}

Explorer::NodeFacts TreeViewNodes::Facts(HTREEITEM item) const {
  return {TextOf(item), KeyOf(item)};
}

Explorer::TreeSelection TreeViewNodes::Selection() const {
  Explorer::TreeSelection selection;
  selection.hasNodes = SendMessageA(tree_, TVM_GETCOUNT, 0, 0) > 0;
  auto next = [this](HTREEITEM item, WPARAM relation) {
    return reinterpret_cast<HTREEITEM>(
        SendMessageA(tree_, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
  };
  HTREEITEM selected = next(nullptr, TVGN_CARET);
  if (selected == nullptr) {
    return selection;
  }
  selection.selected = Facts(selected);
  HTREEITEM parent = next(selected, TVGN_PARENT);
  if (parent == nullptr) {
    return selection;
  }
  selection.parent = Facts(parent);
  HTREEITEM grandparent = next(parent, TVGN_PARENT);
  if (grandparent != nullptr) {
    selection.grandparentText = TextOf(grandparent);
  }
  return selection;
}

}  // namespace explorerwin
