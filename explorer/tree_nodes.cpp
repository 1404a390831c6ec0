#include "explorer/tree_nodes.h"

#include <charconv>
#include <memory>
#include <string_view>

#include "shell/general/failure_handler.h"
#include "snapshot/display_rules.h"

namespace Explorer {

std::string NodeKey(const char* prefix, std::int32_t number) {
  return prefix + std::to_string(number);
}

std::optional<std::int32_t> KeyNumber(const std::string& key) {
  if (key.size() <= 4) {
    return std::nullopt;
  }
  const char* first = key.data() + 4;
  const char* last = key.data() + key.size();
  std::int32_t number = 0;
  const auto [end, error] = std::from_chars(first, last, number);
  if (error != std::errc() || end != last) {
    return std::nullopt;
  }
  return number;
}

RootKind ClassifyText(const std::string& text) {
  if (text == kTopWindowsText) {
    return RootKind::kTopWindows;
  }
  if (text == kProcessesText) {
    return RootKind::kProcesses;
  }
  if (text == kModulesText) {
    return RootKind::kModules;
  }
  return RootKind::kNone;
}

std::string UniqueModuleText(const clsModule& module) {
  return module.msExePath + " (" + Display::Decimal(module.mGlblcntUsage) + ")";
}

bool BuildTreeView(TreeTarget& tree, const kes::Collection<clsTask>& tasks,
                   const kes::Collection<clsProcess>& processes, PathIndex& paths,
                   const kes::Collection<clsUniqueModule>& uniqueModules,
                   platform::Progress& progress, const Subs::ErrorReport& report) {
  return Subs::WithFailureHandler(report, "Subs", "BuildTreeView", false, [&] {
    tree.Add("", kTaskKey, kTopWindowsText, kTaskImage);
    tree.Add("", kProcKey, kProcessesText, kProcessImage);
    tree.Add("", kModKey, kModulesText, kModuleImage);

    for (std::int32_t t = 1; t <= tasks.Count(); ++t) {
      const clsTask& task = tasks.Item(t);
      progress.Report(task.msName);
      const std::string key = NodeKey(kTaskKey, task.mlID);
      tree.Add(kTaskKey, key, task.msName, kTaskImage);
      tree.Expand(key);
    }

    for (std::int32_t i = 1; i <= processes.Count(); ++i) {
      const clsProcess& process = processes.Item(i);
      const std::string processKey = NodeKey(kProcKey, process.mlID);
      tree.Add(kProcKey, processKey, process.msExePath, kProcessImage);
      progress.Report(process.msExePath);
      for (std::int32_t j = 1; j <= process.mcolModules.Count(); ++j) {
        const clsModule& module = process.mcolModules.Item(j);
        tree.Add(processKey, NodeKey(kModKey, module.mlID), module.msExePath, kModuleImage);
        paths.Add(i, j, module.msExePath);
      }
    }

    for (std::int32_t k = 1; k <= uniqueModules.Count(); ++k) {
      const clsUniqueModule& unique = uniqueModules.Item(k);
      const clsModule& module = processes.Item(unique.mlProcID).mcolModules.Item(unique.mlModID);
      tree.Add(kModKey, NodeKey(kModXKey, k), UniqueModuleText(module), kModuleImage);
    }

    tree.Expand(kTaskKey);
    tree.Expand(kProcKey);
    tree.Expand(kModKey);
    return true;
  });
}

}  // namespace Explorer
