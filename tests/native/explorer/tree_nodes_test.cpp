#include "explorer/tree_nodes.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "shell/general/error_report.h"
#include "snapshot/distinct_modules.h"
#include "snapshot_builder.h"
#include "tests/fakes/recording_boxes.h"

namespace {

struct Node {
  std::string parent;
  std::string key;
  std::string text;
  int image;
  bool operator==(const Node&) const = default;
};

void PrintTo(const Node& node, std::ostream* out) {
  *out << "{" << node.parent << ", " << node.key << ", " << node.text << ", " << node.image << "}";
}

class RecordingTree : public Explorer::TreeTarget {
 public:
  void Add(const std::string& parent, const std::string& key, const std::string& text,
           int image) override {
    if (nodes.size() == failAt) {
      throw std::runtime_error("no room for the node");
    }
    nodes.push_back({parent, key, text, image});
  }
  void Expand(const std::string& key) override { expanded.push_back(key); }

  std::vector<Node> nodes;
  std::vector<std::string> expanded;
  std::size_t failAt = SIZE_MAX;
};

class BuildTreeViewTest : public testing::Test {
 protected:
  // The distinct modules found as a snapshot is taken, then the tree drawn.
  bool Build() {
    FindDistinctModules(s.processes, s.uniqueModules);
    return Explorer::BuildTreeView(tree, s.tasks, s.processes, paths, s.uniqueModules, progress,
                                   report);
  }

  SnapshotBuilder s;
  Explorer::PathIndex paths;
  RecordingTree tree;
  kes_test::RecordingProgress progress;
  kes_test::RecordingBoxes boxes;
  Subs::ErrorReport report{boxes};
};

TEST_F(BuildTreeViewTest, ADllOfThreeProcessesIsShownUnderEachAndOnceUnderModules) {
  s.Task("Inbox");
  s.Task("Calculator");
  clsProcess& explorer = s.Process("C:\\WINDOWS\\EXPLORER.EXE");
  s.Module(explorer, "KERNEL32.DLL", "C:\\WINDOWS\\SYSTEM\\KERNEL32.DLL", 21);
  s.Module(explorer, "USER32.DLL", "C:\\WINDOWS\\SYSTEM\\USER32.DLL", 9);
  clsProcess& lonely = s.Process("C:\\WINDOWS\\LONELY.EXE");
  clsProcess& calc = s.Process("C:\\WINDOWS\\CALC.EXE");
  s.Module(calc, "kernel32.dll", "C:\\WINDOWS\\SYSTEM\\kernel32.dll", 3);
  s.Module(calc, "KERNEL32.DLL", "C:\\WINDOWS\\SYSTEM\\KERNEL32.DLL", 22);
  clsProcess& mail = s.Process("C:\\MAIL.EXE");
  s.Module(mail, "KERNEL32.DLL", "C:\\WINDOWS\\SYSTEM\\KERNEL32.DLL", 23);
  s.Module(mail, "MAPI.DLL", "C:\\WINDOWS\\SYSTEM\\MAPI.DLL", 1);
  (void)lonely;

  ASSERT_TRUE(Build());

  const std::vector<Node> expected{
      {"", "Task", "Top Windows", 5},
      {"", "Proc", "Processes", 4},
      {"", "Mod", "Modules", 7},
      {"Task", "Task1", "Inbox", 5},
      {"Task", "Task2", "Calculator", 5},
      {"Proc", "Proc1", "C:\\WINDOWS\\EXPLORER.EXE", 4},
      {"Proc1", "Mod1", "C:\\WINDOWS\\SYSTEM\\KERNEL32.DLL", 7},
      {"Proc1", "Mod2", "C:\\WINDOWS\\SYSTEM\\USER32.DLL", 7},
      {"Proc", "Proc2", "C:\\WINDOWS\\LONELY.EXE", 4},
      {"Proc", "Proc3", "C:\\WINDOWS\\CALC.EXE", 4},
      {"Proc3", "Mod3", "C:\\WINDOWS\\SYSTEM\\kernel32.dll", 7},
      {"Proc3", "Mod4", "C:\\WINDOWS\\SYSTEM\\KERNEL32.DLL", 7},
      {"Proc", "Proc4", "C:\\MAIL.EXE", 4},
      {"Proc4", "Mod5", "C:\\WINDOWS\\SYSTEM\\KERNEL32.DLL", 7},
      {"Proc4", "Mod6", "C:\\WINDOWS\\SYSTEM\\MAPI.DLL", 7},
      {"Mod", "ModX1", "C:\\WINDOWS\\SYSTEM\\KERNEL32.DLL (21)", 7},
      {"Mod", "ModX2", "C:\\WINDOWS\\SYSTEM\\USER32.DLL (9)", 7},
      {"Mod", "ModX3", "C:\\WINDOWS\\SYSTEM\\kernel32.dll (3)", 7},
      {"Mod", "ModX4", "C:\\WINDOWS\\SYSTEM\\MAPI.DLL (1)", 7},
  };
  EXPECT_EQ(tree.nodes, expected);
  // Tasks are marked expanded as they come, the roots at the end; processes
  // stay collapsed.
  EXPECT_EQ(tree.expanded, (std::vector<std::string>{"Task1", "Task2", "Task", "Proc", "Mod"}));

  // The splash label follows the drawing: tasks, then each process.
  EXPECT_EQ(progress.reported,
            (std::vector<std::string>{"Inbox", "Calculator", "C:\\WINDOWS\\EXPLORER.EXE",
                                      "C:\\WINDOWS\\LONELY.EXE", "C:\\WINDOWS\\CALC.EXE",
                                      "C:\\MAIL.EXE"}));
  EXPECT_TRUE(boxes.shown.empty());
}

TEST_F(BuildTreeViewTest, AnEmptySnapshotGivesTheThreeRootsAlone) {
  ASSERT_TRUE(Build());
  EXPECT_EQ(tree.nodes, (std::vector<Node>{{"", "Task", "Top Windows", 5},
                                           {"", "Proc", "Processes", 4},
                                           {"", "Mod", "Modules", 7}}));
  EXPECT_EQ(tree.expanded, (std::vector<std::string>{"Task", "Proc", "Mod"}));
  EXPECT_EQ(s.uniqueModules.Count(), 0);
}

TEST_F(BuildTreeViewTest, AFailureIsReportedAndKeepsTheNodesAddedSoFar) {
  clsProcess& process = s.Process("C:\\A.EXE");
  s.Module(process, "B.DLL", "C:\\B.DLL");
  tree.failAt = 4;  // the process's module node
  EXPECT_FALSE(Build());
  EXPECT_EQ(tree.nodes.size(), 4u);
  EXPECT_TRUE(tree.expanded.empty());
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(kes_test::ReportLine(boxes.shown[0], "Module:  "), "Subs");
  EXPECT_EQ(kes_test::ReportLine(boxes.shown[0], "Routine: "), "BuildTreeView");
}

TEST(TreeKeys, NumbersFollowThePrefixAndAreReadAfterFourCharacters) {
  EXPECT_EQ(Explorer::NodeKey("ModX", 12), "ModX12");
  EXPECT_EQ(Explorer::NodeKey("Mod", 7), "Mod7");
  const std::pair<const char*, std::optional<std::int32_t>> cases[] = {
      {"Task1", 1},           {"Proc250", 250},       {"ModX3", 3},
      {"Task", std::nullopt}, {"Mod7", std::nullopt}, {"Proc1x", std::nullopt},
      {"Proc", std::nullopt},
  };
  for (const auto& [key, number] : cases) {
    EXPECT_EQ(Explorer::KeyNumber(key), number) << key;
  }
}

TEST(TreeKeys, NodesAreClassifiedByTheirExactText) {
  using Explorer::RootKind;
  const std::pair<const char*, RootKind> cases[] = {
      {"Top Windows", RootKind::kTopWindows}, {"Processes", RootKind::kProcesses},
      {"Modules", RootKind::kModules},        {"modules", RootKind::kNone},
      {"Processes ", RootKind::kNone},        {"C:\\A.EXE", RootKind::kNone},
  };
  for (const auto& [text, kind] : cases) {
    EXPECT_EQ(Explorer::ClassifyText(text), kind) << text;
  }
}

}  // namespace

