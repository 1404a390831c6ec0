#include "explorer/node_find.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/failure.h"
#include "shell/general/error_report.h"
#include "snapshot/distinct_modules.h"
#include "snapshot_builder.h"
#include "tests/fakes/recording_boxes.h"

namespace {

// Two top windows, three processes that share MSVCRT.DLL, the distinct
// modules: the tree BuildTreeView makes of them.
class NodeFindTest : public testing::Test {
 protected:
  void SetUp() override {
    s.Task("Inbox - mail");
    s.Task("Calculator");
    for (const char* program : {"C:\\WINDOWS\\EXPLORER.EXE", "C:\\APPS\\MAIL.EXE"}) {
      clsProcess& process = s.Process(program);
      s.Module(process, "MSVCRT.DLL", "C:\\WINDOWS\\SYSTEM\\MSVCRT.DLL", 2);
    }
    s.Module(s.processes.Item(2), "Caf\xE9.DLL", "C:\\APPS\\Caf\xE9.DLL", 1);
    kes_test::RecordingBoxes boxes;
    kes_test::RecordingProgress progress;
    Explorer::PathIndex paths;
    FindDistinctModules(s.processes, s.uniqueModules);
    ASSERT_TRUE(Explorer::BuildTreeView(tree, s.tasks, s.processes, paths, s.uniqueModules,
                                        progress, Subs::ErrorReport(boxes)));
  }

  SnapshotBuilder s;
  Explorer::NodeTree tree;
};

TEST_F(NodeFindTest, FindsInTreeOrderFromTheSelectedNodeAndWrapsRoundOnce) {
  struct Case {
    const char* from;  // "" for no selection
    const char* text;
    bool matchCase;
    bool down;
    const char* found;  // "" for none
  };
  const Case cases[] = {
      // Children before the next root: the tasks were added after all roots.
      {"", "a", false, true, "Task1"},
      {"Task", "mail", false, true, "Task1"},
      {"Task1", "mail", false, true, "Proc2"},
      // Modules below collapsed processes, then the distinct module.
      {"Proc", "msvcrt", false, true, "Mod1"},
      {"Mod1", "msvcrt", false, true, "Mod2"},
      {"Mod2", "msvcrt", false, true, "ModX1"},
      {"ModX1", "msvcrt", false, true, "Mod1"},
      {"Mod1", "msvcrt", false, false, "ModX1"},
      {"Proc2", "inbox", false, false, "Task1"},
      {"", "(1)", false, false, "ModX2"},
      // The selected node itself is tried last.
      {"Task2", "Calculator", true, true, "Task2"},
      {"Task", "calculator", true, true, ""},
      {"Task", "CAF\xC9", false, true, "Mod3"},
      {"Task", "Caf\xC9", true, true, ""},
      {"Task", "", false, true, ""},
      {"Task", "NOTEPAD", false, true, ""},
  };
  const platform::FileNameRule western(platform::CodePage::Numbered(1252));
  const Explorer::NodeFinder finder(tree, western);
  for (const Case& c : cases) {
    const std::size_t from = *c.from == '\0' ? Explorer::NodeTree::kNoNode : tree.Find(c.from);
    const auto found = finder.Next(from, {c.text, c.matchCase, c.down});
    EXPECT_EQ(found ? tree.Key(*found) : "", c.found) << c.from << " / " << c.text;
  }
}

TEST(NodeTree, RefusesAnUnknownParentAndAKeyInUseAsTheControlDoes) {
  Explorer::NodeTree tree;
  tree.Add("", "Proc", "Processes", 4);
  struct Case {
    const char* parent;
    const char* key;
    std::int32_t number;
  };
  const Case cases[] = {{"Mod", "Mod1", 35601}, {"", "Proc", 35602}, {"Proc", "Proc", 35602}};
  for (const Case& c : cases) {
    try {
      tree.Add(c.parent, c.key, "text", 7);
      ADD_FAILURE() << c.key << " was taken";
    } catch (const kes::Failure& failure) {
      EXPECT_EQ(failure.Number(), c.number) << c.key;
    }
  }
  EXPECT_EQ(tree.Count(), 1u);
}

}  // namespace
