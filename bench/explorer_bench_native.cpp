// Shows how the explorer's model grows with the number of processes: the
// tree's nodes with the distinct modules, the path index and the list of
// every root table and of a sheet of each kind, for the synthetic snapshot of
// 2,000 and 4,000 processes of 60 modules each that the report benchmarks
// use. Linear growth keeps the second time within 2.2 times the first. Then
// a whole pass of the find over the tree's nodes (a text that no node holds)
// for both sizes: `find: nodes=N ms=T`.
#include <cstdio>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "bench/find_timing.h"
#include "bench/median.h"
#include "bench/silent.h"
#include "bench/synthetic_snapshot.h"
#include "explorer/detail_list.h"
#include "explorer/path_index.h"
#include "explorer/tree_nodes.h"
#include "platform/message_box.h"
#include "platform/progress.h"
#include "shell/general/error_report.h"
#include "snapshot/distinct_modules.h"

namespace {

// Counts what it is given, as a tree control that costs nothing would.
class CountingTree : public Explorer::TreeTarget {
 public:
  void Add(const std::string&, const std::string& key, const std::string& text, int) override {
    characters += key.size() + text.size();
  }
  void Expand(const std::string&) override {}
  std::size_t characters = 0;
};

std::size_t RowsOf(const std::optional<Explorer::ListContents>& list) {
  return list ? list->rows.size() : 0;
}

double TimeModel(std::int32_t count, std::size_t& rows) {
  // The distinct modules are found as a snapshot is taken, then the tree drawn.
  auto snapshot = std::make_unique<bench::Synthetic>(count);
  snapshot->uniqueModules = {};
  Silent silent;
  const Subs::ErrorReport report(silent);
  CountingTree tree;
  const double start = CpuMilliseconds();
  Explorer::PathIndex paths;
  FindDistinctModules(snapshot->processes, snapshot->uniqueModules);
  Explorer::BuildTreeView(tree, snapshot->tasks, snapshot->processes, paths,
                          snapshot->uniqueModules, silent, report);
  const Explorer::ListRecords records{snapshot->tasks, snapshot->processes, snapshot->uniqueModules,
                                      paths};
  using Explorer::NodeFacts;
  const Explorer::TreeSelection nodes[] = {
      {true, NodeFacts{"Top Windows", "Task"}, std::nullopt, std::nullopt},
      {true, NodeFacts{"Processes", "Proc"}, std::nullopt, std::nullopt},
      {true, NodeFacts{"Modules", "Mod"}, std::nullopt, std::nullopt},
      {true, NodeFacts{"", "Proc1"}, NodeFacts{"Processes", "Proc"}, std::nullopt},
      {true, NodeFacts{"", "ModX1"}, NodeFacts{"Modules", "Mod"}, std::nullopt},
      {true, NodeFacts{"C:\\WINDOWS\\SYSTEM\\LIB1.DLL", "Mod1"}, NodeFacts{"", "Proc1"},
       std::string("Processes")},
  };
  rows = 0;
  for (const Explorer::TreeSelection& node : nodes) {
    rows += RowsOf(Explorer::DetailList(node, records, true));
  }
  return CpuMilliseconds() - start;
}

}  // namespace

int main() {
  std::size_t smallRows = 0, largeRows = 0;
  const auto [s, l] = AlternatedMedians(
      [&](int processes) {
        return TimeModel(processes, processes == 2000 ? smallRows : largeRows);
      },
      2000, 4000);
  std::printf("explorer model, 2000 processes (%zu list rows): %.1f ms\n", smallRows, s);
  std::printf("explorer model, 4000 processes (%zu list rows): %.1f ms\n", largeRows, l);
  std::printf("explorer growth: ratio=%.2f (linear growth stays within 2.2)\n", l / s);
  // The Western code page, as a Windows 95 or 98 sold in Europe or America has.
  const platform::FileNameRule western(platform::CodePage::Numbered(1252));
  bench::PrintFindTimes(western);
  bench::PrintFindSeries(western);
  return 0;
}