namespace {

TEST(PathIndex, UsesInSnapshotOrderFirstUsesAndAProcessModule) {
  struct Added {
    std::int32_t process, module;
    const char* path;
    bool first;
  };
  const Added added[] = {
      {1, 1, "C:\\K.DLL", true},  {1, 2, "C:\\U.DLL", true},
      {1, 3, "C:\\K.DLL", false},  // loaded twice by one process
      {2, 1, "C:\\k.dll", true},  {2, 2, "C:\\K.DLL", false},
  };
  Explorer::PathIndex paths;
  for (const Added& a : added) {
    EXPECT_EQ(paths.Add(a.process, a.module, a.path), a.first) << a.process << "/" << a.module;
  }

  const auto uses = paths.Uses("C:\\K.DLL");
  ASSERT_EQ(uses.size(), 3u);
  const std::pair<std::int32_t, std::int32_t> expected[] = {{1, 1}, {1, 3}, {2, 2}};
  for (std::size_t u = 0; u < uses.size(); ++u) {
    EXPECT_EQ(uses[u].process, expected[u].first) << u;
    EXPECT_EQ(uses[u].module, expected[u].second) << u;
  }
  EXPECT_TRUE(paths.Uses("C:\\NONE.DLL").empty());

  EXPECT_EQ(paths.ModuleOf(2, "C:\\K.DLL"), 2);
  EXPECT_EQ(paths.ModuleOf(1, "C:\\K.DLL"), 1);
  EXPECT_EQ(paths.ModuleOf(2, "C:\\U.DLL"), std::nullopt);
}

}  // namespace
