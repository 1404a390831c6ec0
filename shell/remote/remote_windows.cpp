#include "shell/remote/remote_windows.h"

#include <cstring>

namespace kesremote {

namespace {
// The file name box of the Save As dialog: an edit in the old style, a combo
// box in the Explorer style.
constexpr int kFileNameEdit = 0x480;
constexpr int kFileNameCombo = 0x47C;
// The buffer in the other process: the item structure, then its text.
constexpr SIZE_T kBufferSize = 4096;
constexpr SIZE_T kTextAt = 512;
}  // namespace

HWND Frame() { return FindWindowA(kFrameClass, nullptr); }

HWND Workspace(HWND frame) { return FindWindowExA(frame, nullptr, "MDIClient", nullptr); }

HWND FirstExplorer() {
  const HWND frame = Frame();
  return frame == nullptr ? nullptr
                          : FindWindowExA(Workspace(frame), nullptr, kExplorerClass, nullptr);
}

bool ExplorerLoaded() {
  const HWND frame = Frame();
  const HWND explorer = FirstExplorer();
  // The window exists, and the frame works, for a moment before the load
  // disables the frame; its tree is filled only by the load.
  return frame != nullptr && IsWindowEnabled(frame) && explorer != nullptr &&
         SendMessageA(FindWindowExA(explorer, nullptr, WC_TREEVIEWA, nullptr), TVM_GETCOUNT, 0, 0) >
             0;
}

bool SaveAs(const std::string& title, const std::string& path) {
  const HWND dialog = FindWindowA(nullptr, title.c_str());
  if (dialog == nullptr || !IsWindowVisible(dialog)) {
    return false;
  }
  HWND name = GetDlgItem(dialog, kFileNameEdit);
  if (name == nullptr) {
    name = GetDlgItem(dialog, kFileNameCombo);
  }
  if (name == nullptr) {
    return false;
  }
  SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()));
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
  return true;
}

std::string Caption(HWND window) {
  char text[1024] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

RemoteControl::RemoteControl(HWND control) : control_(control) {
  DWORD id = 0;
  GetWindowThreadProcessId(control, &id);
  process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, id);
  if (process_ != nullptr) {
    buffer_ = static_cast<char*>(
        VirtualAllocEx(process_, nullptr, kBufferSize, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
  }
}

RemoteControl::~RemoteControl() {
  if (buffer_ != nullptr) {
    VirtualFreeEx(process_, buffer_, 0, MEM_RELEASE);
  }
  if (process_ != nullptr) {
    CloseHandle(process_);
  }
}

namespace {

// Copies `item` into the other process's buffer, with its text pointer set to
// the text area there, sends the message and reads the text back.
template <class Item>
std::string AskForText(HWND control, HANDLE process, char* buffer, UINT message, WPARAM wParam,
                       Item item) {
  if (buffer == nullptr) {
    return {};
  }
  item.pszText = buffer + kTextAt;
  item.cchTextMax = kBufferSize - kTextAt;
  const char nothing = 0;
  if (!WriteProcessMemory(process, buffer, &item, sizeof item, nullptr) ||
      !WriteProcessMemory(process, buffer + kTextAt, &nothing, 1, nullptr)) {
    return {};
  }
  SendMessageA(control, message, wParam, reinterpret_cast<LPARAM>(buffer));
  // The control may answer with a text of its own in the other process.
  Item answered{};
  ReadProcessMemory(process, buffer, &answered, sizeof answered, nullptr);
  char text[kBufferSize - kTextAt] = {};
  ReadProcessMemory(process, answered.pszText, text, sizeof text - 1, nullptr);
  return text;
}

}  // namespace

std::string RemoteControl::ItemText(HTREEITEM item) {
  TVITEMA node{};
  node.mask = TVIF_TEXT;
  node.hItem = item;
  return AskForText(control_, process_, buffer_, TVM_GETITEMA, 0, node);
}

HTREEITEM RemoteControl::FindItem(HTREEITEM parent, const std::string& text) {
  auto item = reinterpret_cast<HTREEITEM>(SendMessageA(control_, TVM_GETNEXTITEM,
                                                       parent == nullptr ? TVGN_ROOT : TVGN_CHILD,
                                                       reinterpret_cast<LPARAM>(parent)));
  for (; item != nullptr;
       item = reinterpret_cast<HTREEITEM>(
           SendMessageA(control_, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)))) {
    if (lstrcmpiA(ItemText(item).c_str(), text.c_str()) == 0) {
      return item;
    }
  }
  return nullptr;
}

bool RemoteControl::ClickItem(HTREEITEM item) {
  if (buffer_ == nullptr) {
    return false;
  }
  SendMessageA(control_, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
  // The message takes the item in the rectangle's place and answers there.
  RECT place{};
  std::memcpy(&place, &item, sizeof item);
  if (!WriteProcessMemory(process_, buffer_, &place, sizeof place, nullptr) ||
      !SendMessageA(control_, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(buffer_)) ||
      !ReadProcessMemory(process_, buffer_, &place, sizeof place, nullptr)) {
    return false;
  }
  const LPARAM at = MAKELPARAM((place.left + place.right) / 2, (place.top + place.bottom) / 2);
  PostMessageA(control_, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageA(control_, WM_LBUTTONUP, 0, at);
  return true;
}

std::vector<std::string> RemoteControl::Headers() {
  std::vector<std::string> headers;
  const auto header = reinterpret_cast<HWND>(SendMessageA(control_, LVM_GETHEADER, 0, 0));
  const int count = static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT;
    headers.push_back(AskForText(control_, process_, buffer_, LVM_GETCOLUMNA, i, column));
  }
  return headers;
}

std::string RemoteControl::Cell(int row, int column) {
  LVITEMA item{};
  item.iSubItem = column;
  return AskForText(control_, process_, buffer_, LVM_GETITEMTEXTA, row, item);
}

}  // namespace kesremote
