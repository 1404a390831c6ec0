#include "explorer/detail_list.h"

#include <gtest/gtest.h>

#include "snapshot_builder.h"

namespace Explorer {
void PrintTo(const Row& row, std::ostream* out) {
  *out << "{" << row.text;
  for (const std::string& item : row.subItems) *out << " | " << item;
  *out << "}";
}
void PrintTo(const Column& column, std::ostream* out) {
  *out << "{" << column.header << ", " << column.width << "}";
}
}  // namespace Explorer

namespace {

using Explorer::Align;
using Explorer::Column;
using Explorer::ListContents;
using Explorer::NodeFacts;
using Explorer::Row;
using Explorer::TreeSelection;
using Rows = std::vector<Row>;
using Columns = std::vector<Column>;

const char* const kKernel = "C:\\WINDOWS\\SYSTEM\\KERNEL32.DLL";
const char* const kUser = "C:\\WINDOWS\\SYSTEM\\USER32.DLL";

// Two tasks; EXPLORER.EXE with KERNEL32 and USER32, CALC.EXE with KERNEL32,
// and IDLE.EXE without modules.
class DetailListTest : public testing::Test {
 protected:
  DetailListTest() {
    s.Task("Inbox");
    s.Task("Calculator");
    clsProcess& p = s.Process("C:\\WINDOWS\\EXPLORER.EXE");
    p.msFileDateTime = "05/11/1998 08:01:00 PM";
    p.mlFileSize = 204288;
    p.moVersionInfo.mnFileVerMaj = 4;
    p.moVersionInfo.mnFileVerMin = 72;
    p.moVersionInfo.mnFileVerRevHi = 3110;
    p.moVersionInfo.mnFileVerRevLo = 1;
    p.mcntUsage = 1;
    p.mlth32ProcessID = -481805;  // FFF8A5F3
    p.mlProcessHandle = 88;
    p.mlPriority = 32;
    p.mlth32DefaultHeapID = 0x420000;
    p.mlth32ModuleID = 0x1A2B;
    p.mcntThreads = 5;
    p.mlth32ParentProcessID = -126412;  // FFFE1234
    p.mlpcPriClassBase = 8;
    clsModule& kernel = s.Module(p, "KERNEL32.DLL", kKernel, 21);
    kernel.msFileDateTime = "04/23/1999 10:22:00 PM";
    kernel.mlFileSize = 471040;
    kernel.moVersionInfo.mnFileVerMaj = 4;
    kernel.moVersionInfo.mnFileVerMin = 10;
    kernel.moVersionInfo.mnFileVerRevLo = 2222;
    kernel.mmodBaseSize = 0x5E000;
    kernel.mlth32ProcessID = -481805;
    kernel.mlth32ModuleID = 1;
    kernel.mProccntUsage = 2;
    kernel.mmodBaseAddr = -1074331648;  // BFF70000
    kernel.mhModule = -1074331648;
    s.Module(p, "USER32.DLL", kUser, 9).mmodBaseSize = 4096;
    clsProcess& calc = s.Process("C:\\CALC.EXE");
    calc.mlPriority = 128;
    clsModule& calcKernel = s.Module(calc, "KERNEL32.DLL", kKernel, 22);
    calcKernel.mProccntUsage = 7;
    calcKernel.mhModule = 4194304;
    s.Process("C:\\IDLE.EXE");
    s.Unique(1, 1);
    s.Unique(1, 2);
  }

  std::optional<ListContents> Fill(const TreeSelection& tree, bool hex = true) {
    // The index is made once the records are complete, as the window does.
    const Explorer::PathIndex paths(s.processes);
    return Explorer::DetailList(tree, {s.tasks, s.processes, s.uniqueModules, paths}, hex);
  }
  static TreeSelection Root(const std::string& text, const std::string& key) {
    return {true, NodeFacts{text, key}, std::nullopt, std::nullopt};
  }
  static TreeSelection Child(const std::string& text, const std::string& key,
                             const std::string& parentText, const std::string& parentKey) {
    return {true, NodeFacts{text, key}, NodeFacts{parentText, parentKey}, std::nullopt};
  }
  static TreeSelection ModuleNode(const std::string& text, const std::string& key,
                                  const std::string& processText, const std::string& processKey) {
    return {true, NodeFacts{text, key}, NodeFacts{processText, processKey},
            std::string("Processes")};
  }
  static Columns Sheet(int itemWidth) {
    return {{"Item", itemWidth, Align::kLeft}, {"Value", 5000, Align::kLeft}};
  }

