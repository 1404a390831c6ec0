#include "explorer/path_index.h"

namespace Explorer {

PathIndex::PathIndex(const kes::Collection<clsProcess>& processes) {
  processStart_.reserve(static_cast<std::size_t>(processes.Count()) + 1);
  for (std::int32_t i = 1; i <= processes.Count(); ++i) {
    processStart_.push_back(firstUse_.size());
    const kes::Collection<clsModule>& modules = processes.Item(i).mcolModules;
    for (std::int32_t j = 1; j <= modules.Count(); ++j) {
      auto [entry, added] = uses_.try_emplace(modules.Item(j).msExePath);
      entry->second.push_back({i, j});
      firstUse_.push_back(added);
    }
  }
  processStart_.push_back(firstUse_.size());
}

bool PathIndex::FirstUse(std::int32_t process, std::int32_t module) const {
  if (process < 1 || static_cast<std::size_t>(process) >= processStart_.size() || module < 1) {
    return false;
  }
  const std::size_t at = processStart_[process - 1] + static_cast<std::size_t>(module - 1);
  return at < processStart_[process] && firstUse_[at];
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
