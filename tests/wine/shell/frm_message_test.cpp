#include "shell/win32/frm_message.h"

#include "settings/settings_store.h"
#include "shell/shell_texts.h"
#include "tests/wine/shell/shell_fixture.h"

namespace kes_test {
namespace {

using shellwin::frmMessage;

enum class CloseBy { kCloseButton, kEscape, kCloseBox };

void CloseWindow(HWND window, CloseBy how) {
  switch (how) {
    case CloseBy::kCloseButton:
      ClickButton(window, IDOK);
      break;
    case CloseBy::kEscape:
      // Esc works whichever control has the keyboard.
      PressKey(window, frmMessage::kCheckBoxId, VK_ESCAPE);
      break;
    case CloseBy::kCloseBox:
      ClickCloseBox(window);
      break;
  }
}

class FrmMessageTest : public ShellFixture {
 protected:
  // Shows a message of `kind`; the user ticks the box (when asked) and closes.
  void ShowAndClose(int kind, bool showCheckBox, bool tick, CloseBy how) {
    const std::size_t shownBefore = driver.Seen().size();
    driver.When(frmMessage::kCaption, [=, this](HWND window) {
      shownText = TextOf(GetWindow(window, GW_CHILD));
      checkBoxVisible = IsWindowVisible(GetDlgItem(window, frmMessage::kCheckBoxId)) != 0;
      if (tick) {
        SendMessageA(GetDlgItem(window, frmMessage::kCheckBoxId), BM_SETCHECK, BST_CHECKED, 0);
      }
      CloseWindow(window, how);
    });
    frmMessage message(context);
    message.mnWarning = static_cast<std::int16_t>(kind);
    message.msMessage = "Message of kind " + std::to_string(kind);
    message.mbShowCheckBox = showCheckBox;
    message.ShowModal(nullptr);
    EXPECT_EQ(driver.Seen().size(), shownBefore + 1);
  }

  std::vector<std::string> AllShowMsg() {
    std::vector<std::string> values;
    for (int kind = 1; kind <= 5; ++kind) {
      values.push_back(Stored("ShowMsg" + std::to_string(kind)));
    }
    return values;
  }

  std::string shownText;
  bool checkBoxVisible = false;
};

class FrmMessageCloseTest : public FrmMessageTest, public testing::WithParamInterface<CloseBy> {};

TEST_P(FrmMessageCloseTest, TickedBoxSwitchesTheKindOffInRegistryAndMemory) {
  ShowAndClose(3, true, true, GetParam());

  EXPECT_EQ(shownText, "Message of kind 3");
  EXPECT_TRUE(checkBoxVisible);
  EXPECT_EQ(AllShowMsg(), (std::vector<std::string>{"1", "1", "0", "1", "1"}));
  EXPECT_EQ(Subs::giShowMsg3, 0);
  EXPECT_EQ(Subs::giShowMsg2, 1);
}

TEST_P(FrmMessageCloseTest, UntickedBoxSavesNothing) {
  ShowAndClose(4, true, false, GetParam());

  EXPECT_EQ(AllShowMsg(), (std::vector<std::string>(5, "1")));
  EXPECT_EQ(Subs::giShowMsg4, 1);
}

INSTANTIATE_TEST_SUITE_P(EveryWayOfClosing, FrmMessageCloseTest,
                         testing::Values(CloseBy::kCloseButton, CloseBy::kEscape,
                                         CloseBy::kCloseBox));

TEST_F(FrmMessageTest, KindOutsideOneToFiveSavesNothingEvenWhenTicked) {
  for (int kind : {0, 6}) {
    ShowAndClose(kind, true, true, CloseBy::kCloseButton);
  }
  EXPECT_EQ(AllShowMsg(), (std::vector<std::string>(5, "1")));
}

TEST_F(FrmMessageTest, HiddenBoxIsNeverSaved) {
  ShowAndClose(2, false, true, CloseBy::kCloseButton);

  EXPECT_FALSE(checkBoxVisible);
  EXPECT_EQ(Stored("ShowMsg2"), "1");
  EXPECT_EQ(Subs::giShowMsg2, 1);
}

TEST_F(FrmMessageTest, WebNoticeIsKindOneWithItsTextAndBox) {
  driver.When(frmMessage::kCaption, [this](HWND window) {
    shownText = TextOf(GetWindow(window, GW_CHILD));
    checkBoxVisible = IsWindowVisible(GetDlgItem(window, frmMessage::kCheckBoxId)) != 0;
    ClickButton(window, frmMessage::kCheckBoxId);
    ClickButton(window, IDOK);
  });
  shellwin::ShowWebNotice(context, nullptr);
  EXPECT_EQ(shownText, Subs::WebNoticeText());
  EXPECT_TRUE(checkBoxVisible);
  EXPECT_EQ(Stored("ShowMsg1"), "0");
  EXPECT_EQ(Subs::giShowMsg1, 0);

  // Switched off: the next call shows nothing.
  shellwin::ShowWebNotice(context, nullptr);
  EXPECT_EQ(driver.Seen().size(), 1u);
}

}  // namespace
}  // namespace kes_test
