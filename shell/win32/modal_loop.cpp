#include "shell/win32/modal_loop.h"

namespace shellwin {

namespace {

BOOL CALLBACK CloseIfOwned(HWND window, LPARAM ownerParam) {
  const auto owner = reinterpret_cast<HWND>(ownerParam);
  if (window == owner || !IsWindowVisible(window)) {
    return TRUE;
  }
  for (HWND up = GetWindow(window, GW_OWNER); up != nullptr; up = GetWindow(up, GW_OWNER)) {
    if (up == owner) {
      PostMessageA(window, WM_CLOSE, 0, 0);
      break;
    }
  }
  return TRUE;
}

}  // namespace

void RunModal(HWND window, HWND owner, const bool& done,
              const std::function<bool(const MSG&)>& preview) {
  const bool ownerWasEnabled = owner != nullptr && IsWindowEnabled(owner);
  if (ownerWasEnabled) {
    EnableWindow(owner, FALSE);
  }
  ShowWindow(window, SW_SHOW);
  SetForegroundWindow(window);
  MSG msg;
  while (!done) {
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0 || got == -1) {
      if (got == 0) {
        PostQuitMessage(static_cast<int>(msg.wParam));
      }
      break;
    }
    if (preview && (msg.hwnd == window || IsChild(window, msg.hwnd)) && preview(msg)) {
      continue;
    }
    if (IsDialogMessageA(window, &msg)) {
      continue;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  // Enable the owner before hiding, so that it takes the activation back.
  if (ownerWasEnabled) {
    EnableWindow(owner, TRUE);
  }
  ShowWindow(window, SW_HIDE);
  if (owner != nullptr) {
    SetActiveWindow(owner);
  }
}

void CloseOwnedWindows(HWND owner) {
  EnumThreadWindows(GetCurrentThreadId(), &CloseIfOwned, reinterpret_cast<LPARAM>(owner));
}

void DoEvents() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

}  // namespace shellwin
