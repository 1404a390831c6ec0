#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/file_facts.h"
#include "platform/file_name_rule.h"
#include "snapshot/collection.h"
#include "snapshot/module.h"
#include "snapshot/process.h"
#include "startup/command_split.h"
#include "startup/startup_places.h"

namespace Startup {

// One entry with the program behind it and whether that program runs now.
struct StartupRow {
  Entry entry;
  CommandProgram program;    // program empty: none was found
  std::int32_t process = 0;  // the running process's index in the list (1-based), 0 for none
  // The program file's facts (path, date, size, version): the running
  // process's own, or read for the row. Without a program all are empty;
  // facts that could not be read leave all but the path empty.
  clsModule file;
};

// What the Startup Programs window shows, with the processes it was matched
// against.
struct StartupList {
  kes::Collection<clsProcess> processes;
  std::vector<StartupRow> rows;
  bool walked = true;  // false when the process walk stopped early
};

// The rows of `entries` in their order: each command taken apart (a Startup
// group entry's target is its program as it stands), each program matched by
// its canonical path, as `rule` compares names, against the processes' paths
// (the first process of that path counts), and the facts of a program that
// no process explains read through `facts`, once per distinct file. A file
// whose facts cannot be read keeps its path with no facts.
StartupList MatchEntries(const platform::FileNameRule& rule, platform::FileFacts& facts,
                         const ProgramSearch& search, std::vector<Entry> entries,
                         kes::Collection<clsProcess> processes);

}  // namespace Startup
