// ST5UNST.EXE on real folders: it removes what the log names inside the
// log's folder, waiting for a file in use, and nothing else on the drive.
#include <gtest/gtest.h>
#include <windows.h>

#include <set>
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
  std::string Command() const {
    return "\"" + kes_test::ProgramFolder() + "ST5UNST.EXE\" -n \"" + folder + "ST5UNST.LOG\"";
  }
  DWORD Run() { return kes_test::RunProgram(Command()); }

  const std::string folder = kes_test::TempPath("Kestrel St5unst\\");
  const std::string named = kes_test::TempPath("kestrel_named_elsewhere.txt");
};

TEST_F(St5unstTest, RemovesTheNamedFilesTheLogAndTheEmptiedFolderItWasStartedIn) {
  Log("PrivateFile: \"" + folder + "A.EXE\"\r\nPrivateFile: \"" + folder + "b.dll\"\r\n" +
      "PrivateFile: \"" + folder + "gone.txt\"\r\n");
  // Started as a program started from the install folder would start it.
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  std::string line = Command();
  ASSERT_TRUE(CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS,
                             nullptr, folder.c_str(), &startup, &started));
  const platform::ScopedHandle process(started.hProcess), thread(started.hThread);
  ASSERT_EQ(WaitForSingleObject(process.Get(), 60000), WAIT_OBJECT_0);
  DWORD code = 1;
  GetExitCodeProcess(process.Get(), &code);
  EXPECT_EQ(code, 0u);
  EXPECT_FALSE(Exists(folder)) << Listing(folder);
}

// An entry that is no full path in quotes is not passed over: it is told,
// and the log kept; what the log names readably goes.
TEST_F(St5unstTest, LeavesWhatTheLogDoesNotNameAndTellsWhatItCannotRead) {
  Log("PrivateFile: \"" + folder + "a.exe\"\r\nPrivateFile: " + folder + "b.dll\r\n");
  MakeFile(folder + "sub\\c.txt", "c");
  const std::set<std::string> before = Drive();
  const Answered run = RunAnswering(Command(), "Setup Log Uninstaller");
  EXPECT_EQ(run.code, 1u);
  EXPECT_EQ(Difference(before, Drive()), std::set<std::string>{folder + "a.exe:1"});
  EXPECT_EQ(run.boxes, std::vector<std::string>{
                           "These files named by the setup log were not removed:\nPrivateFile: " +
                           folder + "b.dll\n\nThe setup log was kept in\n" + folder +
                           "ST5UNST.LOG\nso that running the uninstaller again removes what "
                           "is left."});
}

TEST_F(St5unstTest, EntriesOutsideTheLogsFolderAreRefusedAndTheDriveKeepsThem) {
  MakeFile(named, "x");
  Log("PrivateFile: \"" + folder + "a.exe\"\r\nPrivateFile: \"" + folder +
      "..\\kestrel_named_elsewhere.txt\"\r\nPrivateFile: \"" + named + "\"\r\n");
  const std::set<std::string> before = Drive();
  const Answered run = RunAnswering(Command(), "Setup Log Uninstaller");
  EXPECT_EQ(run.code, 1u);
  EXPECT_EQ(Difference(before, Drive()), std::set<std::string>{folder + "a.exe:1"});
  ASSERT_EQ(run.boxes.size(), 1u);
  EXPECT_EQ(run.boxes[0], "These files named by the setup log were not removed:\n" + folder +
                              "..\\kestrel_named_elsewhere.txt\n" + named +
                              "\n\nThe setup log was kept in\n" + folder +
                              "ST5UNST.LOG\nso that running the uninstaller again removes what "
                              "is left.");
}

TEST_F(St5unstTest, WaitsForAFileInUse) {
  Log("PrivateFile: \"" + folder + "b.dll\"\r\n");
  HANDLE held = CreateFileA((folder + "b.dll").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  const PROCESS_INFORMATION started = kes_test::StartProgram(Command());
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

TEST_F(St5unstTest, AFileHeldPastThePatienceIsToldAndTheLogKept) {
  Log("PrivateFile: \"" + folder + "a.exe\"\r\nPrivateFile: \"" + folder + "b.dll\"\r\n");
  const platform::ScopedHandle held(CreateFileA((folder + "b.dll").c_str(), GENERIC_READ, 0,
                                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                                nullptr));
  ASSERT_TRUE(held.Valid());
  const std::set<std::string> before = Drive();
  const Answered run = RunAnswering(Command(), "Setup Log Uninstaller");
  EXPECT_EQ(run.code, 1u);
  EXPECT_EQ(Difference(before, Drive()), std::set<std::string>{folder + "a.exe:1"});
  ASSERT_EQ(run.boxes.size(), 1u);
  EXPECT_NE(run.boxes[0].find("not removed:\n" + folder + "b.dll\n"), std::string::npos)
      << run.boxes[0];
}

TEST_F(St5unstTest, WithoutArgumentsOrLogNothingGoes) {
  EXPECT_EQ(kes_test::RunProgram("\"" + kes_test::ProgramFolder() + "ST5UNST.EXE\""), 2u);
  EXPECT_EQ(Run(), 1u);  // no log in the folder
  EXPECT_EQ(Listing(folder), "a.exe:1 b.dll:0 ");
}

}  // namespace
}  // namespace uninstall_test