  SnapshotBuilder s;
};

TEST_F(DetailListTest, TopWindowsTableListsEveryTask) {
  const auto list = Fill(Root("Top Windows", "Task"));
  ASSERT_TRUE(list);
  EXPECT_EQ(list->columns, (Columns{{"Name", 5000, Align::kLeft}, {"ID", 0, Align::kLeft}}));
  EXPECT_EQ(list->rows, (Rows{{"Inbox", {"1"}}, {"Calculator", {"2"}}}));
}

TEST_F(DetailListTest, ProcessesTableInBothIdentifierModes) {
  const Columns columns{{"Process Name", 3000, Align::kLeft},
                        {"File Date", 1800, Align::kLeft},
                        {"File Size", 800, Align::kRight},
                        {"Version", 1000, Align::kLeft},
                        {"ProcessID ", 1000, Align::kRight},
                        {"Process Handle", 1500, Align::kRight},
                        {"HeapID ", 1000, Align::kRight},
                        {"ModuleID", 1000, Align::kRight},
                        {"Threads", 1000, Align::kRight},
                        {"Parent ProcessID", 1000, Align::kRight},
                        {"Base Priority", 1000, Align::kRight},
                        {"Priority", 1000, Align::kRight},
                        {"ID", 0, Align::kLeft}};
  const auto hex = Fill(Root("Processes", "Proc"), true);
  ASSERT_TRUE(hex);
  EXPECT_EQ(hex->columns, columns);
  ASSERT_EQ(hex->rows.size(), 3u);
  EXPECT_EQ(hex->rows[0], (Row{"C:\\WINDOWS\\EXPLORER.EXE",
                               {"05/11/1998 08:01:00 PM", "204288", "4.72.3110.1", "FFF8A5F3", "88",
                                "420000", "1A2B", "5", "FFFE1234", "8", "Normal", "1"}}));
  EXPECT_EQ(
      hex->rows[1],
      (Row{"C:\\CALC.EXE", {"", "0", "0.0.0.0", "0", "0", "0", "0", "0", "0", "0", "High", "2"}}));
  const auto decimal = Fill(Root("Processes", "Proc"), false);
  ASSERT_TRUE(decimal);
  EXPECT_EQ(decimal->rows[0], (Row{"C:\\WINDOWS\\EXPLORER.EXE",
                                   {"05/11/1998 08:01:00 PM", "204288", "4.72.3110.1", "-481805",
                                    "88", "4325376", "6699", "5", "-126412", "8", "Normal", "1"}}));
  EXPECT_EQ(decimal->rows[2].subItems[10], "Undetermined");
}

TEST_F(DetailListTest, ModulesTableReadsEachDistinctModuleFromItsFirstRecord) {
  const auto list = Fill(Root("Modules", "Mod"));
  ASSERT_TRUE(list);
  EXPECT_EQ(list->columns, (Columns{{"Module Name", 2000, Align::kLeft},
                                    {"Path", 1000, Align::kLeft},
                                    {"File Date", 1800, Align::kLeft},
                                    {"Version", 1000, Align::kLeft},
                                    {"File Size", 800, Align::kRight},
                                    {"Global Usage Count", 1000, Align::kRight},
                                    {"Size (In Bytes)", 1300, Align::kRight},
                                    {"ID", 0, Align::kLeft}}));
  EXPECT_EQ(
      list->rows,
      (Rows{{"KERNEL32.DLL",
             {kKernel, "04/23/1999 10:22:00 PM", "4.10.0.2222", "471040", "21", "385024", "1"}},
            {"USER32.DLL", {kUser, "", "0.0.0.0", "0", "9", "4096", "2"}}}));
}

TEST_F(DetailListTest, TaskSheet) {
  const auto list = Fill(Child("Calculator", "Task2", "Top Windows", "Task"));
  ASSERT_TRUE(list);
  EXPECT_EQ(list->columns, Sheet(2000));
  EXPECT_EQ(list->rows, (Rows{{"Name:", {"Calculator"}}}));
}

TEST_F(DetailListTest, ProcessSheetEndsWithTheModulesItUses) {
  const auto list = Fill(Child("C:\\WINDOWS\\EXPLORER.EXE", "Proc1", "Processes", "Proc"));
  ASSERT_TRUE(list);
  EXPECT_EQ(list->columns, Sheet(4000));
  EXPECT_EQ(list->rows, (Rows{{"Process:", {"C:\\WINDOWS\\EXPLORER.EXE"}},
                              {"File Date:", {"05/11/1998 08:01:00 PM"}},
                              {"File Size:", {"204288"}},
                              {"Version:", {"4.72.3110.1"}},
                              {"# Of References To Process:", {"1"}},
                              {"Process ID:", {"FFF8A5F3"}},
                              {"Process Handle:", {"88"}},
                              {"Process Priority:", {"Normal"}},
                              {"Default Heap ID:", {"420000"}},
                              {"Module ID (Associated EXE):", {"1A2B"}},
                              {"Execution Threads Started By This Process:", {"5"}},
                              {"Parent ProcessID", {"FFFE1234"}},
                              {"Base Priority Of Threads Created By This Process:", {"8"}},
                              {"Uses:", {kKernel}},
                              {"Uses:", {kUser}}}));
}

TEST_F(DetailListTest, ProcessWithoutModulesEndsWithTheBasePriorityRow) {
  const auto list = Fill(Child("C:\\IDLE.EXE", "Proc3", "Processes", "Proc"), false);
  ASSERT_TRUE(list);
  ASSERT_EQ(list->rows.size(), 13u);
  EXPECT_EQ(list->rows.back().text, "Base Priority Of Threads Created By This Process:");
}

TEST_F(DetailListTest, DistinctModuleSheetNamesEveryProcessThatUsesIt) {
  const auto list =
      Fill(Child("C:\\WINDOWS\\SYSTEM\\KERNEL32.DLL (21)", "ModX1", "Modules", "Mod"));
  ASSERT_TRUE(list);
  EXPECT_EQ(list->columns, Sheet(1500));
  EXPECT_EQ(list->rows, (Rows{{"Module:", {kKernel}},
                              {"File Date:", {"04/23/1999 10:22:00 PM"}},
                              {"Version:", {"4.10.0.2222"}},
                              {"File Size:", {"471040"}},
                              {"Global Usage Count:", {"21"}},
                              {"Size, In Bytes:", {"385024"}},
                              {"Used By:", {"C:\\WINDOWS\\EXPLORER.EXE"}},
                              {"Used By:", {"C:\\CALC.EXE"}}}));
}

TEST_F(DetailListTest, ModuleSheetShowsTheModuleOfTheParentProcess) {
  const Rows expected{{"Module:", {"KERNEL32.DLL"}},
                      {"Path:", {kKernel}},
                      {"File Date:", {"04/23/1999 10:22:00 PM"}},
                      {"Version:", {"4.10.0.2222"}},
                      {"File Size:", {"471040"}},
                      {"Process ID:", {"FFF8A5F3"}},
                      {"Global Usage Count:", {"21"}},
                      {"Module Usage Count (In Context Of Parent Process):", {"2"}},
                      {"Module ID (In Context Of Parent Process):", {"1"}},
                      {"Base Size:", {"385024"}},
                      {"Base Addr (In Context Of Parent Process):", {"BFF70000"}},
                      {"Size, In Bytes", {"385024"}},
                      {"Module Handle (In Context Of Parent Process):", {"-1074331648"}}};
  const auto list = Fill(ModuleNode(kKernel, "Mod1", "C:\\WINDOWS\\EXPLORER.EXE", "Proc1"));
  ASSERT_TRUE(list);
  EXPECT_EQ(list->columns, Sheet(4000));
  EXPECT_EQ(list->rows, expected);

  // The same path under another process shows that process's record.
  const auto calc = Fill(ModuleNode(kKernel, "Mod3", "C:\\CALC.EXE", "Proc2"), false);
  ASSERT_TRUE(calc);
  EXPECT_EQ(calc->rows[7].subItems[0], "7");
  EXPECT_EQ(calc->rows[12].subItems[0], "4194304");
}

TEST_F(DetailListTest, EdgeCases) {
  struct Case {
    const char* name;
    TreeSelection tree;
    std::optional<std::size_t> columns;  // none: the list is left as it is
    std::size_t rows;
  };
  const Case cases[] = {
      {"an empty tree", TreeSelection{}, std::nullopt, 0},
      {"no selected node", TreeSelection{true, std::nullopt, std::nullopt, std::nullopt},
       std::nullopt, 0},
      {"a task titled like a root", Child("Processes", "Task1", "Top Windows", "Task"), 13, 3},
      {"a task key past the end", Child("Ghost", "Task9", "Top Windows", "Task"), std::nullopt, 0},
      {"a key without a number", Child("Ghost", "Task", "Top Windows", "Task"), std::nullopt, 0},
      {"a module of a process key past the end", ModuleNode(kKernel, "Mod1", "C:\\X.EXE", "Proc9"),
       std::nullopt, 0},
      {"a module text no module of its process has",
       ModuleNode("C:\\OTHER.DLL", "Mod1", "C:\\WINDOWS\\EXPLORER.EXE", "Proc1"), 0, 0},
      {"a module path in another letter case",
       ModuleNode("c:\\windows\\system\\kernel32.dll", "Mod1", "C:\\WINDOWS\\EXPLORER.EXE",
                  "Proc1"),
       0, 0},
      {"a node under no root", Child("C:\\A", "Mod1", "C:\\B", "Proc1"), 0, 0},
  };
  for (const Case& c : cases) {
    const auto list = Fill(c.tree);
    ASSERT_EQ(list.has_value(), c.columns.has_value()) << c.name;
    if (list) {
      EXPECT_EQ(list->columns.size(), *c.columns) << c.name;
      EXPECT_EQ(list->rows.size(), c.rows) << c.name;
    }
  }
}

TEST(DetailListEmpty, RootTablesKeepTheirColumnsWithoutRecords) {
  SnapshotBuilder s;
  const Explorer::PathIndex paths(s.processes);
  const std::pair<const char*, std::size_t> roots[] = {
      {"Top Windows", 2}, {"Processes", 13}, {"Modules", 8}};
  for (const auto& [text, columns] : roots) {
    const auto list =
        Explorer::DetailList({true, NodeFacts{text, "Task"}, std::nullopt, std::nullopt},
                             {s.tasks, s.processes, s.uniqueModules, paths}, true);
    ASSERT_TRUE(list) << text;
    EXPECT_EQ(list->columns.size(), columns) << text;
    EXPECT_TRUE(list->rows.empty()) << text;
  }
}

}  // namespace
