#pragma once

#include <optional>
#include <string>
#include <vector>

#include "explorer/path_index.h"
#include "snapshot/collection.h"
#include "snapshot/process.h"
#include "snapshot/task.h"
#include "snapshot/unique_module.h"

namespace Explorer {

enum class Align { kLeft, kRight };

// A column of the list: header, width in twips (0 hides it) and alignment.
struct Column {
  std::string header;
  int width;
  Align align;
  bool operator==(const Column&) const = default;
};

// A row: the first column's text and the texts of sub-items 1, 2, ...
struct Row {
  std::string text;
  std::vector<std::string> subItems;
  bool operator==(const Row&) const = default;
};

struct ListContents {
  std::vector<Column> columns;
  std::vector<Row> rows;
};

// A node of the tree as the list sees it.
struct NodeFacts {
  std::string text;
  std::string key;
};

// What the list reads from the tree: whether it has nodes, the selected node
// and its parent and grandparent, where they exist.
struct TreeSelection {
  bool hasNodes = false;
  std::optional<NodeFacts> selected;
  std::optional<NodeFacts> parent;
  std::optional<std::string> grandparentText;
};

// The records of one explorer window, with the index of their module paths.
struct ListRecords {
  const kes::Collection<clsTask>& tasks;
  const kes::Collection<clsProcess>& processes;
  const kes::Collection<clsUniqueModule>& uniqueModules;
  const PathIndex& paths;
};

// The record a node or a row shows. For a module of a process `process` is
// its process; for a distinct module `module` is the record it points at.
struct NodeRecord {
  const clsTask* task = nullptr;
  const clsProcess* process = nullptr;
  const clsModule* module = nullptr;
  const clsUniqueModule* unique = nullptr;
};

// The record of the selected node, told by its parent's (and grandparent's)
// text: none when its key addresses no record; empty for a root and for a
// node the texts do not place.
std::optional<NodeRecord> RecordOf(const TreeSelection& tree, const ListRecords& records);

// The record of row `row` (0-based, in the order the list was filled) of a
// root's table: a process of the Processes table or a distinct module of
// the Modules table; none for any other list.
std::optional<NodeRecord> RowRecord(const TreeSelection& tree, std::size_t row,
                                    const ListRecords& records);

// The list for the selected node: a root's table when the node's text names a
// root, otherwise the sheet its parent's (and grandparent's) text calls for.
// Identifiers are hexadecimal when `hexIds`. None when the list is to stay as
// it is: no nodes, no selected node, or a key that addresses no record.
std::optional<ListContents> DetailList(const TreeSelection& tree, const ListRecords& records,
                                       bool hexIds);

}  // namespace Explorer
