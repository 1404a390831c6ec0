#include "report/report_writer.h"

#include <vector>

#include "platform/text_copy.h"
#include "report/printable_text.h"
#include "snapshot/display_rules.h"

namespace Report {

namespace {

// Builds each line in one reused buffer and hands it to the sink with its
// CR LF, one write per line. Pieces are copied without calls into the C
// runtime and numbers are formatted on the stack, so a line costs little
// more than its characters.
class Lines {
 public:
  explicit Lines(platform::TextSink& sink) : sink_(sink), line_(kLineRoom) {}

  void Put(std::string_view text) {
    used_ = 0;
    Add(text);
    End();
  }
  // A value may come from outside (a window title, a path), so its control
  // characters are blanked.
  void Text(std::string_view label, std::string_view value) {
    used_ = 0;
    Add(label);
    const std::size_t from = used_;
    Add(value);
    BlankControlCharacters(line_.data() + from, line_.data() + used_);
    End();
  }
  // Integer: std::int32_t, or kes::Address for the members as wide as one.
  template <class Integer>
  void Number(std::string_view label, Integer value) {
    Display::TextRoom room;
    Text(label, Display::FormatDecimal(room, value));
  }
  template <class Integer>
  void Id(std::string_view label, Integer value, std::int16_t idView) {
    Display::TextRoom room;
    Text(label, Display::FormatIdentifier(room, value, idView));
  }
  void Version(std::string_view label, const clsVersionInfo& version) {
    Display::TextRoom room;
    Text(label, Display::FormatVersion(room, version));
  }
  void Separator() { Put(kSeparator); }
  void Empty() { Put({}); }

 private:
  static constexpr std::string_view kSeparator =
      "------------------------------------------------------------------------";
  static_assert(kSeparator.size() == kSeparatorWidth);
  // Longer than most lines; a longer one makes the buffer grow.
  static constexpr std::size_t kLineRoom = 512;

  void Add(std::string_view text) {
    Room(text.size());
    used_ = static_cast<std::size_t>(platform::CopyText(line_.data() + used_, text) - line_.data());
  }
  void End() {
    Room(2);
    line_[used_++] = '\r';
    line_[used_++] = '\n';
    sink_.Write({line_.data(), used_});
  }
  void Room(std::size_t more) {
    if (line_.size() - used_ < more) {
      line_.resize(used_ + more + kLineRoom);
    }
  }

  platform::TextSink& sink_;
  std::vector<char> line_;  // the line so far is its first used_ characters
  std::size_t used_ = 0;
};

void WriteModule(Lines& lines, const clsModule& module, std::int16_t idView) {
  lines.Empty();
  lines.Text("    Module Name: ", module.msName);
  lines.Text("    File Path:   ", module.msExePath);
  lines.Number("    File Size:   ", module.mlFileSize);
  lines.Text("    File Date:   ", module.msFileDateTime);
  lines.Version("    Version:     ", module.moVersionInfo);
  lines.Put("    The Following Are 'In Context Of The Owning Process'");
  lines.Number("      Module Usage Count : ", module.mProccntUsage);
  lines.Id("      Module ID          : ", module.mlth32ModuleID, idView);
  lines.Id("      Module Base Address: ", module.mmodBaseAddr, idView);
  lines.Id("      Module Handle      : ", module.mhModule, idView);
}

void WriteProcess(Lines& lines, const clsProcess& process, std::int16_t idView) {
  lines.Text("Process Name:          ", process.msExePath);
  lines.Text("File Date:             ", process.msFileDateTime);
  lines.Number("File Size:             ", process.mlFileSize);
  lines.Version("Version:               ", process.moVersionInfo);
  lines.Id("Process ID:            ", process.mlth32ProcessID, idView);
  lines.Number("Process Handle:        ", process.mlProcessHandle);
  lines.Text("Process Priority:      ", Display::PriorityName(process.mlPriority));
  lines.Number("References To Process: ", process.mcntUsage);
  lines.Number("Threads:               ", process.mcntThreads);
  lines.Number("Base Priority:         ", process.mlpcPriClassBase);
  lines.Id("Default Heap ID:       ", process.mlth32DefaultHeapID, idView);
  lines.Id("Parent Process ID:     ", process.mlth32ParentProcessID, idView);
  lines.Id("Module ID (Assoc EXE): ", process.mlth32ModuleID, idView);
  const kes::Collection<clsModule>& modules = process.mcolModules;
  lines.Number("Number Of Associated Modules: ", modules.Count());
  for (std::int32_t j = 1; j <= modules.Count(); ++j) {
    WriteModule(lines, modules.Item(j), idView);
  }
  lines.Empty();
}

// A distinct module is written from the module record it points at.
void WriteDistinctModule(Lines& lines, const SnapshotRecords& records,
                         const clsUniqueModule& unique) {
  const clsModule& module =
      records.processes.Item(unique.mlProcID).mcolModules.Item(unique.mlModID);
  lines.Text("File Name:          ", module.msName);
  lines.Text("File Path:          ", module.msExePath);
  lines.Number("File Size:          ", module.mlFileSize);
  lines.Text("File Date:          ", module.msFileDateTime);
  lines.Version("Version:            ", module.moVersionInfo);
  lines.Number("Base Size:          ", module.mmodBaseSize);
  lines.Number("Global Usage Count: ", module.mGlblcntUsage);
  lines.Empty();
}

}  // namespace

void WriteReport(const SnapshotRecords& records, const ReportInputs& inputs,
                 platform::TextSink& sink) {
  Lines lines(sink);
  lines.Put(kBanner);
  lines.Text("Output Generated On ", inputs.generatedOn);
  lines.Separator();
  lines.Text({}, records.caption);
  lines.Separator();
  lines.Empty();

  lines.Put("TOP WINDOWS");
  for (std::int32_t i = 1; i <= records.tasks.Count(); ++i) {
    lines.Text("Name: ", records.tasks.Item(i).msName);
  }
  lines.Separator();
  lines.Empty();

  lines.Put("PROCESSES");
  lines.Number("Total Processes: ", records.processes.Count());
  lines.Put(" ");
  for (std::int32_t i = 1; i <= records.processes.Count(); ++i) {
    WriteProcess(lines, records.processes.Item(i), inputs.idView);
  }
  lines.Separator();
  lines.Empty();

  lines.Put("MODULES");
  lines.Number("Total Modules: ", records.uniqueModules.Count());
  lines.Put(" ");
  for (std::int32_t k = 1; k <= records.uniqueModules.Count(); ++k) {
    WriteDistinctModule(lines, records, records.uniqueModules.Item(k));
  }
  lines.Put("***End Of Kestrel(tm) Report***");
}

}  // namespace Report
