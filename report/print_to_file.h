#pragma once

#include <functional>
#include <string>

#include "platform/text_sink.h"
#include "report/report_records.h"
#include "report/report_writer.h"
#include "shell/general/error_report.h"

namespace Report {

// Writes the report of `records` to the file at `path`, created or emptied.
// A failure (the file cannot be created or written, a record cannot be read)
// stops the writing there, keeps the lines already written, closes the file
// and shows the error report for "frmExplorer"/"PrintToFile". True when the
// whole report was written and stored.
bool PrintToFile(const std::string& path, const SnapshotRecords& records,
                 const ReportInputs& inputs, platform::TextFiles& files,
                 const Subs::ErrorReport& report);

// The same for any text: `write` writes it to the file.
using WriteText = std::function<void(platform::TextSink&)>;
bool PrintToFile(const std::string& path, const WriteText& write, platform::TextFiles& files,
                 const Subs::ErrorReport& report);

}  // namespace Report
