#include "startup/startup_view.h"

#include <array>
#include <vector>

#include "report/printable_text.h"
#include "report/report_layout.h"
#include "report/report_writer.h"
#include "snapshot/display_rules.h"

namespace Startup {

namespace {

constexpr Subs::MenuItemSpec kSeparator{nullptr, true, nullptr};
constexpr std::array<Subs::MenuItemSpec, 6> kFileItems{{
    {"&Print To File...", true, nullptr},
    kSeparator,
    {"P&roperties...", true, "Alt+Enter"},
    {"&Read Again", true, "F5"},
    kSeparator,
    {"&Close", true, nullptr},
}};

std::string SizeText(const StartupRow& row) {
  return row.file.msFileDateTime.empty() ? std::string() : Display::Decimal(row.file.mlFileSize);
}

std::string VersionText(const StartupRow& row) {
  return row.file.msFileDateTime.empty() ? std::string()
                                         : Display::VersionText(row.file.moVersionInfo);
}

// One line of text from outside, with its label.
void Line(platform::TextSink& sink, std::string_view label, std::string_view value) {
  std::string line(label);
  line += value;
  Report::BlankControlCharacters(line.data(), line.data() + line.size());
  line += "\r\n";
  sink.Write(line);
}

}  // namespace

std::span<const Subs::FrameMenuSpec> StartupMenuBar() {
  static const std::vector<Subs::FrameMenuSpec> bar = Subs::ChildMenuBar(kFileItems);
  return bar;
}

std::string ProgramText(const StartupRow& row) {
  if (!row.program.program.empty()) {
    return row.program.program;
  }
  return row.entry.problem.empty() ? "File not found" : row.entry.problem;
}

std::string RunningText(const StartupRow& row, const StartupList& list, std::int16_t idView) {
  if (row.process == 0) {
    return "No";
  }
  return Display::Identifier(list.processes.Item(row.process).mlth32ProcessID, idView);
}

Explorer::ListContents StartupListContents(const StartupList& list, std::int16_t idView) {
  using Explorer::Align;
  Explorer::ListContents contents;
  contents.columns = {
      {"Program", 3000, Align::kLeft},      {"Command", 3000, Align::kLeft},
      {"Started From", 2300, Align::kLeft}, {"Running", 900, Align::kRight},
      {"File Size", 800, Align::kRight},    {"File Date", 1800, Align::kLeft},
      {"Version", 1000, Align::kLeft},
  };
  for (const StartupRow& row : list.rows) {
    contents.rows.push_back(
        {ProgramText(row),
         {row.entry.command, PlaceName(row.entry.place), RunningText(row, list, idView),
          SizeText(row), row.file.msFileDateTime, VersionText(row)}});
  }
  return contents;
}

void WriteStartupText(const StartupList& list, const std::string& generatedOn, std::int16_t idView,
                      platform::TextSink& sink) {
  const std::string separator(Report::Layout::kSeparator);
  Line(sink, "Kestrel(tm) Startup Programs - what starts with Windows, what runs now.", "");
  Line(sink, Report::Layout::kGeneratedOn, generatedOn);
  Line(sink, "Total Entries: ", Display::Decimal(static_cast<std::int32_t>(list.rows.size())));
  Line(sink, separator, "");
  for (const StartupRow& row : list.rows) {
    Line(sink, "Program:      ", ProgramText(row));
    Line(sink, "Command:      ", row.entry.command);
    Line(sink, "Started From: ", PlaceName(row.entry.place));
    Line(sink, "Entry Name:   ", row.entry.name);
    Line(sink, "Running:      ", RunningText(row, list, idView));
    Line(sink, "File Size:    ", SizeText(row));
    Line(sink, "File Date:    ", row.file.msFileDateTime);
    Line(sink, "Version:      ", VersionText(row));
    Line(sink, separator, "");
  }
  Line(sink, "***End Of Kestrel(tm) Startup Programs***", "");
}

}  // namespace Startup
