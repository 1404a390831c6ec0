#pragma once

#include <cctype>
#include <memory>
#include <string>

#include "explorer/win32/explorer_windows.h"
#include "explorer/win32/frm_explorer.h"
#include "shell/win32/mdi_main.h"
#include "tests/wine/shell/shell_fixture.h"

namespace kes_test {

// The text of a cell of the list, by 0-based row and column.
inline std::string Cell(HWND list, int row, int column) {
  char text[512] = {};
  LVITEMA item{};
  item.iSubItem = column;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
  return text;
}

inline HTREEITEM Selected(HWND tree) {
  return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
}

inline std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

inline void Select(const explorerwin::frmExplorer& window, const std::string& key) {
  ASSERT_NE(window.Node(key), nullptr) << key;
  SendMessageA(window.TreeView1(), TVM_SELECTITEM, TVGN_CARET,
               reinterpret_cast<LPARAM>(window.Node(key)));
}

// A key message for `window` as the program's loop passes it on: through the
// frame's keyboard handling first. `modifier` (VK_CONTROL, VK_MENU) is held
// down meanwhile.
inline void Press(shellwin::MDIMain& frame, HWND window, UINT message, WPARAM key,
                  int modifier = 0) {
  BYTE keys[256] = {};
  GetKeyboardState(keys);
  if (modifier != 0) keys[modifier] = 0x80;
  SetKeyboardState(keys);
  MSG msg{window, message, key, 0, 0, {}};
  if (!frame.PreTranslate(msg)) {
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  if (modifier != 0) keys[modifier] = 0;
  SetKeyboardState(keys);
}

// A frame whose Explore opens real explorer windows.
class ExplorerWineTest : public ShellFixture {
 protected:
  void TearDown() override {
    frame.reset();
    explorers.reset();
    ShellFixture::TearDown();
  }

  explorerwin::frmExplorer& LoadFrame() {
    frame = std::make_unique<shellwin::MDIMain>(
        context, shellwin::FrameCommands{
                     [this](shellwin::MDIMain& opened) { explorers->Open(opened); },
                     {},
                     [this](shellwin::MDIMain& opened) { explorers->OpenReport(opened); },
                     [this](shellwin::MDIMain& opened) { explorers->SnapshotAgainActive(opened); },
                     {}});
    frame->Load();
    return *explorers->Windows().front();
  }

  std::unique_ptr<explorerwin::ExplorerWindows> explorers =
      std::make_unique<explorerwin::ExplorerWindows>(context);
  std::unique_ptr<shellwin::MDIMain> frame;
};

}  // namespace kes_test
