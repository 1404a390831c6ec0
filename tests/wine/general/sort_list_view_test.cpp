#include "shell/general/win32/sort_list_view.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/common_controls.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

// The named properties a window still holds as it is destroyed, seen by a
// subclass placed over everything else on it.
struct DestroyWatch {
  WNDPROC previous = nullptr;
  bool destroyed = false;
  std::vector<std::string> properties;
};
DestroyWatch gWatch;

BOOL CALLBACK CollectProperty(HWND, LPCSTR name, HANDLE) {
  if (HIWORD(reinterpret_cast<ULONG_PTR>(name)) != 0) {  // not a bare atom
    gWatch.properties.push_back(name);
  }
  return TRUE;
}

LRESULT CALLBACK WatchDestroy(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = CallWindowProcA(gWatch.previous, window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    gWatch.destroyed = true;
    EnumPropsA(window, &CollectProperty);
  }
  return result;
}

// A hidden window holding a list view in report view, destroyed with the test.
class SortListViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::InitCommonControlClasses();
    parent_ = CreateWindowExA(0, "STATIC", "", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr,
                              nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(parent_, nullptr);
    list_ = CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 400, 300,
                            parent_, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(list_, nullptr);
    for (int column = 0; column < 3; ++column) {
      LVCOLUMNA header{};
      header.mask = LVCF_TEXT | LVCF_WIDTH;
      header.cx = 100;
      header.pszText = const_cast<char*>("Column");
      SendMessageA(list_, LVM_INSERTCOLUMNA, column, reinterpret_cast<LPARAM>(&header));
    }
  }
  void TearDown() override {
    if (parent_ != nullptr) DestroyWindow(parent_);
  }

  void AddRows(const Rows& rows) {
    for (const auto& row : rows) {
      LVITEMA item{};
      item.mask = LVIF_TEXT | LVIF_PARAM;
      item.iItem = static_cast<int>(SendMessageA(list_, LVM_GETITEMCOUNT, 0, 0));
      item.lParam = 100 + item.iItem;  // the data the list's owner keeps with a row
      item.pszText = const_cast<char*>(row[0].c_str());
      const int index = static_cast<int>(
          SendMessageA(list_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
      for (int column = 1; column < static_cast<int>(row.size()); ++column) {
        LVITEMA cell{};
        cell.iSubItem = column;
        cell.pszText = const_cast<char*>(row[column].c_str());
        SendMessageA(list_, LVM_SETITEMTEXTA, index, reinterpret_cast<LPARAM>(&cell));
      }
    }
  }

  // The texts of one column, top to bottom.
  std::vector<std::string> Column(int column) const {
    std::vector<std::string> texts;
    const int count = static_cast<int>(SendMessageA(list_, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
      char buffer[64] = {};
      LVITEMA cell{};
      cell.iSubItem = column;
      cell.pszText = buffer;
      cell.cchTextMax = sizeof buffer;
      SendMessageA(list_, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&cell));
      texts.push_back(buffer);
    }
    return texts;
  }

  // The item data of the rows, top to bottom.
  std::vector<LPARAM> Data() const {
    std::vector<LPARAM> data;
    const int count = static_cast<int>(SendMessageA(list_, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
      LVITEMA item{};
      item.mask = LVIF_PARAM;
      item.iItem = row;
      SendMessageA(list_, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
      data.push_back(item.lParam);
    }
    return data;
  }

  HWND parent_ = nullptr;
  HWND list_ = nullptr;
};

using Texts = std::vector<std::string>;

TEST_F(SortListViewTest, TwoClicksOnOneColumnSortItsTextsUpThenDown) {
  AddRows({{"b", "10", "x"}, {"a", "9", "y"}, {"c", "100", "z"}});
  Subs::SortListView(list_, 2);
  EXPECT_EQ(Column(1), (Texts{"10", "100", "9"}));
  EXPECT_EQ(Column(0), (Texts{"b", "c", "a"}));  // whole rows move
  EXPECT_EQ(Data(), (std::vector<LPARAM>{100, 102, 101}));
  Subs::SortListView(list_, 2);
  EXPECT_EQ(Column(1), (Texts{"9", "100", "10"}));
  EXPECT_EQ(Column(2), (Texts{"y", "z", "x"}));
}

TEST_F(SortListViewTest, EveryClickFlipsTheDirectionWhicheverColumnWasClickedBefore) {
  AddRows({{"B", "2", "q"}, {"a", "3", "r"}, {"c", "1", "p"}});
  Subs::SortListView(list_, 1);
  EXPECT_EQ(Column(0), (Texts{"a", "B", "c"}));
  Subs::SortListView(list_, 3);
  EXPECT_EQ(Column(2), (Texts{"r", "q", "p"}));
  Subs::SortListView(list_, 2);
  EXPECT_EQ(Column(1), (Texts{"1", "2", "3"}));

  const Subs::ListViewSort settings = Subs::GetListViewSort(list_);
  EXPECT_EQ(settings.sortKey, 1);
  EXPECT_TRUE(settings.sorted);
  EXPECT_EQ(settings.order, Subs::SortOrder::kAscending);
}

TEST_F(SortListViewTest, SettingsStayWithTheListForTheNextFill) {
  AddRows({{"m", "1"}, {"n", "2"}});
  Subs::ApplyListViewSort(list_);
  EXPECT_EQ(Column(0), (Texts{"m", "n"}));  // never sorted: insertion order
  EXPECT_FALSE(Subs::GetListViewSort(list_).sorted);

  Subs::SortListView(list_, 2);
  Subs::SortListView(list_, 2);
  SendMessageA(list_, LVM_DELETEALLITEMS, 0, 0);
  AddRows({{"x", "10"}, {"y", "9"}, {"z", "11"}});
  Subs::ApplyListViewSort(list_);
  EXPECT_EQ(Column(1), (Texts{"9", "11", "10"}));
}

// Windows 95 and 98 keep the atom of a named property left on a destroyed
// window for good.
TEST_F(SortListViewTest, TheListGoesWithoutItsSortProperties) {
  AddRows({{"b", "1"}, {"a", "2"}});
  Subs::SortListView(list_, 1);
  Subs::SortListView(list_, 2);
  gWatch = {};
  gWatch.previous = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(list_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WatchDestroy)));
  DestroyWindow(parent_);
  parent_ = nullptr;
  ASSERT_TRUE(gWatch.destroyed);
  std::vector<std::string> ours;
  for (const std::string& name : gWatch.properties) {
    if (name.rfind("Kestrel", 0) == 0) {
      ours.push_back(name);
    }
  }
  EXPECT_EQ(ours, Texts{});
}

TEST_F(SortListViewTest, IgnoresAWindowThatIsGone) {
  DestroyWindow(parent_);
  parent_ = nullptr;
  Subs::SortListView(list_, 1);
  EXPECT_FALSE(Subs::GetListViewSort(list_).sorted);
}

}  // namespace
