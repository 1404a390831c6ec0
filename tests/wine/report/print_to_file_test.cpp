#include "report/win32/print_to_file.h"

#include <dlgs.h>
#include <shlobj.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>

#include "platform/win32/file_name_rule_win32.h"
#include "platform/win32/shell_folder_win32.h"
#include "report/report_folder.h"
#include "settings/settings_store.h"
#include "shell/win32/mdi_main.h"
#include "tests/fakes/win32_helpers.h"
#include "tests/native/report/sample_snapshot.h"
#include "tests/wine/shell/shell_fixture.h"

std::string_view GoldenReport(std::string_view file);

namespace kes_test {
namespace {

constexpr const char* kTitle = "Print To File";

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// The golden report with its second line (the moment of writing) taken out;
// `generatedOn` receives that line of `report`.
std::string WithoutMoment(std::string_view report, std::string& generatedOn) {
  const std::size_t from = report.find("\r\n") + 2;
  const std::size_t to = report.find("\r\n", from) + 2;
  generatedOn = std::string(report.substr(from, to - from));
  return std::string(report.substr(0, from)) + std::string(report.substr(to));
}

BOOL CALLBACK FindQuestion(HWND window, LPARAM found) {
  if (TextOf(window) == kTitle && GetDlgItem(window, IDYES) != nullptr) {
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  return TRUE;
}

// The overwrite question the Save As dialog asks: a box with the dialog's
// title and a Yes button.
HWND OverwriteQuestion() {
  HWND found = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), FindQuestion, reinterpret_cast<LPARAM>(&found));
  return found;
}

class PrintToFileTest : public ShellFixture {
 protected:
  void SetUp() override {
    ShellFixture::SetUp();
    FillThreeProcesses(snapshot);
    frame = std::make_unique<shellwin::MDIMain>(context, shellwin::FrameCommands{});
    frame->Load();
    DeleteFileA(path.c_str());
  }
  void TearDown() override {
    frame.reset();
    DeleteFileA(path.c_str());
    ShellFixture::TearDown();
  }

  // Types `name` into the Save As dialog and presses Save.
  void ChooseInDialog(const std::string& name) {
    driver.When(kTitle, [this, name](HWND dialog) {
      nameAtOpen = TextOf(GetDlgItem(dialog, cmb13));
      char folder[MAX_PATH] = {};
      SendMessageA(dialog, CDM_GETFOLDERPATH, MAX_PATH, reinterpret_cast<LPARAM>(folder));
      folderAtOpen = folder;
      char filter[128] = {};
      SendDlgItemMessageA(dialog, cmb1, CB_GETLBTEXT,
                          SendDlgItemMessageA(dialog, cmb1, CB_GETCURSEL, 0, 0),
                          reinterpret_cast<LPARAM>(filter));
      filterAtOpen = filter;
      SetDlgItemTextA(dialog, cmb13, name.c_str());
      PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    });
  }

  void Print() { reportwin::PrintToFile(*frame, snapshot.Records(), Subs::giIDView); }

  SampleSnapshot snapshot;
  std::unique_ptr<shellwin::MDIMain> frame;
  const std::string path = TempPath("kestrel-report");
  std::string nameAtOpen = "<not shown>";
  std::string filterAtOpen;
  std::string folderAtOpen;
};

TEST_F(PrintToFileTest, WritesTheReportThroughTheSaveAsDialogAndConfirmsWithThePathAsTitle) {
  struct Case {
    std::int16_t idView;
    const char* golden;
  };
  for (const Case& c : {Case{1, "three_processes_hex.txt"}, Case{0, "three_processes_dec.txt"}}) {
    Subs::giIDView = c.idView;
    boxes.shown.clear();
    DeleteFileA(path.c_str());  // else the dialog asks about replacing it
    frame->CommonDialog1().FileName = "left over";
    ChooseInDialog(path);  // no extension: used as typed
    Print();
    Pump();
    EXPECT_EQ(nameAtOpen, "");
    EXPECT_EQ(filterAtOpen, "Text Files (*.TXT)");
    EXPECT_EQ(boxes.shown, (Boxes{{"Output File Created", path, 0x40}}));
    std::string written, golden;
    EXPECT_EQ(WithoutMoment(ReadFile(path), written),
              WithoutMoment(GoldenReport(c.golden), golden));
    EXPECT_EQ(written.rfind("Output Generated On ", 0), 0u) << written;
    EXPECT_GT(written.size(), std::string("Output Generated On 1/1/00 1:00:00\r\n").size());
  }
}

// Never the current folder, which is the program's own when it starts from
// its shortcut: the documents folder (or the desktop) until a report is
// written, then the folder of the last report, remembered in the settings.
TEST_F(PrintToFileTest, SaveAsOpensInTheFolderOfTheLastReportElseTheDocumentsFolder) {
  std::string documents = platform::ShellFolderPath(CSIDL_PERSONAL);
  if (documents.empty()) documents = platform::ShellFolderPath(CSIDL_DESKTOPDIRECTORY);
  ASSERT_FALSE(documents.empty());
  ChooseInDialog(path);
  Print();
  EXPECT_EQ(lstrcmpiA(folderAtOpen.c_str(), documents.c_str()), 0) << folderAtOpen;
  const std::string temp = Report::FolderOf(platform::Win32FileNameRule(), path);
  EXPECT_EQ(Stored(Report::kReportFolderValue), temp);

  DeleteFileA(path.c_str());
  ChooseInDialog(path);
  Print();
  EXPECT_EQ(lstrcmpiA(folderAtOpen.c_str(), temp.c_str()), 0) << folderAtOpen;
}

TEST_F(PrintToFileTest, AnExistingFileIsReplacedAfterTheDialogAsks) {
  std::ofstream(path, std::ios::binary) << std::string(100000, 'x');
  Subs::giIDView = 0;
  ChooseInDialog(path);
  driver.When(kTitle, [](HWND) {
    // The question comes up over the dialog, with the same title.
    PostMessageA(OverwriteQuestion(), WM_COMMAND, IDYES, 0);
  });
  Print();
  std::string moment, golden;
  EXPECT_EQ(WithoutMoment(ReadFile(path), moment),
            WithoutMoment(GoldenReport("three_processes_dec.txt"), golden));
  EXPECT_EQ(boxes.shown.size(), 1u);
}

TEST_F(PrintToFileTest, CancelWritesNothingAndSaysNothing) {
  driver.When(kTitle, [](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0); });
  Print();
  EXPECT_TRUE(boxes.shown.empty());
  EXPECT_EQ(GetFileAttributesA(path.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(PrintToFileTest, AFolderThatVanishesAfterTheDialogShowsThePrintToFileReportOnly) {
  const std::string folder = TempPath("kestrel-vanishing");
  const std::string target = folder + "\\report.txt";
  CreateDirectoryA(folder.c_str(), nullptr);
  std::ofstream(target) << "old";
  ChooseInDialog(target);
  driver.When(kTitle, [&](HWND) {
    // Between the dialog's checks and the writing, the folder goes away.
    DeleteFileA(target.c_str());
    RemoveDirectoryA(folder.c_str());
    PostMessageA(OverwriteQuestion(), WM_COMMAND, IDYES, 0);
  });
  Print();
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(ReportLine(boxes.shown[0], "Module:  "), "frmExplorer");
  EXPECT_EQ(ReportLine(boxes.shown[0], "Routine: "), "PrintToFile");
  EXPECT_EQ(GetFileAttributesA(folder.c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
}  // namespace kes_test
