#pragma once

#include <windows.h>

#include "explorer/win32/child_chrome.h"
#include "report/report_compare.h"
#include "shell/win32/layout.h"
#include "shell/win32/mdi_main.h"

namespace explorerwin {

// The differences between two snapshots: a child of the frame like an
// explorer window, with the groups of differences as a tree beside a list of
// the selected group and the counts in its status bar. Its File menu writes
// the comparison's text; its other menus are the frame's.
class frmDifferences : public MdiChild {
 public:
  frmDifferences(shellwin::MDIMain& frame, Report::Comparison comparison);
  ~frmDifferences() override;

  // Creates the window in the frame with this caption.
  void Load(const std::string& caption);

  HWND TreeView1() const { return treeView1_; }
  HWND ListView1() const { return listView1_; }
  HWND StatusBar1() const { return statusBar1_; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void CreateControls() override;
  void ShowNode();
  void Form_Resize() override;
  void OnCommand(int command);

  shellwin::MDIMain& frame_;
  const Report::Comparison comparison_;
  const shellwin::TwipsLayout layout_;
  HWND treeView1_ = nullptr;
  HWND listView1_ = nullptr;
  HWND statusBar1_ = nullptr;
  HMENU windowMenu_ = nullptr;
};

}  // namespace explorerwin
