// The explorer's model over snapshots made from the fuzzer's bytes: the tree
// never repeats a key or names a parent before adding it, its distinct
// modules are exactly those a scan of every module in order finds, and the
// list for any selection, made-up keys and texts included, never crashes.
//
// Input, read front to back: records until the bytes run out, each chosen by
// one byte (task, process, module of the last process, selection to fill the
// list for). Paths come from a small alphabet, so that they repeat.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "explorer/detail_list.h"
#include "explorer/path_index.h"
#include "explorer/tree_nodes.h"
#include "platform/message_box.h"
#include "platform/progress.h"
#include "shell/general/error_report.h"
#include "snapshot/distinct_modules.h"

namespace {

class Quiet final : public platform::MessageBoxes, public platform::Progress {
 public:
  int Show(platform::WindowHandle, const std::string&, const std::string&, unsigned) override {
    std::abort();  // the model reports no failure for any snapshot
  }
  void Report(const std::string&) override {}
};

class CheckedTree final : public Explorer::TreeTarget {
 public:
  void Add(const std::string& parent, const std::string& key, const std::string&, int) override {
    if ((!parent.empty() && !keys.contains(parent)) || !keys.insert(key).second) {
      std::abort();
    }
  }
  void Expand(const std::string& key) override {
    if (!keys.contains(key)) {
      std::abort();
    }
  }
  std::set<std::string> keys;
};

std::string Path(FuzzedDataProvider& data) {
  std::string path = "C:\\";
  const std::size_t length = data.ConsumeIntegralInRange<std::size_t>(0, 3);
  for (std::size_t i = 0; i < length; ++i) {
    path += "aA\\."[data.ConsumeIntegralInRange<int>(0, 3)];
  }
  return path;
}

std::string AnyText(FuzzedDataProvider& data, const std::vector<std::string>& known) {
  const int pick = data.ConsumeIntegralInRange<int>(0, 4);
  if (pick < 3 && !known.empty()) {
    return known[data.ConsumeIntegralInRange<std::size_t>(0, known.size() - 1)];
  }
  const char* const roots[] = {"Top Windows", "Processes", "Modules"};
  return pick == 3 ? roots[data.ConsumeIntegralInRange<int>(0, 2)]
                   : data.ConsumeRandomLengthString(12);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  kes::Collection<clsTask> tasks;
  kes::Collection<clsProcess> processes;
  kes::Collection<clsUniqueModule> uniqueModules;
  std::vector<std::string> texts;  // what selections may name
  std::vector<std::string> keys{"Task", "Proc", "Mod"};
  std::vector<Explorer::TreeSelection> selections;
  std::int32_t moduleId = 0;

  while (data.remaining_bytes() > 0) {
    switch (data.ConsumeIntegralInRange<int>(0, 3)) {
      case 0: {
        auto task = std::make_unique<clsTask>();
        task->mlID = tasks.Count() + 1;
        task->msName = data.ConsumeRandomLengthString(12);
        texts.push_back(task->msName);
        keys.push_back(Explorer::NodeKey("Task", task->mlID));
        tasks.Add(std::move(task));
        break;
      }
      case 1: {
        auto process = std::make_unique<clsProcess>();
        process->mlID = processes.Count() + 1;
        process->msExePath = Path(data);
        process->mlPriority = data.ConsumeIntegral<std::int32_t>();
        texts.push_back(process->msExePath);
        keys.push_back(Explorer::NodeKey("Proc", process->mlID));
        processes.Add(std::move(process));
        break;
      }
      case 2: {
        if (processes.Count() == 0) {
          break;
        }
        auto module = std::make_unique<clsModule>();
        module->mlID = ++moduleId;
        module->msExePath = Path(data);
        module->mlth32ProcessID = data.ConsumeIntegral<std::int32_t>();
        texts.push_back(module->msExePath);
        keys.push_back(Explorer::NodeKey("ModX", data.ConsumeIntegralInRange<int>(0, 9)));
        processes.Item(processes.Count()).mcolModules.Add(std::move(module));
        break;
      }
      default: {
        Explorer::TreeSelection selection;
        selection.hasNodes = data.ConsumeBool();
        if (data.ConsumeBool()) {
          selection.selected = Explorer::NodeFacts{AnyText(data, texts), AnyText(data, keys)};
        }
        if (data.ConsumeBool()) {
          selection.parent = Explorer::NodeFacts{AnyText(data, texts), AnyText(data, keys)};
        }
        if (data.ConsumeBool()) {
          selection.grandparentText = AnyText(data, texts);
        }
        selections.push_back(selection);
        break;
      }
    }
  }

  Quiet quiet;
  const Subs::ErrorReport report(quiet);
  Explorer::PathIndex paths;
  CheckedTree tree;
  FindDistinctModules(processes, uniqueModules);
  if (!Explorer::BuildTreeView(tree, tasks, processes, paths, uniqueModules, quiet, report)) {
    std::abort();
  }

  // The distinct modules as a scan of every module against those found
  // before it finds them.
  std::vector<std::pair<std::int32_t, std::int32_t>> expected;
  std::vector<std::string> seen;
  for (std::int32_t i = 1; i <= processes.Count(); ++i) {
    const auto& modules = processes.Item(i).mcolModules;
    for (std::int32_t j = 1; j <= modules.Count(); ++j) {
      bool found = false;
      for (const std::string& path : seen) {
        found = found || path == modules.Item(j).msExePath;
      }
      if (!found) {
        seen.push_back(modules.Item(j).msExePath);
        expected.emplace_back(i, j);
      }
    }
  }
  if (static_cast<std::size_t>(uniqueModules.Count()) != expected.size()) {
    std::abort();
  }
  for (std::int32_t k = 1; k <= uniqueModules.Count(); ++k) {
    const clsUniqueModule& unique = uniqueModules.Item(k);
    if (unique.mlProcID != expected[k - 1].first || unique.mlModID != expected[k - 1].second ||
        unique.msExePath != seen[k - 1]) {
      std::abort();
    }
  }

  for (const Explorer::TreeSelection& selection : selections) {
    const auto list = Explorer::DetailList(selection, {tasks, processes, uniqueModules, paths},
                                           selection.hasNodes);
    if (list) {
      for (const Explorer::Row& row : list->rows) {
        if (row.subItems.size() + 1 > list->columns.size() && !list->columns.empty()) {
          std::abort();  // a cell without its column
        }
      }
    }
  }
  return 0;
}
