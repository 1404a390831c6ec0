#pragma once

#include <string>

#include "platform/file_facts.h"
#include "platform/progress.h"
#include "platform/tool_help.h"
#include "shell/general/error_report.h"

// Opening Startup Programs (the places read, each command taken apart, the
// processes walked and matched) against the process walk alone, both with
// the viewer's remembered file facts warmed by one walk: the "startup:"
// line with the entries read, the two medians and their ratio.
std::string BenchStartup(platform::ToolHelp& toolHelp, platform::FileFacts& facts,
                         platform::Progress& progress, const Subs::ErrorReport& report);
