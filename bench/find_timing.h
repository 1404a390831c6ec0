#pragma once

#include <cstdio>
#include <memory>

#include "bench/growth.h"
#include "bench/median.h"
#include "bench/silent.h"
#include "bench/synthetic_snapshot.h"
#include "explorer/node_find.h"
#include "explorer/node_tree.h"
#include "explorer/path_index.h"
#include "explorer/tree_nodes.h"
#include "shell/general/error_report.h"
#include "snapshot/distinct_modules.h"

namespace bench {

// The processor time of one find that tries every node of the tree of
// `count` synthetic processes (a text no node holds); `nodes` gets the
// tree's size. A match would end the pass early: it times as -1.
inline double TimeFind(std::int32_t count, const platform::FileNameRule& rule, std::size_t& nodes) {
  auto snapshot = std::make_unique<Synthetic>(count);
  snapshot->uniqueModules = {};
  Silent silent;
  const Subs::ErrorReport report(silent);
  Explorer::NodeTree tree;
  Explorer::PathIndex paths;
  FindDistinctModules(snapshot->processes, snapshot->uniqueModules);
  Explorer::BuildTreeView(tree, snapshot->tasks, snapshot->processes, paths,
                          snapshot->uniqueModules, silent, report);
  nodes = tree.Count();
  const double start = CpuMilliseconds();
  const Explorer::NodeFinder finder(tree, rule);
  const auto found = finder.Next(tree.Find("Task"), {"NOTEPAD.EXE", false, true});
  const double ms = CpuMilliseconds() - start;
  return found ? -1 : ms;
}

// `find: nodes=N ms=T` for 2,000 and for 4,000 processes of 60 modules,
// letters folded by the rule's code page.
inline void PrintFindTimes(const platform::FileNameRule& rule) {
  std::size_t smallNodes = 0, largeNodes = 0;
  const auto [small, large] = AlternatedMedians(
      [&](int processes) {
        return TimeFind(processes, rule, processes == 2000 ? smallNodes : largeNodes);
      },
      2000, 4000);
  std::printf("find: nodes=%zu ms=%.1f\n", smallNodes, small);
  std::printf("find: nodes=%zu ms=%.1f\n", largeNodes, large);
}

// `find series (ms): ...` over the growth sizes.
inline void PrintFindSeries(const platform::FileNameRule& rule) {
  std::size_t nodes = 0;
  PrintSeries(
      "find series (ms)", kGrowthSizes,
      SeriesMedians([&](int processes) { return TimeFind(processes, rule, nodes); }, kGrowthSizes));
}

}  // namespace bench
