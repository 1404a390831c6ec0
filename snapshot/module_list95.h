#pragma once

#include <string>

#include "platform/file_facts.h"
#include "platform/progress.h"
#include "platform/tool_help.h"
#include "shell/general/error_report.h"
#include "snapshot/collection.h"
#include "snapshot/process.h"

namespace ModuleList95 {

// The text without its last character.
std::string StripLastChar(const std::string& text);
// The characters before the first NUL; text without a NUL comes back whole.
std::string TrimAtNull(const std::string& text);

// Walks the processes and each process's modules, appending one record per
// process to `pcolProcesses` and reporting each process path to `progress`.
// Returns false when there is no process list, or after one error report
// when a failure stopped the walk; the processes appended before it stay.
bool FillProcessList95(kes::Collection<clsProcess>& pcolProcesses, platform::ToolHelp& toolHelp,
                       platform::FileFacts& facts, platform::Progress& progress,
                       const Subs::ErrorReport& report);

}  // namespace ModuleList95
