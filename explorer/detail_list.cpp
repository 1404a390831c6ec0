#include "explorer/detail_list.h"

#include "explorer/tree_nodes.h"
#include "snapshot/display_rules.h"

namespace Explorer {

namespace {

// The module record a distinct module points at.
const clsModule& ModuleOfUnique(const clsUniqueModule& unique, const ListRecords& records) {
  return records.processes.Item(unique.mlProcID).mcolModules.Item(unique.mlModID);
}

constexpr int kValueWidth = 5000;

// Fills one list, with the identifier rule of the moment.
class ListBuilder {
 public:
  ListBuilder(const ListRecords& records, bool hexIds) : records_(records), hex_(hexIds) {}

  void TopWindowsTable() {
    list_.columns = {{"Name", 5000, Align::kLeft}, {"ID", 0, Align::kLeft}};
    for (std::int32_t i = 1; i <= records_.tasks.Count(); ++i) {
      const clsTask& task = records_.tasks.Item(i);
      list_.rows.push_back({task.msName, {Display::Decimal(task.mlID)}});
    }
  }

  void ProcessesTable() {
    list_.columns = {
        {"Process Name", 3000, Align::kLeft},
        {"File Date", 1800, Align::kLeft},
        {"File Size", 800, Align::kRight},
        {"Version", 1000, Align::kLeft},
        {"ProcessID ", 1000, Align::kRight},
        {"Process Handle", 1500, Align::kRight},
        {"HeapID ", 1000, Align::kRight},
        {"ModuleID", 1000, Align::kRight},
        {"Threads", 1000, Align::kRight},
        {"Parent ProcessID", 1000, Align::kRight},
        {"Base Priority", 1000, Align::kRight},
        {"Priority", 1000, Align::kRight},
        {"ID", 0, Align::kLeft},
    };
    for (std::int32_t i = 1; i <= records_.processes.Count(); ++i) {
      const clsProcess& p = records_.processes.Item(i);
      list_.rows.push_back(
          {p.msExePath,
           {p.msFileDateTime, Display::Decimal(p.mlFileSize), Display::VersionText(p.moVersionInfo),
            Id(p.mlth32ProcessID), Display::Decimal(p.mlProcessHandle), Id(p.mlth32DefaultHeapID),
            Id(p.mlth32ModuleID), Display::Decimal(p.mcntThreads), Id(p.mlth32ParentProcessID),
            Display::Decimal(p.mlpcPriClassBase), Display::PriorityName(p.mlPriority),
            Display::Decimal(p.mlID)}});
    }
  }

  void ModulesTable() {
    list_.columns = {
        {"Module Name", 2000, Align::kLeft},      {"Path", 1000, Align::kLeft},
        {"File Date", 1800, Align::kLeft},        {"Version", 1000, Align::kLeft},
        {"File Size", 800, Align::kRight},        {"Global Usage Count", 1000, Align::kRight},
        {"Size (In Bytes)", 1300, Align::kRight}, {"ID", 0, Align::kLeft},
    };
    for (std::int32_t k = 1; k <= records_.uniqueModules.Count(); ++k) {
      const clsModule& m = ModuleOfUnique(records_.uniqueModules.Item(k), records_);
      list_.rows.push_back({m.msName,
                            {m.msExePath, m.msFileDateTime, Display::VersionText(m.moVersionInfo),
                             Display::Decimal(m.mlFileSize), Display::Decimal(m.mGlblcntUsage),
                             Display::Decimal(m.mmodBaseSize), Display::Decimal(m.mlID)}});
    }
  }

  void TaskSheet(const clsTask& task) {
    Sheet(2000);
    Item("Name:", task.msName);
  }

  void ProcessSheet(const clsProcess& p) {
    Sheet(4000);
    Item("Process:", p.msExePath);
    Item("File Date:", p.msFileDateTime);
    Item("File Size:", Display::Decimal(p.mlFileSize));
    Item("Version:", Display::VersionText(p.moVersionInfo));
    Item("# Of References To Process:", Display::Decimal(p.mcntUsage));
    Item("Process ID:", Id(p.mlth32ProcessID));
    Item("Process Handle:", Display::Decimal(p.mlProcessHandle));
    Item("Process Priority:", Display::PriorityName(p.mlPriority));
    Item("Default Heap ID:", Id(p.mlth32DefaultHeapID));
    Item("Module ID (Associated EXE):", Id(p.mlth32ModuleID));
    Item("Execution Threads Started By This Process:", Display::Decimal(p.mcntThreads));
    Item("Parent ProcessID", Id(p.mlth32ParentProcessID));
    Item("Base Priority Of Threads Created By This Process:", Display::Decimal(p.mlpcPriClassBase));
    for (std::int32_t j = 1; j <= p.mcolModules.Count(); ++j) {
      Item("Uses:", p.mcolModules.Item(j).msExePath);
    }
  }

  void UniqueModuleSheet(const clsUniqueModule& unique) {
    const clsModule& m = ModuleOfUnique(unique, records_);
    Sheet(1500);
    Item("Module:", m.msExePath);
    Item("File Date:", m.msFileDateTime);
    Item("Version:", Display::VersionText(m.moVersionInfo));
    Item("File Size:", Display::Decimal(m.mlFileSize));
    Item("Global Usage Count:", Display::Decimal(m.mGlblcntUsage));
    Item("Size, In Bytes:", Display::Decimal(m.mmodBaseSize));
    for (const PathIndex::Use& use : records_.paths.Uses(m.msExePath)) {
      Item("Used By:", records_.processes.Item(use.process).msExePath);
    }
  }

