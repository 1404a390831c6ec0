#include "report/report_writer.h"

#include <vector>

#include "platform/text_copy.h"
#include "report/printable_text.h"
#include "report/report_layout.h"
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
  // Every line of a record, walked from its table.
  template <class Record, std::size_t n>
  void Fields(const Record& record, const Layout::Field<Record> (&fields)[n], std::int16_t idView) {
    for (const Layout::Field<Record>& field : fields) {
      if (field.shown == Layout::Shown::kFixed) {
        Put(field.label);
      } else {
        Display::TextRoom room;
        Text(field.label, Layout::ValueText(room, record, field, idView));
      }
    }
  }
  void Number(std::string_view label, std::int32_t value) {
    Display::TextRoom room;
    Text(label, Display::FormatDecimal(room, value));
  }
  void Section(const Layout::Section& section, std::int32_t count) {
    Put(section.heading);
    if (!section.total.empty()) {
      Number(section.total, count);
      Put(Layout::kOneBlank);
    }
  }
  void Separator() { Put(Layout::kSeparator); }
  void Empty() { Put(Layout::kEmpty); }

 private:
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

void WriteProcess(Lines& lines, const clsProcess& process, std::int16_t idView) {
  lines.Fields(process, Layout::kProcess, idView);
  const kes::Collection<clsModule>& modules = process.mcolModules;
  lines.Number(Layout::kModuleCount, modules.Count());
  for (std::int32_t j = 1; j <= modules.Count(); ++j) {
    lines.Fields(modules.Item(j), Layout::kModule, idView);
  }
  lines.Empty();
}

}  // namespace

void WriteReport(const SnapshotRecords& records, const ReportInputs& inputs,
                 platform::TextSink& sink) {
  Lines lines(sink);
  lines.Put(Layout::kBanner);
  lines.Text(Layout::kGeneratedOn, inputs.generatedOn);
  lines.Separator();
  lines.Text(Layout::kCaption, records.caption);
  lines.Separator();
  lines.Empty();

  lines.Section(Layout::kTopWindows, records.tasks.Count());
  for (std::int32_t i = 1; i <= records.tasks.Count(); ++i) {
    lines.Fields(records.tasks.Item(i), Layout::kTask, inputs.idView);
  }
  lines.Separator();
  lines.Empty();

  lines.Section(Layout::kProcesses, records.processes.Count());
  for (std::int32_t i = 1; i <= records.processes.Count(); ++i) {
    WriteProcess(lines, records.processes.Item(i), inputs.idView);
  }
  lines.Separator();
  lines.Empty();

  lines.Section(Layout::kModules, records.uniqueModules.Count());
  for (std::int32_t k = 1; k <= records.uniqueModules.Count(); ++k) {
    // A distinct module is written from the module record it points at.
    const clsUniqueModule& unique = records.uniqueModules.Item(k);
    const clsModule& module =
        records.processes.Item(unique.mlProcID).mcolModules.Item(unique.mlModID);
    lines.Fields(module, Layout::kDistinctModule, inputs.idView);
  }
  lines.Put(Layout::kEndLine);
}

}  // namespace Report
