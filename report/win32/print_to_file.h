#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "report/print_to_file.h"
#include "report/report_records.h"
#include "shell/win32/mdi_main.h"

namespace reportwin {

// The explorer window's "&Print To File...": asks for a file name in the
// frame's Save As dialog, writes the report of `records` there and confirms
// with "Output File Created". Identifiers are written as `idView` says.
// Cancelling is silent; failures show the error report.
void PrintToFile(shellwin::MDIMain& frame, const Report::SnapshotRecords& records,
                 std::int16_t idView);

// The same command for a text of lines (the Differences window's): each
// line written with CR LF.
void PrintLinesToFile(shellwin::MDIMain& frame, const std::vector<std::string>& lines);

// The same command for any text: `write` writes it to the file.
void PrintTextToFile(shellwin::MDIMain& frame, const Report::WriteText& write);

}  // namespace reportwin
