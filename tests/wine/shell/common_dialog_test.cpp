#include "shell/win32/common_dialog.h"

#include <dlgs.h>

#include <cstdint>
#include <string>

#include "platform/failure.h"
#include "tests/fakes/win32_helpers.h"
#include "tests/wine/shell/shell_fixture.h"

namespace kes_test {
namespace {

class CommonDialogTest : public ShellFixture {
 protected:
  shellwin::CommonDialog dialog;

  void SetUp() override {
    ShellFixture::SetUp();
    dialog.DialogTitle = "Print Snapshot To File";
    dialog.Filter = "Text Files (*.txt)|*.txt|All Files (*.*)|*.*";
    dialog.DefaultExt = "txt";
  }
};

TEST_F(CommonDialogTest, SaveAsReturnsTheChosenPathWithTheDefaultExtension) {
  const std::string folder = TempPath("");
  driver.When(dialog.DialogTitle, [folder](HWND window) {
    SetDlgItemTextA(window, cmb13, (folder + "snapshot").c_str());
    PostMessageA(window, WM_COMMAND, IDOK, 0);
  });
  ASSERT_TRUE(dialog.ShowSave(nullptr));
  EXPECT_EQ(dialog.FileName, folder + "snapshot.txt");
}

TEST_F(CommonDialogTest, CancelKeepsTheProposedName) {
  dialog.FileName = "Kestrel.txt";
  driver.When(dialog.DialogTitle,
              [](HWND window) { PostMessageA(window, WM_COMMAND, IDCANCEL, 0); });
  EXPECT_FALSE(dialog.ShowSave(nullptr));
  EXPECT_EQ(dialog.FileName, "Kestrel.txt");
}

TEST_F(CommonDialogTest, ADialogThatCannotBeShownIsAFailureNotACancel) {
  // A custom template that names no module cannot be loaded.
  dialog.Flags |= OFN_ENABLETEMPLATE;
  std::int32_t number = 0;
  try {
    dialog.ShowSave(nullptr);
  } catch (const kes::Failure& failure) {
    number = failure.Number();
  }
  EXPECT_NE(number, 0);
}

TEST_F(CommonDialogTest, TheFilterIndexChoosesTheFirstFilterShown) {
  dialog.FilterIndex = 2;
  std::string shown;
  driver.When(dialog.DialogTitle, [&shown](HWND window) {
    char text[128] = {};
    SendDlgItemMessageA(window, cmb1, CB_GETLBTEXT,
                        SendDlgItemMessageA(window, cmb1, CB_GETCURSEL, 0, 0),
                        reinterpret_cast<LPARAM>(text));
    shown = text;
    PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
  });
  EXPECT_FALSE(dialog.ShowSave(nullptr));
  EXPECT_EQ(shown, "All Files (*.*)");
}

}  // namespace
}  // namespace kes_test
