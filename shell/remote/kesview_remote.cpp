// A small helper for tools/run: it answers kesview's message boxes and closes
// its frame window from outside, as a user would.
//   kesview_remote wait-frame SECONDS   exit 0 once the frame window is up
//   kesview_remote answer TITLE          press OK in the window with that title
//   kesview_remote close                 close the frame window
//   kesview_remote command ID            send the frame a menu or button command
//   kesview_remote wait-explorer SECONDS exit 0 once an explorer window has loaded
//   kesview_remote save-as TITLE PATH    type PATH into the Save As dialog with that
//                                        title and press Save
//   kesview_remote maximize              maximize the frame and its active child
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "shell/remote/remote_windows.h"

namespace {

int Usage() {
  std::fputs(
      "usage: kesview_remote wait-frame SECONDS | wait-explorer SECONDS | answer TITLE |\n"
      "       command ID | save-as TITLE PATH | maximize | close\n",
      stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    return Usage();
  }
  if (std::strcmp(argv[1], "wait-frame") == 0 && argc == 3) {
    const int tenths = std::atoi(argv[2]) * 10;
    for (int i = 0; i < tenths; ++i) {
      HWND frame = kesremote::Frame();
      if (frame != nullptr && IsWindowVisible(frame)) {
        return 0;
      }
      Sleep(100);
    }
    return 1;
  }
  if (std::strcmp(argv[1], "wait-explorer") == 0 && argc == 3) {
    const int tenths = std::atoi(argv[2]) * 10;
    for (int i = 0; i < tenths; ++i) {
      if (kesremote::ExplorerLoaded()) {
        return 0;
      }
      Sleep(100);
    }
    return 1;
  }
  if (std::strcmp(argv[1], "save-as") == 0 && argc == 4) {
    return kesremote::SaveAs(argv[2], argv[3]) ? 0 : 1;
  }
  if (std::strcmp(argv[1], "answer") == 0 && argc == 3) {
    HWND box = FindWindowA(nullptr, argv[2]);
    if (box == nullptr) {
      return 1;
    }
    // A message box ends with the button's command.
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    return 0;
  }
  if (std::strcmp(argv[1], "command") == 0 && argc == 3) {
    HWND frame = kesremote::Frame();
    if (frame == nullptr) {
      return 1;
    }
    PostMessageA(frame, WM_COMMAND, static_cast<WPARAM>(std::atoi(argv[2])), 0);
    return 0;
  }
  if (std::strcmp(argv[1], "maximize") == 0 && argc == 2) {
    HWND frame = kesremote::Frame();
    if (frame == nullptr) {
      return 1;
    }
    PostMessageA(frame, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
    HWND workspace = kesremote::Workspace(frame);
    const auto active = SendMessageA(workspace, WM_MDIGETACTIVE, 0, 0);
    if (active != 0) {
      PostMessageA(workspace, WM_MDIMAXIMIZE, static_cast<WPARAM>(active), 0);
    }
    return 0;
  }
  if (std::strcmp(argv[1], "close") == 0 && argc == 2) {
    HWND frame = kesremote::Frame();
    if (frame == nullptr) {
      return 1;
    }
    PostMessageA(frame, WM_CLOSE, 0, 0);
    return 0;
  }
  return Usage();
}
