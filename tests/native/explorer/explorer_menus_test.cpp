#include "explorer/explorer_menus.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "explorer/copy_text.h"

namespace {

using Subs::FrameMenu;

// "caption" or "-", with "(off)" for an item that cannot be chosen.
std::vector<std::string> Items(const Subs::FrameMenuSpec& menu) {
  std::vector<std::string> items;
  for (const Subs::MenuItemSpec& item : menu.items) {
    std::string text = item.caption == nullptr ? "-" : item.caption;
    if (!item.enabled) text += " (off)";
    items.push_back(text);
  }
  return items;
}

TEST(ExplorerMenus, MenuBarAndItemsAtTheirIndexes) {
  const auto bar = Explorer::ExplorerMenuBar();
  ASSERT_EQ(bar.size(), 6u);
  const std::vector<std::pair<const char*, std::vector<std::string>>> expected{
      {"&File",
       {"&Open Report...", "Snapshot &Again", "Co&mpare With...", "-", "&Print To File...", "-",
        "P&roperties...", "-", "E&xit"}},
      {"&Edit", {"&Copy", "-", "&Find...", "Find &Next"}},
      {"&View", {"Kestrel &Explorer", "-", "&Toolbar", "&Status Bar"}},
      {"&Tools", {"&Options", "&Startup Programs"}},
      {"&Window", {"Tile &Horizontal", "Tile &Vertical", "&Cascade", "&Arrange Icons"}},
      {"&Help", {"&Contents / Index", "-", "", "-", "&About Kestrel"}},
  };
  for (std::size_t i = 0; i < bar.size(); ++i) {
    EXPECT_STREQ(bar[i].caption, expected[i].first);
    EXPECT_EQ(Items(bar[i]), expected[i].second) << bar[i].caption;
  }
  EXPECT_STREQ(bar[5].items[0].shortcut, "F1");
  EXPECT_STREQ(bar[0].items[0].shortcut, "Ctrl+O");
  EXPECT_STREQ(bar[0].items[1].shortcut, "F5");
  EXPECT_STREQ(bar[0].items[6].shortcut, "Alt+Enter");
  EXPECT_STREQ(bar[1].items[0].shortcut, "Ctrl+C");
  EXPECT_STREQ(bar[1].items[2].shortcut, "Ctrl+F");
  EXPECT_STREQ(bar[1].items[3].shortcut, "F3");
  EXPECT_EQ(
      Items(Explorer::ExplorerWebSubmenu()),
      (std::vector<std::string>{"Our &Home Page", "-", "&Kestrel Home Page", "-", "&Order... (off)",
                                "Other &Products", "&Technical Support (off)"}));
}

TEST(ExplorerMenus, ChoicesGoToTheReportOrToTheFrameByIndex) {
  using Action = Explorer::MenuRoute::Action;
  struct Case {
    FrameMenu menu;
    int index;
    Action action;
    int forwarded;
  };
  const Case cases[] = {
      {FrameMenu::kFile, 0, Action::kForward, 0},
      {FrameMenu::kFile, 1, Action::kSnapshotAgain, 1},
      {FrameMenu::kFile, 2, Action::kCompareWith, 2},
      {FrameMenu::kFile, 3, Action::kNothing, 3},
      {FrameMenu::kFile, 4, Action::kPrintToFile, 4},
      {FrameMenu::kFile, 6, Action::kProperties, 6},
      {FrameMenu::kFile, 7, Action::kNothing, 7},
      {FrameMenu::kFile, 8, Action::kForward, 3},
      {FrameMenu::kFile, 9, Action::kNothing, 9},
      {FrameMenu::kView, 0, Action::kForward, 0},
      {FrameMenu::kView, 3, Action::kForward, 3},
      {FrameMenu::kTools, 0, Action::kForward, 0},
      {FrameMenu::kTools, 1, Action::kForward, 1},
      {FrameMenu::kWindow, 2, Action::kForward, 2},
      {FrameMenu::kHelp, 4, Action::kForward, 4},
      {FrameMenu::kHelpWeb, 4, Action::kForward, 4},
      {FrameMenu::kEdit, 0, Action::kCopy, 0},
      {FrameMenu::kEdit, 1, Action::kNothing, 1},
      {FrameMenu::kEdit, 2, Action::kFind, 2},
      {FrameMenu::kEdit, 3, Action::kFindNext, 3},
      {FrameMenu::kEdit, 4, Action::kNothing, 4},
  };
  for (const Case& c : cases) {
    const Explorer::MenuRoute route = Explorer::RouteMenuChoice(c.menu, c.index);
    EXPECT_EQ(route.action, c.action) << static_cast<int>(c.menu) << "/" << c.index;
    EXPECT_EQ(route.index, c.forwarded);
  }
}

TEST(ExplorerTexts, StatusPanels) {
  EXPECT_EQ(
      Explorer::StatusPanels(0, 12, 345),
      (std::array<std::string, 4>{"Totals:", "Top Windows: 0", "Processes: 12", "Modules: 345"}));
}

TEST(ExplorerTexts, CopiedRowsAreTabbedLinesWithTheHeaderAboveSeveral) {
  const std::vector<std::string> headers{"Name", "ID"};
  const struct {
    std::vector<std::vector<std::string>> rows;
    std::string text;
  } cases[] = {
      {{}, ""},
      {{{"Explorer", "1"}}, "Explorer\t1\r\n"},
      {{{"Explorer", "1"}, {"", "2"}}, "Name\tID\r\nExplorer\t1\r\n\t2\r\n"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Explorer::CopiedRows(headers, c.rows), c.text);
  }
}

}  // namespace
