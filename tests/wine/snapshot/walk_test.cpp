// The process walk over the real tool-help functions.
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, whose types it uses.
#include <tlhelp32.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/win32/file_facts_win32.h"
#include "platform/win32/tool_help_win32.h"
#include "snapshot/module_list95.h"
#include "tests/fakes/recording_boxes.h"
#include "tests/wine/snapshot/child_process.h"

namespace {

using namespace kes_test;

bool SamePath(const std::string& a, const std::string& b) {
  return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

const clsProcess* FindProcess(const kes::Collection<clsProcess>& processes, DWORD id) {
  for (std::int32_t i = 1; i <= processes.Count(); ++i) {
    if (static_cast<DWORD>(processes.Item(i).mlth32ProcessID) == id) return &processes.Item(i);
  }
  return nullptr;
}

// The number of handles this process holds. Wine answers
// GetProcessHandleCount with 0, so the system's handle list is counted
// instead; -1 when neither can tell.
using HandleCountQuery = BOOL(WINAPI*)(HANDLE, PDWORD);
using SystemQuery = LONG(WINAPI*)(int, PVOID, ULONG, PULONG);

template <class Function>
Function Lookup(const char* library, const char* name) {
  return reinterpret_cast<Function>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA(library), name)));
}

long OwnHandleCount() {
  if (const auto count = Lookup<HandleCountQuery>("kernel32.dll", "GetProcessHandleCount")) {
    DWORD handles = 0;
    if (count(GetCurrentProcess(), &handles) && handles != 0) return static_cast<long>(handles);
  }
  const auto query = Lookup<SystemQuery>("ntdll.dll", "NtQuerySystemInformation");
  if (query == nullptr) return -1;
  struct HandleEntry {
    ULONG ownerPid;
    BYTE objectType;
    BYTE flags;
    USHORT handle;
    PVOID object;
    ACCESS_MASK access;
  };
  constexpr int kSystemHandleInformation = 16;
  std::vector<char> list(1 << 22);
  ULONG length = 0;
  if (query(kSystemHandleInformation, list.data(), static_cast<ULONG>(list.size()), &length) != 0) {
    return -1;
  }
  ULONG entries = 0;
  std::memcpy(&entries, list.data(), sizeof entries);
  const auto* entry = reinterpret_cast<const HandleEntry*>(list.data() + sizeof(ULONG_PTR));
  long own = 0;
  for (ULONG i = 0; i < entries; ++i) {
    if (entry[i].ownerPid == GetCurrentProcessId()) ++own;
  }
  return own;
}

class Walk : public ::testing::Test {
 protected:
  bool Fill() {
    processes = {};
    return ModuleList95::FillProcessList95(processes, toolHelp, facts, progress, report);
  }

  platform::Win32ToolHelp toolHelp;
  platform::Win32FileFacts facts;
  RecordingBoxes boxes;
  RecordingProgress progress;
  Subs::ErrorReport report{boxes};
  kes::Collection<clsProcess> processes;
  const std::string child = ProgramFolder() + "snapshot_child.exe";
};

TEST_F(Walk, FindsAChildWithItsLibrariesAtTheirPathsAndVersions) {
  ChildProcess running(child, "kesver.dll");
  ASSERT_TRUE(running.ready);
  ASSERT_TRUE(Fill());
  EXPECT_TRUE(boxes.shown.empty());

  const clsProcess* found = FindProcess(processes, running.Id());
  ASSERT_NE(found, nullptr);
  EXPECT_TRUE(SamePath(found->msExePath, child)) << found->msExePath;
  EXPECT_EQ(found->mlth32ParentProcessID, static_cast<std::int32_t>(GetCurrentProcessId()));
  EXPECT_GT(found->mcntThreads, 0);
  EXPECT_EQ(found->mlPriority, NORMAL_PRIORITY_CLASS);
  const clsModule* library = nullptr;
  for (std::int32_t j = 1; j <= found->mcolModules.Count(); ++j) {
    const clsModule& module = found->mcolModules.Item(j);
    EXPECT_NE(module.msExePath, found->msExePath);
    if (SamePath(module.msExePath, ProgramFolder() + "kesver.dll")) library = &module;
  }
  ASSERT_NE(library, nullptr);
  EXPECT_TRUE(SamePath(library->msName, "kesver.dll"));
  EXPECT_EQ(library->mlth32ProcessID, static_cast<std::int32_t>(running.Id()));
  EXPECT_EQ(library->moVersionInfo.mnFileVerMin, 40000);
  EXPECT_EQ(library->moVersionInfo.mnFileVerRevLo, 1998);

  // Every process is named by a full path, and the progress saw each one.
  ASSERT_EQ(progress.reported.size(), static_cast<std::size_t>(processes.Count()));
  for (std::int32_t i = 1; i <= processes.Count(); ++i) {
    EXPECT_NE(processes.Item(i).msExePath.find('\\'), std::string::npos);
    EXPECT_EQ(processes.Item(i).mlID, i);
  }
}

