// The report parser over any text: it never crashes, names a line within the
// text when it cannot read one, and what it reads is a fixed point: written
// again and read again, the records give the same report. A report the
// viewer opens (whole or cut short) gives an explorer model that reports no
// failure and lists every node, and compares with itself as no differences.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "explorer/detail_list.h"
#include "explorer/differences.h"
#include "explorer/report_opening.h"
#include "explorer/tree_nodes.h"
#include "platform/message_box.h"
#include "platform/text_sink.h"
#include "report/report_compare.h"
#include "report/report_parser.h"
#include "report/report_writer.h"
#include "shell/general/error_report.h"

namespace {

std::string Written(const Report::ParsedReport& report) {
  platform::StringSink out;
  Report::WriteReport(report.Records(), {report.generatedOn, report.idView}, out);
  return out.text;
}

class Quiet final : public platform::MessageBoxes, public platform::Progress {
 public:
  int Show(platform::WindowHandle, const std::string&, const std::string&, unsigned) override {
    std::abort();  // the model of a report reports no failure
  }
  void Report(const std::string&) override {}
};

// The nodes as added, each with what the list reads of it.
class Nodes final : public Explorer::TreeTarget {
 public:
  void Add(const std::string& parent, const std::string& key, const std::string& text,
           int) override {
    Explorer::TreeSelection selection{true, Explorer::NodeFacts{text, key}, {}, {}};
    for (const auto& [facts, grand] : added_) {
      if (facts.key == parent) {
        selection.parent = facts;
        selection.grandparentText = grand;
      }
    }
    added_.push_back({{text, key}, selection.parent ? selection.parent->text : ""});
    selections.push_back(selection);
  }
  void Expand(const std::string&) override {}
  std::vector<Explorer::TreeSelection> selections;

 private:
  std::vector<std::pair<Explorer::NodeFacts, std::string>> added_;
};

void ShowAsTheViewerDoes(Report::ParsedReport& parsed) {
  if (!Explorer::OpenReportOutcome(parsed, "r.txt").open) {
    std::abort();
  }
  Explorer::ShareModuleFileFacts(parsed);
  Quiet quiet;
  const Subs::ErrorReport report(quiet);
  Explorer::PathIndex paths;
  Nodes nodes;
  const std::int32_t distinct = parsed.uniqueModules.Count();
  if (!Explorer::BuildTreeView(nodes, parsed.tasks, parsed.processes, paths, parsed.uniqueModules,
                               quiet, report) ||
      parsed.uniqueModules.Count() != distinct) {
    std::abort();
  }
  for (const Explorer::TreeSelection& selection : nodes.selections) {
    if (!Explorer::DetailList(
            selection, {parsed.tasks, parsed.processes, parsed.uniqueModules, paths}, true)) {
      std::abort();  // every node the tree shows has its list
    }
  }
  const Report::ComparedSnapshot side = Report::FromReport(parsed, "r.txt");
  const Report::Comparison same = Report::CompareSnapshots(side, side, platform::FileNameRule());
  if (same.differs || Explorer::DifferencesPanels(same)[0] != "No differences") {
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(bytes), size);
  Report::ParsedReport parsed = Report::ParseReport(text);
  const auto lines = static_cast<std::int32_t>(std::count(text.begin(), text.end(), '\n'));
  if (parsed.errorLine < 0 || parsed.errorLine > lines + 1 || parsed.linesRead > lines) {
    std::abort();
  }
  if (parsed.errorLine != 0) {
    return 0;
  }
  ShowAsTheViewerDoes(parsed);
  if (!parsed.complete) {
    return 0;
  }
  const std::string once = Written(parsed);
  const Report::ParsedReport again = Report::ParseReport(once);
  if (again.errorLine != 0 || !again.complete || Written(again) != once) {
    std::abort();
  }
  return 0;
}
