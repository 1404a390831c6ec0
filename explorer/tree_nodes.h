#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "explorer/path_index.h"
#include "platform/progress.h"
#include "shell/general/error_report.h"
#include "snapshot/collection.h"
#include "snapshot/process.h"
#include "snapshot/task.h"
#include "snapshot/unique_module.h"

namespace Explorer {

// The three roots: keys, texts and images (1-based in the frame's image list).
inline constexpr const char* kTaskKey = "Task";
inline constexpr const char* kProcKey = "Proc";
inline constexpr const char* kModKey = "Mod";
inline constexpr const char* kModXKey = "ModX";
inline constexpr const char* kTopWindowsText = "Top Windows";
inline constexpr const char* kProcessesText = "Processes";
inline constexpr const char* kModulesText = "Modules";
inline constexpr int kTaskImage = 5;
inline constexpr int kProcessImage = 4;
inline constexpr int kModuleImage = 7;

// A key: the prefix followed directly by the number in decimal.
std::string NodeKey(const char* prefix, std::int32_t number);

// The record number a "Task", "Proc" or "ModX" key carries: everything after
// its first four characters as a decimal number; none when that is no number.
std::optional<std::int32_t> KeyNumber(const std::string& key);

// What a node's text says it is: a root, or nothing special.
enum class RootKind { kNone, kTopWindows, kProcesses, kModules };
RootKind ClassifyText(const std::string& text);

// The text of a distinct-module node: path, " (", global usage count, ")".
std::string UniqueModuleText(const clsModule& module);

// Where BuildTreeView puts its nodes. A root has an empty parent key.
class TreeTarget {
 public:
  virtual ~TreeTarget() = default;
  virtual void Add(const std::string& parentKey, const std::string& key, const std::string& text,
                   int image) = 0;
  virtual void Expand(const std::string& key) = 0;
};

// Draws the tree of a snapshot: the three roots, a node per task, per
// process and per module of each process, then one per distinct module file
// of `uniqueModules` (found when the snapshot was taken, FindDistinctModules,
// or a report's own list). Every module it walks goes into `paths`, which
// starts empty, so the snapshot's records are read once. Names what it reads
// in `progress`. A failure shows the error report ("Subs", "BuildTreeView")
// and returns false; the nodes added so far stay, and `paths` holds the
// modules they show.
bool BuildTreeView(TreeTarget& tree, const kes::Collection<clsTask>& tasks,
                   const kes::Collection<clsProcess>& processes, PathIndex& paths,
                   const kes::Collection<clsUniqueModule>& uniqueModules,
                   platform::Progress& progress, const Subs::ErrorReport& report);

}  // namespace Explorer
