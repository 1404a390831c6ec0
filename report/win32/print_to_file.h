#pragma once

#include "report/report_records.h"
#include "shell/win32/mdi_main.h"

namespace reportwin {

// The explorer window's "&Print To File...": asks for a file name in the
// frame's Save As dialog, writes the report of `records` there and confirms
// with "Output File Created". Cancelling is silent; failures show the error
// report.
void PrintToFile(shellwin::MDIMain& frame, const Report::SnapshotRecords& records);

}  // namespace reportwin
