#pragma once

#include <string>

#include "platform/file_facts.h"
#include "platform/progress.h"
#include "platform/tool_help.h"
#include "shell/general/error_report.h"

// Takes one real snapshot (top windows, processes, distinct modules) and
// times writing its report to a file against one raw write of the same bytes,
// in alternated rounds. Returns the summary line
// "report: bytes=N write_ms=W raw_ms=Q ratio=R" (medians).
std::string BenchReport(platform::ToolHelp& toolHelp, platform::FileFacts& facts,
                        platform::Progress& progress, const Subs::ErrorReport& report);

// The ratio of the report write to the raw write for the synthetic snapshots
// of the growth series: "report write ratio series: 1000=R ...".
std::string BenchReportSeries();
