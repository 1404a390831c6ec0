// The top-window list over real windows on the test's display.
#include "snapshot/win32/get_tasks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/fakes/recording_boxes.h"

namespace {

using kes_test::RecordingBoxes;

constexpr const char* kClass = "KesTaskProbe";

BOOL CALLBACK CollectWindow(HWND window, LPARAM to) {
  reinterpret_cast<std::vector<HWND>*>(to)->push_back(window);
  return TRUE;
}

struct Entry {
  std::string text;
  HWND window;
};

class TopWindows : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kClass;
    RegisterClassA(&windowClass);
    // The hidden list box that receives the titles, as the explorer has it.
    list =
        CreateWindowA("LISTBOX", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(list, nullptr);
  }
  void TearDown() override {
    for (HWND window : made) DestroyWindow(window);
    DestroyWindow(list);
  }

  HWND Make(const std::string& title, bool visible, HWND owner = nullptr) {
    HWND window = CreateWindowA(kClass, title.c_str(), WS_POPUP, 10, 10, 200, 100, owner, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    if (visible) ShowWindow(window, SW_SHOWNOACTIVATE);
    made.push_back(window);
    return window;
  }

  std::vector<Entry> Entries() const {
    std::vector<Entry> entries;
    const auto count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
      std::string text(static_cast<std::size_t>(SendMessageA(list, LB_GETTEXTLEN, i, 0)), '\0');
      SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
      entries.push_back({text, reinterpret_cast<HWND>(SendMessageA(list, LB_GETITEMDATA, i, 0))});
    }
    return entries;
  }

  const Entry* EntryFor(const std::vector<Entry>& entries, HWND window) const {
    for (const Entry& entry : entries) {
      if (entry.window == window) return &entry;
    }
    return nullptr;
  }

  HWND list = nullptr;
  std::vector<HWND> made;
  RecordingBoxes boxes;
  Subs::ErrorReport report{boxes};
};

TEST_F(TopWindows, ListsVisibleUnownedTitledWindowsOnly) {
  const HWND plain = Make("kes plain window", true);
  const HWND hidden = Make("kes hidden window", false);
  const HWND owned = Make("kes owned window", true, plain);
  const HWND untitled = Make("", true);
  const HWND twin1 = Make("kes twin", true);
  const HWND twin2 = Make("kes twin", true);
  const std::string longTitle = std::string(150, 'L') + std::string(150, 'M');
  const HWND longOne = Make(longTitle, true);
  SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("left over"));

  const std::int16_t count = Subs::GetTasks(list, report);
  const std::vector<Entry> entries = Entries();
  EXPECT_EQ(count, static_cast<std::int16_t>(entries.size()));
  EXPECT_TRUE(boxes.shown.empty());

  ASSERT_NE(EntryFor(entries, plain), nullptr);
  EXPECT_EQ(EntryFor(entries, plain)->text, "kes plain window");
  EXPECT_EQ(EntryFor(entries, hidden), nullptr);
  EXPECT_EQ(EntryFor(entries, owned), nullptr);
  EXPECT_EQ(EntryFor(entries, untitled), nullptr);
  ASSERT_NE(EntryFor(entries, twin1), nullptr);
  ASSERT_NE(EntryFor(entries, twin2), nullptr);
  EXPECT_EQ(EntryFor(entries, twin2)->text, "kes twin");
  ASSERT_NE(EntryFor(entries, longOne), nullptr);
  EXPECT_EQ(EntryFor(entries, longOne)->text, longTitle.substr(0, 255));
  // The list was emptied first, and the list box itself is hidden.
  for (const Entry& entry : entries) {
    EXPECT_NE(entry.text, "left over");
    EXPECT_NE(entry.window, list);
    EXPECT_TRUE(IsWindowVisible(entry.window));
  }
}

TEST_F(TopWindows, KeepsTheOrderOfEnumeration) {
  for (int i = 0; i < 4; ++i) Make("kes ordered " + std::to_string(i), true);
  std::vector<HWND> order;
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&order));

  Subs::GetTasks(list, report);
  std::size_t last = 0;
  for (const Entry& entry : Entries()) {
    const auto at = std::find(order.begin(), order.end(), entry.window);
    ASSERT_NE(at, order.end());
    const auto position = static_cast<std::size_t>(at - order.begin());
    EXPECT_GE(position, last);
    last = position;
  }
}

}  // namespace
