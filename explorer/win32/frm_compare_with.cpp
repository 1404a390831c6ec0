#include "explorer/win32/frm_compare_with.h"

#include <array>
#include <utility>

#include "shell/win32/layout.h"
#include "shell/win32/modal_loop.h"

namespace explorerwin {

namespace {
constexpr const char* kClassName = "KestrelCompareWith";
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_BORDER;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME;
constexpr int kWidth = 7200;
constexpr int kHeight = 3300;
constexpr int kButtonWidth = 1500;
constexpr int kButtonHeight = 375;
}  // namespace

std::optional<frmCompareWith::Choice> frmCompareWith::ShowModal(
    HWND owner, const std::vector<std::string>& captions, std::optional<std::size_t> chosen) {
  const shellwin::TwipsLayout layout;
  HWND self = CreateCentred(instance_, kClassName, kExStyle, "Compare With", kStyle, layout, kWidth,
                            kHeight, owner);
  if (self == nullptr) {
    return std::nullopt;
  }
  list_ = layout.Control(self, "LISTBOX", nullptr,
                         WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | WS_BORDER, 120, 120,
                         kWidth - 240, kHeight - 720, kListId);
  SendMessageA(list_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
  for (const std::string& caption : captions) {
    SendMessageA(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(caption.c_str()));
  }
  // Unless told, the window opened last is the likeliest "after".
  const std::size_t first = chosen.value_or(captions.empty() ? 0 : captions.size() - 1);
  SendMessageA(list_, LB_SETCURSEL, first, 0);
  const int top = kHeight - 480;
  const std::array<std::pair<const char*, int>, 3> buttons{
      {{"OK", IDOK}, {"Report &File...", kFileId}, {"Cancel", IDCANCEL}}};
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    HWND button = layout.Control(
        self, "BUTTON", buttons[i].first,
        WS_VISIBLE | WS_TABSTOP | (buttons[i].second == IDOK ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON),
        kWidth - static_cast<int>(buttons.size() - i) * (kButtonWidth + 120), top, kButtonWidth,
        kButtonHeight, buttons[i].second);
    EnableWindow(button, buttons[i].second != IDOK || !captions.empty());
  }
  SetFocus(captions.empty() ? GetDlgItem(self, kFileId) : list_);
  shellwin::RunModal(self, owner, closed_, nullptr);
  Destroy();
  return choice_;
}

LRESULT frmCompareWith::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND) {
    const int id = LOWORD(wParam);
    const bool doubleClick = id == kListId && HIWORD(wParam) == LBN_DBLCLK;
    if (id == IDOK || doubleClick) {
      const auto selected = SendMessageA(list_, LB_GETCURSEL, 0, 0);
      if (selected != LB_ERR) {
        choice_ = Choice{static_cast<std::size_t>(selected), false};
      }
      closed_ = true;
      return 0;
    }
    if (id == kFileId) {
      choice_ = Choice{std::nullopt, true};
      closed_ = true;
      return 0;
    }
    if (id == IDCANCEL) {
      closed_ = true;
      return 0;
    }
  }
  if (message == WM_CLOSE) {
    closed_ = true;
    return 0;
  }
  return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace explorerwin
