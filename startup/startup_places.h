#pragma once

#include <string>
#include <vector>

#include "platform/file_name_rule.h"
#include "startup/startup_sources.h"

namespace Startup {

// The places Windows 95 and 98 start programs from, in the order they are
// read.
enum class Place {
  kMachineRun,
  kMachineRunServices,
  kMachineRunOnce,
  kMachineRunServicesOnce,
  kUserRun,
  kUserRunOnce,
  kStartupGroup,
  kWinIniLoad,
  kWinIniRun,
  kSystemIniShell,
};

// The place as the Started From column names it.
const char* PlaceName(Place place);

// One thing that starts with Windows. `command` is what the place holds;
// `problem`, when not empty, says why it names no program before any file
// is looked for ("Not text", "Empty command", "Shortcut cannot be read",
// "Shortcut points nowhere"). A Startup group entry names its program
// itself in `target` (a shortcut's target, or the file itself), with the
// shortcut's `arguments`; the others' commands are taken apart.
struct Entry {
  Place place = Place::kMachineRun;
  std::string name;  // the value's name, the file's name or the INI key
  std::string command;
  std::string problem;
  std::string target;
  std::string arguments;
  bool operator==(const Entry&) const = default;
};

// Every entry of every place, in the order of Place: registry values in the
// order the system keeps them, the Startup folder's files (not its
// subfolders, nor the folder's own desktop.ini) in the order it lists them,
// each program of WIN.INI's load= and run= lines, and SYSTEM.INI's shell=
// unless it names Explorer.exe. A place that cannot be read gives no entries.
std::vector<Entry> ReadEntries(const platform::FileNameRule& rule, StartupSources& sources);

}  // namespace Startup
