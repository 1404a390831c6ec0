#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>

#include "shell/win32/common_dialog.h"
#include "shell/win32/frm_about.h"
#include "shell/win32/handles.h"
#include "shell/win32/shell_context.h"
#include "shell/win32/window.h"

namespace shellwin {

class MDIMain;

// The windows the frame opens that live in other subsystems. Until one is
// supplied, its commands do nothing.
struct FrameCommands {
  // Creates a new explorer window in the frame and shows it.
  std::function<void(MDIMain&)> openExplorer;
  // Shows the options dialog modally and releases it when it closes.
  std::function<void(MDIMain&)> openOptions;
  // Asks for a report file and opens it in an explorer window.
  std::function<void(MDIMain&)> openReport;
  // Snapshot Again in the active explorer window, when it shows a snapshot.
  std::function<void(MDIMain&)> snapshotAgain;
  // Opens a Startup Programs window in the frame.
  std::function<void(MDIMain&)> openStartup;
};

// The viewer's multiple-document frame: menus, toolbar, status bar, the
// image list the explorer windows share and the Save As dialog. Explorer
// windows forward their menu choices by index to the hooks.
class MDIMain : public Window {
 public:
  MDIMain(const ShellContext& context, FrameCommands commands);
  ~MDIMain() override;

  // Creates and shows the frame, then opens the first explorer window.
  void Load();

  void mnuFile_Hook(std::int16_t index);
  void mnuView_Hook(std::int16_t index);
  void mnuTools_Hook(std::int16_t index);
  void mnuWindow_Hook(std::int16_t index);
  void mnuHelp_Hook(std::int16_t index);
  void mnuHelpWeb_Hook(std::int16_t index);

  // Shows or hides the bar, ticks its View item and saves "1" or "0".
  void ShowToolbar(bool show);
  void ShowStatusBar(bool show);

  // Keyboard handling of the program's message loop: the F1 shortcut and the
  // MDI keys, then the preview of the window the key is for. True when the
  // message was handled.
  bool PreTranslate(MSG& msg);

  // Sent with a keyboard message (lParam: the MSG) that the frame did not
  // handle to the window it is for: the active child for a key inside the
  // frame, or the modeless box of the frame's own that has the focus. That
  // window returns TRUE when it handled it (its shortcuts, its dialog keys).
  static constexpr UINT kPreviewKey = WM_APP + 1;

  HWND Client() const { return client_; }
  HWND Toolbar1() const { return toolbar_; }
  // Greys the Again button for a window that cannot be taken again.
  void EnableAgainButton(bool enabled) const;
  HWND StatusBar1() const { return statusBar_; }
  HMENU FrameMenu() const { return menu_; }
  HIMAGELIST ImageList1() const { return imageList_.get(); }
  CommonDialog& CommonDialog1() { return commonDialog_; }
  // What the frame's windows share: the error report, message boxes, pages.
  const ShellContext& Context() const { return context_; }
  // The about window, loaded (hidden) when first asked for.
  frmAbout& About();

  // Command numbers of menu items and toolbar buttons. The frame handles
  // commands 100..799 itself and passes every other one to the active child,
  // so explorer windows number their own menu items from 1000 up.
  static int MenuCommand(int menuBase, int index) { return menuBase + index; }
  static constexpr int kFileBase = 100;
  static constexpr int kViewBase = 200;
  static constexpr int kToolsBase = 300;
  static constexpr int kWindowBase = 400;
  static constexpr int kHelpBase = 500;
  static constexpr int kHelpWebBase = 600;
  static constexpr int kToolbarBase = 700;  // + 1-based button index
  static constexpr int kFirstChildId = 50000;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void CreateFrame();
  void CreateMenus();
  void CreateToolbar();
  void CreateStatusBar();
  void SizeStatusPanels();
  void Layout();
  bool OnCommand(int command);
  bool OnNotify(NMHDR& header, LRESULT& result);
  void OpenExplorer();
  void OpenOptions();
  // WM_CLOSE: closes now, or once the modal windows or the load that hold
  // the frame have ended.
  void RequestClose();
  void Close();
  static bool BarVisible(HWND bar);

  const ShellContext& context_;
  FrameCommands commands_;
  HMENU menu_ = nullptr;  // destroyed with the frame
  HMENU windowMenu_ = nullptr;
  HWND client_ = nullptr;
  HWND toolbar_ = nullptr;
  HWND statusBar_ = nullptr;
  OwnedImageList imageList_;
  OwnedAccelerators accelerators_;
  CommonDialog commonDialog_;
  std::unique_ptr<frmAbout> about_;
  bool loading_ = false;
  bool closePending_ = false;
};

}  // namespace shellwin
