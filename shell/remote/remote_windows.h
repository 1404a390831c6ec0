#pragma once

// The viewer's windows seen from another program, as a user sees them:
// found by class and caption, and driven with posted commands, keys and
// clicks. kesview_remote and the whole-cycle test share these.
#include <windows.h>
// After windows.h, whose types it uses.
#include <commctrl.h>

#include <string>
#include <vector>

namespace kesremote {

inline constexpr const char* kFrameClass = "KestrelMDIMain";
inline constexpr const char* kExplorerClass = "KestrelExplorer";

// The frame window, or null.
HWND Frame();
// The frame's MDI workspace.
HWND Workspace(HWND frame);
// The first explorer window in the frame's workspace, or null.
HWND FirstExplorer();
// An explorer window that has finished loading: it exists in the frame's
// workspace, its tree holds the snapshot, and the frame, disabled while a
// snapshot is taken, works again.
bool ExplorerLoaded();

// Types `path` into the file name box of the visible Save As dialog titled
// `title` and presses Save; false when there is no such dialog.
bool SaveAs(const std::string& title, const std::string& path);

// The text of a window of another process.
std::string Caption(HWND window);

// A tree or list control of another process, read through a buffer in that
// process.
class RemoteControl {
 public:
  explicit RemoteControl(HWND control);
  ~RemoteControl();
  RemoteControl(const RemoteControl&) = delete;
  RemoteControl& operator=(const RemoteControl&) = delete;

  // The tree's item under `parent` (null: at the top) whose text is `text`
  // (letter case aside), or null.
  HTREEITEM FindItem(HTREEITEM parent, const std::string& text);
  std::string ItemText(HTREEITEM item);
  // Brings the item into view and clicks its text with the left button.
  bool ClickItem(HTREEITEM item);

  // The list's column headers and one of its cells.
  std::vector<std::string> Headers();
  std::string Cell(int row, int column);

 private:
  HWND control_;
  HANDLE process_ = nullptr;
  char* buffer_ = nullptr;  // in the other process
};

}  // namespace kesremote
