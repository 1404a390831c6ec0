#include "report/print_to_file.h"

#include <exception>
#include <memory>

namespace Report {

bool PrintToFile(const std::string& path, const SnapshotRecords& records,
                 const ReportInputs& inputs, platform::TextFiles& files,
                 const Subs::ErrorReport& report) {
  return PrintToFile(
      path, [&](platform::TextSink& sink) { WriteReport(records, inputs, sink); }, files, report);
}

bool PrintToFile(const std::string& path, const WriteText& write, platform::TextFiles& files,
                 const Subs::ErrorReport& report) {
  std::unique_ptr<platform::TextFile> file;
  try {
    file = files.Create(path);
    write(*file);
    file->Close();
    return true;
  } catch (const std::exception& failure) {
    // What was written before the failure stays in the file; the file is
    // closed before the user is told.
    if (file) {
      try {
        file->Close();
      } catch (const std::exception&) {
        // The failure already caught is the one to report.
      }
    }
    report.ShowFailure(failure, "frmExplorer", "PrintToFile");
    return false;
  }
}

}  // namespace Report
