// Hours of use in one viewer: many explorer windows opened and closed, many
// snapshots taken while other processes start and end. What the program holds
// (windows, menus, GDI objects, private memory) must come back to where it
// was once the first few windows have come and gone.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "tests/wine/explorer/explorer_fixture.h"
#include "tests/wine/snapshot/child_process.h"

namespace kes_test {
namespace {

BOOL CALLBACK CountWindow(HWND window, LPARAM count) {
  ++*reinterpret_cast<long*>(count);
  EnumChildWindows(window, CountWindow, count);
  return TRUE;
}

// The windows of this thread, top-level and child.
long WindowCount() {
  long count = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&count));
  return count;
}

// Wine keeps a process's GDI and USER objects in tables whose slots answer
// to their 16-bit index alone, so probing each slot counts the live ones.
// (GetGuiResources, which Windows 95 lacks and Wine answers with 0, is asked
// first.)
constexpr UINT_PTR kFirstSlot = 0x20;
constexpr UINT_PTR kLastSlot = 0xFFFF;

long GdiObjectCount(bool& probed) {
  using GuiResources = DWORD(WINAPI*)(HANDLE, DWORD);
  const auto query = reinterpret_cast<GuiResources>(reinterpret_cast<void (*)()>(
      GetProcAddress(GetModuleHandleA("user32.dll"), "GetGuiResources")));
  if (query != nullptr) {
    if (const DWORD count = query(GetCurrentProcess(), 0 /* GR_GDIOBJECTS */); count != 0) {
      probed = false;
      return static_cast<long>(count);
    }
  }
  probed = true;
  long count = 0;
  for (UINT_PTR slot = kFirstSlot; slot <= kLastSlot; ++slot) {
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(slot)) != 0) ++count;
  }
  return count;
}

long MenuCount() {
  long count = 0;
  for (UINT_PTR slot = kFirstSlot; slot <= kLastSlot; slot += 2) {
    if (IsMenu(reinterpret_cast<HMENU>(slot))) ++count;
  }
  return count;
}

// Committed private pages of the whole address space, in KB.
long PrivateKb() {
  SIZE_T total = 0;
  MEMORY_BASIC_INFORMATION region{};
  for (auto* at = static_cast<char*>(nullptr);
       VirtualQuery(at, &region, sizeof region) == sizeof region;
       at = static_cast<char*>(region.BaseAddress) + region.RegionSize) {
    if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) total += region.RegionSize;
    if (static_cast<char*>(region.BaseAddress) + region.RegionSize < at) break;  // wrapped
  }
  return static_cast<long>(total / 1024);
}

struct Holdings {
  long windows, menus, gdi, privateKb;
};

Holdings Measure(bool& gdiProbed) {
  return {WindowCount(), MenuCount(), GdiObjectCount(gdiProbed), PrivateKb()};
}

class HoursOfUseTest : public ExplorerWineTest {
 protected:
  // Opens one more explorer window (its load takes a snapshot) and closes it.
  void OpenAndClose() {
    frame->mnuView_Hook(Subs::kViewExplorer);
    ASSERT_EQ(explorers->Windows().size(), 1u);
    HWND window = explorers->Windows().front()->Handle();
    SendMessageA(window, WM_CLOSE, 0, 0);
    Pump();
    ASSERT_FALSE(IsWindow(window));
    ASSERT_TRUE(explorers->Windows().empty());
  }
};

// The counts see what a leak would hold: a window, two menus, three brushes
// and 4 MB.
TEST(Holdings, SeeWhatIsHeldAndLetGo) {
  // The thread's first window brings the thread's input window, which lives
  // as long as any window of the thread does.
  HWND first = CreateWindowA("STATIC", "", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  bool probed = false;
  const Holdings before = Measure(probed);
  HWND window = CreateWindowA("STATIC", "", 0, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  HMENU menus[] = {CreateMenu(), CreatePopupMenu()};
  HBRUSH brushes[] = {CreateSolidBrush(1), CreateSolidBrush(2), CreateSolidBrush(3)};
  void* block = VirtualAlloc(nullptr, 4 << 20, MEM_COMMIT, PAGE_READWRITE);
  const Holdings held = Measure(probed);
  DestroyWindow(window);
  for (HMENU menu : menus) DestroyMenu(menu);
  for (HBRUSH brush : brushes) DeleteObject(brush);
  VirtualFree(block, 0, MEM_RELEASE);
  const Holdings after = Measure(probed);
  EXPECT_EQ(held.windows - before.windows, 1);
  EXPECT_EQ(held.menus - before.menus, 2);
  EXPECT_EQ(held.gdi - before.gdi, 3);
  EXPECT_EQ(held.privateKb - before.privateKb, 4096);
  EXPECT_EQ(after.windows, before.windows);
  EXPECT_EQ(after.menus, before.menus);
  EXPECT_EQ(after.gdi, before.gdi);
  EXPECT_EQ(after.privateKb, before.privateKb);
  DestroyWindow(first);
}

TEST_F(HoursOfUseTest, AHundredExplorerWindowsGiveBackWhatTheyHeld) {
  SendMessageA(LoadFrame().Handle(), WM_CLOSE, 0, 0);
  for (int i = 0; i < 4; ++i) OpenAndClose();
  bool probed = false;
  const Holdings before = Measure(probed);
  for (int i = 5; i < 100; ++i) {
    OpenAndClose();
    if (HasFatalFailure()) return;
  }
  const Holdings after = Measure(probed);
  std::printf(
      "hours of use: after 5 and after 100 explorer windows: windows %ld -> %ld, menus %ld -> "
      "%ld, GDI objects %ld -> %ld (%s), private memory %ld KB -> %ld KB\n",
      before.windows, after.windows, before.menus, after.menus, before.gdi, after.gdi,
      probed ? "counted by probing the handle table" : "GetGuiResources", before.privateKb,
      after.privateKb);
  EXPECT_EQ(after.windows, before.windows);
  EXPECT_LE(after.menus, before.menus + 2);
  EXPECT_LE(after.gdi, before.gdi + 5);
  // A window's snapshot alone is hundreds of KB; 95 of them kept would be tens of MB.
  EXPECT_LE(after.privateKb, before.privateKb + 2048);
  EXPECT_TRUE(boxes.shown.empty()) << boxes.shown.front().text;
}

TEST_F(HoursOfUseTest, TwoHundredSnapshotsWhileProcessesComeAndGo) {
  SendMessageA(LoadFrame().Handle(), WM_CLOSE, 0, 0);
  Churn churn{ProgramFolder() + "snapshot_child.exe", "kesver.dll"};
  const platform::ScopedHandle worker(CreateThread(nullptr, 0, ChurnLoop, &churn, 0, nullptr));
  ASSERT_TRUE(worker.Valid());
  const long windowsBefore = WindowCount();
  const DWORD start = GetTickCount();
  int taken = 0;
  while (taken < 200) {
    OpenAndClose();
    if (HasFatalFailure()) break;
    ++taken;
  }
  churn.stop = true;
  WaitForSingleObject(worker.Get(), INFINITE);
  std::printf("hours of use: %d snapshots in %lu ms while %d other processes started and ended\n",
              taken, GetTickCount() - start, churn.started.load());
  EXPECT_EQ(taken, 200);
  EXPECT_GT(churn.started.load(), 0);
  EXPECT_TRUE(boxes.shown.empty()) << boxes.shown.front().text;
  EXPECT_TRUE(IsWindow(frame->Handle()));
  EXPECT_EQ(WindowCount(), windowsBefore);
}

}  // namespace
}  // namespace kes_test
