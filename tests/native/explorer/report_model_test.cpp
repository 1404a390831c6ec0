#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "explorer/detail_list.h"
#include "explorer/differences.h"
#include "explorer/explorer_menus.h"
#include "explorer/report_opening.h"
#include "explorer/tree_nodes.h"
#include "platform/message_box.h"
#include "platform/text_sink.h"
#include "report/report_parser.h"
#include "report/report_writer.h"
#include "shell/general/error_report.h"
#include "snapshot/distinct_modules.h"
#include "tests/fakes/recording_boxes.h"
#include "tests/native/report/sample_snapshot.h"

namespace {

// What an explorer window shows of a snapshot: every node with its list,
// and the status panels.
struct Model : Explorer::TreeTarget {
  void Add(const std::string& parent, const std::string& key, const std::string& text,
           int) override {
    nodes.push_back({parent, key, text});
    texts[key] = text;
    parents[key] = parent;
  }
  void Expand(const std::string&) override {}

  struct Node {
    std::string parent, key, text;
    bool operator==(const Node&) const = default;
  };
  std::vector<Node> nodes;
  std::map<std::string, std::string> texts, parents;
  std::vector<Explorer::ListContents> lists;
  std::array<std::string, 4> panels;
};

Model ModelOf(const Report::SnapshotRecords& records,
              kes::Collection<clsUniqueModule>& uniqueModules, bool findDistinct) {
  Model model;
  kes_test::RecordingBoxes boxes;
  kes_test::RecordingProgress progress;
  Explorer::PathIndex paths;
  if (findDistinct) {
    FindDistinctModules(records.processes, uniqueModules);
  }
  EXPECT_TRUE(Explorer::BuildTreeView(model, records.tasks, records.processes, paths, uniqueModules,
                                      progress, Subs::ErrorReport(boxes)));
  for (const Model::Node& node : model.nodes) {
    Explorer::TreeSelection selection{true, Explorer::NodeFacts{node.text, node.key}, {}, {}};
    if (!node.parent.empty()) {
      selection.parent = Explorer::NodeFacts{model.texts[node.parent], node.parent};
      const std::string& grandparent = model.parents[node.parent];
      if (!grandparent.empty()) {
        selection.grandparentText = model.texts[grandparent];
      }
    }
    const auto list = Explorer::DetailList(
        selection, {records.tasks, records.processes, uniqueModules, paths}, true);
    model.lists.push_back(list.value_or(Explorer::ListContents{}));
  }
  model.panels = Explorer::StatusPanels(records.tasks.Count(), records.processes.Count(),
                                        uniqueModules.Count());
  return model;
}

void ExpectSameModel(const Model& shown, const Model& expected) {
  EXPECT_EQ(shown.nodes, expected.nodes);
  ASSERT_EQ(shown.lists.size(), expected.lists.size());
  for (std::size_t i = 0; i < shown.lists.size(); ++i) {
    EXPECT_EQ(shown.lists[i].columns, expected.lists[i].columns) << expected.nodes[i].key;
    EXPECT_EQ(shown.lists[i].rows, expected.lists[i].rows) << expected.nodes[i].key;
  }
  EXPECT_EQ(shown.panels, expected.panels);
}

TEST(ReportModel, AReportReadBackShowsTheModelOfItsSnapshotInEitherIdentifierMode) {
  kes_test::SampleSnapshot sample, empty;
  kes_test::FillThreeProcesses(sample);
  for (kes_test::SampleSnapshot* snapshot : {&sample, &empty}) {
    kes::Collection<clsUniqueModule> found;
    const Model live = ModelOf(snapshot->Records(), found, true);
    for (const std::int16_t idView : {std::int16_t{0}, std::int16_t{1}}) {
      platform::StringSink text;
      Report::WriteReport(snapshot->Records(), {"12/7/99 9:15:00 AM", idView}, text);
      Report::ParsedReport parsed = Report::ParseReport(text.text);
      ASSERT_EQ(parsed.error, "");
      Explorer::ShareModuleFileFacts(parsed);
      ExpectSameModel(ModelOf(parsed.Records(), parsed.uniqueModules, false), live);
    }
  }
}

TEST(ReportModel, AReportCutInItsModulesShowsOnlyTheModulesItHolds) {
  kes_test::SampleSnapshot sample;
  kes_test::FillThreeProcesses(sample);
  platform::StringSink text;
  Report::WriteReport(sample.Records(), {"12/7/99 9:15:00 AM", 1}, text);
  const std::string whole = text.text;
  Report::ParsedReport parsed =
      Report::ParseReport(whole.substr(0, whole.find("File Name:", whole.find("MODULES"))));
  ASSERT_TRUE(parsed.processesComplete && !parsed.modulesComplete);
  const Model model = ModelOf(parsed.Records(), parsed.uniqueModules, false);
  EXPECT_EQ(model.panels[3], "Modules: 0");
  for (const Model::Node& node : model.nodes) {
    EXPECT_NE(node.parent, "Mod") << node.key;  // no distinct module made up
  }
}

TEST(Differences, TheWindowShowsTheGroupsCountsAndRowsOfTheComparison) {
  kes_test::SampleSnapshot before, after;
  kes_test::FillThreeProcesses(before);
  kes_test::FillThreeProcesses(after);
  kes_test::StartCalcEndNotepadUpgradeDialogs(after);
  const Report::Comparison comparison =
      Report::CompareSnapshots(Report::FromLive(before.Records(), "old"),
                               Report::FromLive(after.Records(), "new"), platform::FileNameRule());
  EXPECT_EQ(Explorer::DifferencesTree(comparison),
            (std::vector<std::string>{"Snapshots", "Processes Started (2)", "Processes Ended (1)",
                                      "Modules Loaded (1)", "Modules Unloaded (0)",
                                      "Module Files Added (0)", "Module Files Removed (0)",
                                      "Files Changed (1)"}));
  EXPECT_EQ(Explorer::DifferencesPanels(comparison),
            (std::array<std::string, 4>{"Differences: 5", "Processes: 2 started, 1 ended",
                                        "Modules: 1 loaded, 0 unloaded",
                                        "Files: 0 added, 0 removed, 1 changed"}));
  const Explorer::ListContents started = Explorer::DifferencesList(comparison, 1);
  EXPECT_EQ(started.rows, (std::vector<Explorer::Row>{{"C:\\WINDOWS\\CALC.EXE", {"0", "1"}},
                                                      {"C:\\WINDOWS\\EXPLORER.EXE", {"1", "2"}}}));
  const Explorer::ListContents changed = Explorer::DifferencesList(comparison, 7);
  EXPECT_EQ(changed.rows,
            (std::vector<Explorer::Row>{{"C:\\WINDOWS\\SYSTEM\\Comdlg32.dll",
                                         {"65535.0.40000.7", "65535.0.40001.0", "94208", "94720",
                                          "12/31/1999 11:59:59 PM", "01/15/2000 09:00:00 AM"}}}));
  EXPECT_EQ(changed.columns.size(), 7u);

  const Report::Comparison same =
      Report::CompareSnapshots(Report::FromLive(before.Records(), "old"),
                               Report::FromLive(before.Records(), "new"), platform::FileNameRule());
  EXPECT_EQ(Explorer::FirstShownNode(comparison), 1u);
  EXPECT_EQ(Explorer::FirstShownNode(same), 0u);
  EXPECT_EQ(Explorer::DifferencesPanels(same)[0], "No differences");
  EXPECT_EQ(Explorer::DifferencesList(same, 0).rows.back().text, "No differences.");
}

}  // namespace