bool SixteenBit(const std::string& name) { return name.ends_with("16"); }

// Wine lists the 16-bit modules it has loaded into a process ("krnl386.exe16")
// among its 32-bit ones; Windows 95 and 98 never do, and neither does the walk.
// A 64-bit process can load no 16-bit module, so there the child loads a
// library under a name of that form, which the platform lists the same way.
TEST_F(Walk, ListsNoSixteenBitModules) {
  std::string sixteenBit = "krnl386.exe16";
  if (sizeof(void*) > 4) {
    sixteenBit = TempPath("kesver.dll16");
    ASSERT_TRUE(CopyFileA((ProgramFolder() + "kesver.dll").c_str(), sixteenBit.c_str(), FALSE));
  }
  ChildProcess running(child, sixteenBit);
  ASSERT_TRUE(running.ready);
  // The child really holds one, as the tool-help functions tell.
  bool childHasOne = false;
  platform::ScopedHandle raw(CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, running.Id()));
  MODULEENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Module32First(raw.Get(), &entry); more; more = Module32Next(raw.Get(), &entry)) {
    childHasOne = childHasOne || SixteenBit(entry.szModule);
  }
  ASSERT_TRUE(childHasOne);

  ASSERT_TRUE(Fill());
  const clsProcess* found = FindProcess(processes, running.Id());
  ASSERT_NE(found, nullptr);
  EXPECT_GT(found->mcolModules.Count(), 0);
  for (std::int32_t i = 1; i <= processes.Count(); ++i) {
    const auto& modules = processes.Item(i).mcolModules;
    for (std::int32_t j = 1; j <= modules.Count(); ++j) {
      EXPECT_FALSE(SixteenBit(modules.Item(j).msName)) << modules.Item(j).msExePath;
      EXPECT_FALSE(SixteenBit(modules.Item(j).msExePath)) << modules.Item(j).msExePath;
    }
  }
}

TEST_F(Walk, AHiddenExecutableStopsTheWalkAfterOneReport) {
  const std::string hidden = TempPath("kes_hidden_child.exe");
  ASSERT_TRUE(CopyFileA(child.c_str(), hidden.c_str(), FALSE));
  {
    ChildProcess running(hidden, "");
    ASSERT_TRUE(running.ready);
    ASSERT_TRUE(SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN));
    EXPECT_FALSE(Fill());
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_NE(boxes.shown[0].text.find("53 - File Not Found:\r\n\r\n"), std::string::npos);
    EXPECT_NE(boxes.shown[0].text.find("kes_hidden_child.exe"), std::string::npos);
    EXPECT_NE(boxes.shown[0].text.find("Routine: FillProcessList95"), std::string::npos);
    EXPECT_EQ(FindProcess(processes, running.Id()), nullptr);
  }
  SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileA(hidden.c_str());
}

TEST_F(Walk, ManySnapshotsWhileProcessesComeAndGoLeakNoHandles) {
  ASSERT_TRUE(Fill());
  const long before = OwnHandleCount();
  ASSERT_GT(before, 0) << "no way to count this process's handles";

  Churn churn{child, "kesver.dll"};
  platform::ScopedHandle worker(CreateThread(nullptr, 0, ChurnLoop, &churn, 0, nullptr));
  ASSERT_TRUE(worker.Valid());
  int failed = 0;
  for (int snapshot = 0; snapshot < 200; ++snapshot) {
    if (!Fill()) ++failed;
  }
  churn.stop = true;
  WaitForSingleObject(worker.Get(), INFINITE);

  EXPECT_EQ(failed, 0);
  EXPECT_TRUE(boxes.shown.empty()) << boxes.shown.front().text;
  EXPECT_GT(churn.started.load(), 0);
  const long after = OwnHandleCount();
  // A leak of one handle per snapshot would add 200 or more.
  EXPECT_LT(after, before + 20) << "before " << before << ", after " << after;
}

}  // namespace
