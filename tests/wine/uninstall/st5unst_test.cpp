// ST5UNST.EXE on real folders: it removes what the log names, waiting for a
// file in use, and nothing else.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "tests/fakes/win32_helpers.h"
#include "tests/wine/uninstall/folder_helpers.h"

namespace uninstall_test {
namespace {

class St5unstTest : public testing::Test {
 protected:
  void SetUp() override {
    RemoveTree(folder);
    MakeFile(folder + "a.exe", "a", FILE_ATTRIBUTE_READONLY);
    MakeFile(folder + "b.dll", "b");
  }
  void TearDown() override {
    RemoveTree(folder);
    DeleteFileA(named.c_str());
  }
  void Log(const std::string& text) { MakeFile(folder + "ST5UNST.LOG", text); }
  DWORD Run() {
    return kes_test::RunProgram("\"" + kes_test::ProgramFolder() + "ST5UNST.EXE\" -n \"" + folder +
                                "ST5UNST.LOG\"");
  }

  const std::string folder = kes_test::TempPath("Kestrel St5unst\\");
  const std::string named = kes_test::TempPath("kestrel_named_elsewhere.txt");
};

TEST_F(St5unstTest, RemovesTheNamedFilesTheLogAndTheEmptiedFolder) {
  MakeFile(named, "x");
  Log("PrivateFile: \"" + folder + "A.EXE\"\r\nPrivateFile: \"" + folder + "b.dll\"\r\n" +
      "PrivateFile: \"" + named + "\"\r\nPrivateFile: \"" + folder + "gone.txt\"\r\n");
  EXPECT_EQ(Run(), 0u);
  EXPECT_FALSE(Exists(folder));
  EXPECT_FALSE(Exists(named));
}

TEST_F(St5unstTest, LeavesWhatTheLogDoesNotName) {
  Log("PrivateFile: \"" + folder + "a.exe\"\r\nPrivateFile: b.dll\r\n");
  MakeFile(folder + "sub\\c.txt", "c");
  EXPECT_EQ(Run(), 0u);
  EXPECT_EQ(Listing(folder), "b.dll:0 sub:16 [c.txt:0 ] ");
}

TEST_F(St5unstTest, WaitsForAFileInUse) {
  Log("PrivateFile: \"" + folder + "b.dll\"\r\n");
  HANDLE held = CreateFileA((folder + "b.dll").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  const PROCESS_INFORMATION started = kes_test::StartProgram(
      "\"" + kes_test::ProgramFolder() + "ST5UNST.EXE\" -n \"" + folder + "ST5UNST.LOG\"");
  const platform::ScopedHandle process(started.hProcess), thread(started.hThread);
  ASSERT_TRUE(process.Valid());
  // Still running while the file is held.
  EXPECT_EQ(WaitForSingleObject(process.Get(), 1000), static_cast<DWORD>(WAIT_TIMEOUT));
  EXPECT_TRUE(Exists(folder + "b.dll"));
  CloseHandle(held);
  ASSERT_EQ(WaitForSingleObject(process.Get(), 30000), WAIT_OBJECT_0);
  DWORD code = 1;
  GetExitCodeProcess(process.Get(), &code);
  EXPECT_EQ(code, 0u);
  EXPECT_EQ(Listing(folder), "a.exe:1 ");
}

TEST_F(St5unstTest, WithoutArgumentsOrLogNothingGoes) {
  EXPECT_EQ(kes_test::RunProgram("\"" + kes_test::ProgramFolder() + "ST5UNST.EXE\""), 2u);
  EXPECT_EQ(Run(), 1u);  // no log in the folder
  EXPECT_EQ(Listing(folder), "a.exe:1 b.dll:0 ");
}

}  // namespace
}  // namespace uninstall_test
