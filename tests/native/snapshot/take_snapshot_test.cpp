#include "snapshot/take_snapshot.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_file_facts.h"
#include "fake_tool_help.h"
#include "tests/fakes/recording_boxes.h"

namespace {

class FixedTitles final : public TopWindowTitles {
 public:
  std::vector<std::string> Titles() override { return {"Inbox", "Calculator"}; }
};

TEST(TakeSnapshot, TopWindowsOrNoneThenTheProcessesAndTheirDistinctModules) {
  struct Case {
    bool topWindows, processList;
    std::vector<std::string> tasks;
    bool walked;
    std::vector<std::string> progress;
  };
  const Case cases[] = {
      {true,
       true,
       {"Inbox", "Calculator"},
       true,
       {"C:\\A.EXE", "C:\\B.EXE", "C:\\K.DLL", "C:\\U.DLL"}},
      {false, true, {}, true, {"C:\\A.EXE", "C:\\B.EXE", "C:\\K.DLL", "C:\\U.DLL"}},
      {true, false, {"Inbox", "Calculator"}, false, {}},
  };
  for (const Case& c : cases) {
    FakeToolHelp toolHelp;
    FakeFileFacts facts;
    toolHelp.hasProcessList = c.processList;
    for (const char* path : {"C:\\A.EXE", "C:\\B.EXE", "C:\\K.DLL", "C:\\U.DLL"}) {
      facts.Add(path);
    }
    FakeToolHelp::AddModule(toolHelp.AddProcess("C:\\A.EXE", 1), "K.DLL", "C:\\K.DLL");
    FakeToolHelp::Process& b = toolHelp.AddProcess("C:\\B.EXE", 2);
    FakeToolHelp::AddModule(b, "K.DLL", "C:\\K.DLL");
    FakeToolHelp::AddModule(b, "U.DLL", "C:\\U.DLL");
    FixedTitles titles;
    kes_test::RecordingProgress progress;
    kes_test::RecordingBoxes boxes;
    Snapshot snapshot;
    EXPECT_EQ(TakeSnapshot(snapshot, {c.topWindows ? &titles : nullptr, toolHelp, facts},
                           "12/6/99 3:04:05 PM", progress, Subs::ErrorReport(boxes)),
              c.walked);
    EXPECT_EQ(snapshot.caption, "Snapshot Taken At 12/6/99 3:04:05 PM");
    ASSERT_EQ(snapshot.tasks.Count(), static_cast<std::int32_t>(c.tasks.size()));
    for (std::int32_t i = 1; i <= snapshot.tasks.Count(); ++i) {
      EXPECT_EQ(snapshot.tasks.Item(i).mlID, i);
      EXPECT_EQ(snapshot.tasks.Item(i).msName, c.tasks[static_cast<std::size_t>(i - 1)]);
    }
    EXPECT_EQ(snapshot.processes.Count(), c.processList ? 2 : 0);
    // The second distinct module is first met as process 2's module 2.
    ASSERT_EQ(snapshot.uniqueModules.Count(), c.processList ? 2 : 0);
    if (c.processList) {
      EXPECT_EQ(snapshot.uniqueModules.Item(2).mlProcID, 2);
      EXPECT_EQ(snapshot.uniqueModules.Item(2).mlModID, 2);
    }
    EXPECT_EQ(progress.reported, c.progress);
    EXPECT_TRUE(boxes.shown.empty());
  }
}

}  // namespace
