#include "startup/startup_places.h"

#include <array>
#include <exception>
#include <optional>

#include "startup/ini_lines.h"

namespace Startup {

namespace {

constexpr const char* kRunKeys = "Software\\Microsoft\\Windows\\CurrentVersion\\";

struct RegistryPlace {
  Place place;
  platform::RegistryKey root;
  const char* key;
};
constexpr std::array<RegistryPlace, 6> kRegistryPlaces{{
    {Place::kMachineRun, platform::kHkeyLocalMachine, "Run"},
    {Place::kMachineRunServices, platform::kHkeyLocalMachine, "RunServices"},
    {Place::kMachineRunOnce, platform::kHkeyLocalMachine, "RunOnce"},
    {Place::kMachineRunServicesOnce, platform::kHkeyLocalMachine, "RunServicesOnce"},
    {Place::kUserRun, platform::kHkeyCurrentUser, "Run"},
    {Place::kUserRunOnce, platform::kHkeyCurrentUser, "RunOnce"},
}};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsBlankText(const std::string& text) {
  for (const char c : text) {
    if (!IsBlank(c)) {
      return false;
    }
  }
  return true;
}

void ReadRegistry(StartupSources& sources, std::vector<Entry>& entries) {
  for (const RegistryPlace& place : kRegistryPlaces) {
    for (const NamedValue& value :
         sources.registry.Values(place.root, std::string(kRunKeys) + place.key)) {
      Entry entry{place.place, value.name.empty() ? "(Default)" : value.name, {}, {}, {}, {}};
      if (value.type != platform::kRegSz && value.type != platform::kRegExpandSz) {
        entry.problem = "Not text";
      } else {
        // The stored text ends at its first NUL, if it has one.
        entry.command = value.data.substr(0, value.data.find('\0'));
        if (IsBlankText(entry.command)) {
          entry.problem = "Empty command";
        }
      }
      entries.push_back(std::move(entry));
    }
  }
}

void ReadStartupGroup(const platform::FileNameRule& rule, StartupSources& sources,
                      std::vector<Entry>& entries) {
  if (sources.startupFolder.empty()) {
    return;
  }
  const std::string folder = rule.AddBackslash(sources.startupFolder);
  std::vector<platform::FolderEntry> files;
  try {
    files = sources.files.List(folder + "*.*");
  } catch (const std::exception&) {
    return;
  }
  for (const platform::FolderEntry& file : files) {
    if ((file.attributes & platform::kAttrDirectory) != 0 ||
        platform::SameFileName(rule, file.name, "desktop.ini")) {
      continue;
    }
    Entry entry{Place::kStartupGroup, file.name, folder + file.name, {}, folder + file.name, {}};
    const std::size_t dot = rule.LastOf(file.name, ".");
    if (dot != std::string::npos && platform::SameFileName(rule, file.name.substr(dot), ".lnk")) {
      const std::optional<ShortcutTarget> target = sources.shortcuts.Read(entry.command);
      entry.target.clear();
      if (!target) {
        entry.problem = "Shortcut cannot be read";
      } else if (IsBlankText(target->path)) {
        entry.problem = "Shortcut points nowhere";
      } else {
        entry.target = target->path;
        entry.arguments = target->arguments;
        entry.command = target->path + (target->arguments.empty() ? "" : " " + target->arguments);
      }
    }
    entries.push_back(std::move(entry));
  }
}

// The INI file's text; empty when it cannot be read.
std::string IniText(StartupSources& sources, const platform::FileNameRule& rule, const char* name) {
  if (sources.windowsFolder.empty()) {
    return {};
  }
  try {
    return sources.files.ReadTextFile(rule.AddBackslash(sources.windowsFolder) + name);
  } catch (const std::exception&) {
    return {};
  }
}

// Each blank-separated program of a load= or run= line is an entry.
void ReadIniPrograms(Place place, const char* key, const std::string& line,
                     std::vector<Entry>& entries) {
  std::size_t at = 0;
  while (at < line.size()) {
    while (at < line.size() && IsBlank(line[at])) {
      ++at;
    }
    std::size_t end = at;
    while (end < line.size() && !IsBlank(line[end])) {
      ++end;
    }
    if (end > at) {
      entries.push_back({place, key, line.substr(at, end - at), {}, {}, {}});
    }
    at = end;
  }
}

void ReadIniFiles(const platform::FileNameRule& rule, StartupSources& sources,
                  std::vector<Entry>& entries) {
  const std::string winIni = IniText(sources, rule, "WIN.INI");
  ReadIniPrograms(Place::kWinIniLoad, "load",
                  IniValue(rule, winIni, "windows", "load").value_or(""), entries);
  ReadIniPrograms(Place::kWinIniRun, "run", IniValue(rule, winIni, "windows", "run").value_or(""),
                  entries);
  const std::string shell =
      IniValue(rule, IniText(sources, rule, "SYSTEM.INI"), "boot", "shell").value_or("");
  const std::string shellName = rule.SplitFolderName(shell).name;
  if (!shell.empty() && !platform::SameFileName(rule, shellName, "Explorer.exe")) {
    entries.push_back({Place::kSystemIniShell, "shell", shell, {}, {}, {}});
  }
}

}  // namespace

const char* PlaceName(Place place) {
  switch (place) {
    case Place::kMachineRun:
      return "Registry: Run";
    case Place::kMachineRunServices:
      return "Registry: RunServices";
    case Place::kMachineRunOnce:
      return "Registry: RunOnce";
    case Place::kMachineRunServicesOnce:
      return "Registry: RunServicesOnce";
    case Place::kUserRun:
      return "Registry: Run (Current User)";
    case Place::kUserRunOnce:
      return "Registry: RunOnce (Current User)";
    case Place::kStartupGroup:
      return "Startup Group";
    case Place::kWinIniLoad:
      return "WIN.INI load=";
    case Place::kWinIniRun:
      return "WIN.INI run=";
    case Place::kSystemIniShell:
      return "SYSTEM.INI shell=";
  }
  return "";
}

std::vector<Entry> ReadEntries(const platform::FileNameRule& rule, StartupSources& sources) {
  std::vector<Entry> entries;
  ReadRegistry(sources, entries);
  ReadStartupGroup(rule, sources, entries);
  ReadIniFiles(rule, sources, entries);
  return entries;
}

}  // namespace Startup
