#include "report/print_to_file.h"

#include <exception>
#include <memory>

#include "shell/general/failure_handler.h"

namespace Report {

bool PrintToFile(const std::string& path, const SnapshotRecords& records,
                 const ReportInputs& inputs, platform::TextFiles& files,
                 const Subs::ErrorReport& report) {
  return PrintToFile(
      path, [&](platform::TextSink& sink) { WriteReport(records, inputs, sink); }, files, report);
}

bool PrintToFile(const std::string& path, const WriteText& write, platform::TextFiles& files,
                 const Subs::ErrorReport& report) {
  return Subs::WithFailureHandler(report, "frmExplorer", "PrintToFile", false, [&] {
    const std::unique_ptr<platform::TextFile> file = files.Create(path);
    try {
      write(*file);
    } catch (const std::exception&) {
      // What was written before the failure stays in the file; the file is
      // closed before the user is told.
      try {
        file->Close();
      } catch (const std::exception&) {
        // The failure already caught is the one to report.
      }
      throw;
    }
    file->Close();
    return true;
  });
}

}  // namespace Report