  void ModuleSheet(const clsModule& m) {
    Sheet(4000);
    Item("Module:", m.msName);
    Item("Path:", m.msExePath);
    Item("File Date:", m.msFileDateTime);
    Item("Version:", Display::VersionText(m.moVersionInfo));
    Item("File Size:", Display::Decimal(m.mlFileSize));
    Item("Process ID:", Id(m.mlth32ProcessID));
    Item("Global Usage Count:", Display::Decimal(m.mGlblcntUsage));
    Item("Module Usage Count (In Context Of Parent Process):", Display::Decimal(m.mProccntUsage));
    Item("Module ID (In Context Of Parent Process):", Id(m.mlth32ModuleID));
    Item("Base Size:", Display::Decimal(m.mmodBaseSize));
    Item("Base Addr (In Context Of Parent Process):", Id(m.mmodBaseAddr));
    Item("Size, In Bytes", Display::Decimal(m.mmodBaseSize));
    Item("Module Handle (In Context Of Parent Process):", Display::Decimal(m.mhModule));
  }

  ListContents Take() { return std::move(list_); }

 private:
  template <class Integer>
  std::string Id(Integer value) const {
    return Display::Identifier(value, hex_ ? 1 : 0);
  }

  void Sheet(int itemWidth) {
    list_.columns.push_back({"Item", itemWidth, Align::kLeft});
    list_.columns.push_back({"Value", kValueWidth, Align::kLeft});
  }

  void Item(const char* caption, std::string value) {
    list_.rows.push_back({caption, {std::move(value)}});
  }

  const ListRecords& records_;
  bool hex_;
  ListContents list_;
};

// The record at a node's key number in `collection`, if there is one.
template <class T>
const T* Addressed(const kes::Collection<T>& collection, const std::string& key) {
  const std::optional<std::int32_t> number = KeyNumber(key);
  if (!number || *number < 1 || *number > collection.Count()) {
    return nullptr;
  }
  return &collection.Item(*number);
}

}  // namespace

std::optional<NodeRecord> RecordOf(const TreeSelection& tree, const ListRecords& records) {
  if (!tree.selected || !tree.parent) {
    return NodeRecord{};
  }
  const NodeFacts& node = *tree.selected;
  NodeRecord record;
  switch (ClassifyText(tree.parent->text)) {
    case RootKind::kTopWindows:
      record.task = Addressed(records.tasks, node.key);
      return record.task != nullptr ? std::optional(record) : std::nullopt;
    case RootKind::kProcesses:
      record.process = Addressed(records.processes, node.key);
      return record.process != nullptr ? std::optional(record) : std::nullopt;
    case RootKind::kModules:
      record.unique = Addressed(records.uniqueModules, node.key);
      if (record.unique == nullptr) {
        return std::nullopt;
      }
      record.module = &ModuleOfUnique(*record.unique, records);
      return record;
    case RootKind::kNone:
      break;
  }

  // A module node: its process comes from the parent's key, the module from
  // its own text.
  if (tree.grandparentText && ClassifyText(*tree.grandparentText) == RootKind::kProcesses) {
    record.process = Addressed(records.processes, tree.parent->key);
    if (record.process == nullptr) {
      return std::nullopt;
    }
    const std::optional<std::int32_t> module =
        records.paths.ModuleOf(KeyNumber(tree.parent->key).value_or(0), node.text);
    if (!module) {
      return NodeRecord{};
    }
    record.module = &record.process->mcolModules.Item(*module);
  }
  return record;
}

std::optional<NodeRecord> RowRecord(const TreeSelection& tree, std::size_t row,
                                    const ListRecords& records) {
  if (!tree.selected) {
    return std::nullopt;
  }
  const auto number = static_cast<std::int32_t>(row) + 1;
  NodeRecord record;
  switch (ClassifyText(tree.selected->text)) {
    case RootKind::kProcesses:
      if (row >= static_cast<std::size_t>(records.processes.Count())) {
        return std::nullopt;
      }
      record.process = &records.processes.Item(number);
      return record;
    case RootKind::kModules:
      if (row >= static_cast<std::size_t>(records.uniqueModules.Count())) {
        return std::nullopt;
      }
      record.unique = &records.uniqueModules.Item(number);
      record.module = &ModuleOfUnique(*record.unique, records);
      return record;
    default:
      return std::nullopt;
  }
}

std::optional<ListContents> DetailList(const TreeSelection& tree, const ListRecords& records,
                                       bool hexIds) {
  if (!tree.hasNodes || !tree.selected) {
    return std::nullopt;
  }
  ListBuilder list(records, hexIds);
  const NodeFacts& node = *tree.selected;

  // Nodes are told apart by their texts: a root's own, else its parent's.
  switch (ClassifyText(node.text)) {
    case RootKind::kTopWindows:
      list.TopWindowsTable();
      return list.Take();
    case RootKind::kProcesses:
      list.ProcessesTable();
      return list.Take();
    case RootKind::kModules:
      list.ModulesTable();
      return list.Take();
    case RootKind::kNone:
      break;
  }
  const std::optional<NodeRecord> record = RecordOf(tree, records);
  if (!record) {
    return std::nullopt;
  }
  if (record->task != nullptr) {
    list.TaskSheet(*record->task);
  } else if (record->unique != nullptr) {
    list.UniqueModuleSheet(*record->unique);
  } else if (record->module != nullptr) {
    list.ModuleSheet(*record->module);
  } else if (record->process != nullptr) {
    list.ProcessSheet(*record->process);
  }
  return list.Take();
}

}  // namespace Explorer
