#include "explorer/differences.h"

namespace Explorer {

namespace {

using Report::ChangeKind;

constexpr std::array<const char*, Report::kChangeKinds> kGroupTexts{
    "Processes Started",  "Processes Ended",      "Modules Loaded", "Modules Unloaded",
    "Module Files Added", "Module Files Removed", "Files Changed"};

// The columns of a group's rows, cell by cell as the comparison gives them.
std::vector<Column> GroupColumns(ChangeKind kind) {
  switch (kind) {
    case ChangeKind::kProcessesStarted:
    case ChangeKind::kProcessesEnded:
      return {{"Process", 4000, Align::kLeft},
              {"Before", 900, Align::kRight},
              {"After", 900, Align::kRight}};
    case ChangeKind::kModulesLoaded:
    case ChangeKind::kModulesUnloaded:
      return {{"Process", 3000, Align::kLeft}, {"Module", 4000, Align::kLeft}};
    case ChangeKind::kModuleFilesAdded:
    case ChangeKind::kModuleFilesRemoved:
      return {{"Module File", 5000, Align::kLeft}};
    case ChangeKind::kFilesChanged:
      break;
  }
  return {{"File", 3000, Align::kLeft},        {"Old Version", 1200, Align::kLeft},
          {"New Version", 1200, Align::kLeft}, {"Old Size", 900, Align::kRight},
          {"New Size", 900, Align::kRight},    {"Old Date", 1800, Align::kLeft},
          {"New Date", 1800, Align::kLeft}};
}

std::size_t CountOf(const Report::Comparison& comparison, ChangeKind kind) {
  return comparison.groups[static_cast<std::size_t>(kind)].changes.size();
}

std::string Counted(std::size_t count, const char* what) {
  return std::to_string(count) + " " + what;
}

}  // namespace

std::vector<std::string> DifferencesTree(const Report::Comparison& comparison) {
  std::vector<std::string> nodes{"Snapshots"};
  for (std::size_t g = 0; g < Report::kChangeKinds; ++g) {
    nodes.push_back(std::string(kGroupTexts[g]) + " (" +
                    std::to_string(comparison.groups[g].changes.size()) + ")");
  }
  return nodes;
}

ListContents DifferencesList(const Report::Comparison& comparison, std::size_t node) {
  ListContents list;
  if (node == 0) {
    list.columns = {{"Snapshots", 9000, Align::kLeft}};
    for (const std::string& note : comparison.notes) {
      list.rows.push_back({note, {}});
    }
    if (!comparison.differs) {
      list.rows.push_back(
          {comparison.whole ? "No differences." : "No differences in what was compared.", {}});
    }
    return list;
  }
  if (node > Report::kChangeKinds) {
    return list;
  }
  const Report::ChangeGroup& group = comparison.groups[node - 1];
  list.columns = GroupColumns(group.kind);
  for (const Report::Change& change : group.changes) {
    Row row;
    if (!change.cells.empty()) {
      row.text = change.cells.front();
      row.subItems.assign(change.cells.begin() + 1, change.cells.end());
    }
    list.rows.push_back(std::move(row));
  }
  return list;
}

std::size_t FirstShownNode(const Report::Comparison& comparison) {
  for (std::size_t g = 0; g < Report::kChangeKinds; ++g) {
    if (!comparison.groups[g].changes.empty()) {
      return g + 1;
    }
  }
  return 0;
}

std::array<std::string, 4> DifferencesPanels(const Report::Comparison& comparison) {
  std::size_t total = 0;
  for (const Report::ChangeGroup& group : comparison.groups) {
    total += group.changes.size();
  }
  const auto count = [&comparison](ChangeKind kind, const char* what) {
    return Counted(CountOf(comparison, kind), what);
  };
  return {total == 0 ? std::string("No differences") : "Differences: " + std::to_string(total),
          "Processes: " + count(ChangeKind::kProcessesStarted, "started, ") +
              count(ChangeKind::kProcessesEnded, "ended"),
          "Modules: " + count(ChangeKind::kModulesLoaded, "loaded, ") +
              count(ChangeKind::kModulesUnloaded, "unloaded"),
          "Files: " + count(ChangeKind::kModuleFilesAdded, "added, ") +
              count(ChangeKind::kModuleFilesRemoved, "removed, ") +
              count(ChangeKind::kFilesChanged, "changed")};
}

std::span<const Subs::FrameMenuSpec> DifferencesMenuBar() {
  static constexpr std::array<Subs::MenuItemSpec, 3> kFileItems{{
      {"&Print To File...", true, nullptr},
      {nullptr, true, nullptr},
      {"&Close", true, nullptr},
  }};
  // Its Edit menu copies, as the explorer's does (the same item at the same
  // index).
  static constexpr std::array<Subs::MenuItemSpec, 1> kEditItems{{
      {"&Copy", true, "Ctrl+C"},
  }};
  static const std::vector<Subs::FrameMenuSpec> bar = Subs::ChildMenuBar(kFileItems, kEditItems);
  return bar;
}

std::string DifferencesCaption(const std::string& oldCaption, const std::string& newCaption) {
  return "Differences: " + oldCaption + " -> " + newCaption;
}

}  // namespace Explorer
