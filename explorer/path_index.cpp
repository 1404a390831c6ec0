#include "explorer/path_index.h"

namespace Explorer {

PathIndex::PathIndex(const kes::Collection<clsProcess>& processes) {
  for (std::int32_t i = 1; i <= processes.Count(); ++i) {
    const kes::Collection<clsModule>& modules = processes.Item(i).mcolModules;
    for (std::int32_t j = 1; j <= modules.Count(); ++j) {
      Add(i, j, modules.Item(j).msExePath);
    }
  }
}

bool PathIndex::Add(std::int32_t process, std::int32_t module, const std::string& path) {
  auto [entry, added] = uses_.try_emplace(path);
  entry->second.push_back({process, module});
  return added;
}

std::span<const PathIndex::Use> PathIndex::Uses(const std::string& path) const {
  const auto found = uses_.find(path);
  if (found == uses_.end()) {
    return {};
  }
  return found->second;
}

std::optional<std::int32_t> PathIndex::ModuleOf(std::int32_t process,
                                                const std::string& path) const {
  for (const Use& use : Uses(path)) {
    if (use.process == process) {
      return use.module;
    }
  }
  return std::nullopt;
}

}  // namespace Explorer
