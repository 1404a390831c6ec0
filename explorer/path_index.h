#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

#include "snapshot/collection.h"
#include "snapshot/process.h"

namespace Explorer {

// Every module of a snapshot by its path (exact, case-sensitive), so that the
// tree tells the distinct modules and the detail list finds a module's users
// and a process's module by hashing. The answers are those of a scan of every
// process and module in order.
class PathIndex {
 public:
  // One module record: its process's position and its own position there.
  struct Use {
    std::int32_t process;
    std::int32_t module;
  };

  PathIndex() = default;
  // Adds every module of every process, in order.
  explicit PathIndex(const kes::Collection<clsProcess>& processes);

  // Adds module `module` of process `process`; modules are added in snapshot
  // order. True when it is the first record with its path.
  bool Add(std::int32_t process, std::int32_t module, const std::string& path);

  // Every module record with this path, in process order and, within a
  // process, in module order.
  std::span<const Use> Uses(const std::string& path) const;

  // The position of the first module of process `process` with this path.
  std::optional<std::int32_t> ModuleOf(std::int32_t process, const std::string& path) const;

 private:
  std::unordered_map<std::string, std::vector<Use>> uses_;
};

}  // namespace Explorer
