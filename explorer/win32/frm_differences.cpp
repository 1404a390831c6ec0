#include "explorer/win32/frm_differences.h"

#include <commctrl.h>

#include <algorithm>
#include <array>

#include "explorer/differences.h"
#include "explorer/explorer_layout.h"
#include "explorer/explorer_menus.h"
#include "explorer/win32/child_chrome.h"
#include "explorer/win32/child_keys.h"
#include "explorer/win32/list_view_fill.h"
#include "report/win32/print_to_file.h"
#include "shell/res/resource.h"

namespace explorerwin {

namespace {

constexpr const char* kClassName = "KestrelDifferences";
// The status bar's panels, in twips; the last takes the rest.
constexpr std::array<int, 4> kPanelWidths{1800, 3300, 3300, -1};
constexpr int kTreeWidth = 3000;  // twips; the list takes the rest

}  // namespace

frmDifferences::frmDifferences(shellwin::MDIMain& frame, Report::Comparison comparison)
    : frame_(frame), comparison_(std::move(comparison)) {}

frmDifferences::~frmDifferences() { DestroyChild(); }

void frmDifferences::Load(const std::string& caption) {
  const shellwin::ShellContext& context = frame_.Context();
  Attach(frame_);
  const ChildMenus menus =
      BuildChildMenus(Explorer::DifferencesMenuBar(), Explorer::ExplorerWebSubmenu());
  menu_ = menus.bar;
  windowMenu_ = menus.window;
  RegisterClassOnce(context.instance, kClassName, GetSysColorBrush(COLOR_BTNFACE),
                    LoadIconA(context.instance, MAKEINTRESOURCEA(IDI_KESVIEW)));
  Create(context.instance, kClassName, WS_EX_MDICHILD, caption.c_str(), ChildStyleIn(client_),
         CW_USEDEFAULT, CW_USEDEFAULT, layout_.X(Explorer::kLoadWidth),
         layout_.Y(Explorer::kLoadHeight), client_, nullptr);
  if (Handle() == nullptr) {
    return;
  }
  for (const std::string& text : Explorer::DifferencesTree(comparison_)) {
    TVINSERTSTRUCTA insert{};
    insert.hParent = TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT;
    insert.item.pszText = const_cast<char*>(text.c_str());
    SendMessageA(treeView1_, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert));
  }
  const auto panels = Explorer::DifferencesPanels(comparison_);
  for (std::size_t i = 0; i < panels.size(); ++i) {
    SendMessageA(statusBar1_, SB_SETTEXTA, i, reinterpret_cast<LPARAM>(panels[i].c_str()));
  }
  // The first group that holds a difference is shown at once; with none,
  // the snapshots and "No differences.".
  auto node = SendMessageA(treeView1_, TVM_GETNEXTITEM, TVGN_ROOT, 0);
  for (std::size_t skip = Explorer::FirstShownNode(comparison_); skip > 0; --skip) {
    node = SendMessageA(treeView1_, TVM_GETNEXTITEM, TVGN_NEXT, node);
  }
  SendMessageA(treeView1_, TVM_SELECTITEM, TVGN_CARET, node);
  ShowNode();
}

void frmDifferences::CreateControls() {
  HWND self = Handle();
  treeView1_ =
      layout_.Control(self, WC_TREEVIEWA, nullptr, WS_VISIBLE | WS_TABSTOP | TVS_SHOWSELALWAYS, 0,
                      0, kTreeWidth, Explorer::kTreePlace.height, kTreeId, WS_EX_CLIENTEDGE);
  listView1_ = layout_.Control(
      self, WC_LISTVIEWA, nullptr,
      WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER, kTreeWidth, 0,
      Explorer::kListPlace.width, Explorer::kListPlace.height, kListId, WS_EX_CLIENTEDGE);
  statusBar1_ = layout_.Control(self, STATUSCLASSNAMEA, nullptr, WS_VISIBLE, 0, 0, 0,
                                Explorer::kStatusBarHeight, kStatusId);
  SplitStatusBar(statusBar1_, layout_, kPanelWidths);
}

void frmDifferences::ShowNode() {
  // The node's position among the roots tells the group.
  auto item = SendMessageA(treeView1_, TVM_GETNEXTITEM, TVGN_CARET, 0);
  std::size_t node = 0;
  for (auto before = item; before != 0; ++node) {
    before = SendMessageA(treeView1_, TVM_GETNEXTITEM, TVGN_PREVIOUS, before);
  }
  if (item != 0) {
    FillListView(listView1_, Explorer::DifferencesList(comparison_, node - 1), layout_);
  }
}

void frmDifferences::Form_Resize() {
  if (treeView1_ == nullptr || IsIconic(Handle())) {
    return;
  }
  SendMessageA(statusBar1_, WM_SIZE, 0, 0);
  RECT client{}, status{};
  GetClientRect(Handle(), &client);
  GetWindowRect(statusBar1_, &status);
  const int height = std::max(0, static_cast<int>(client.bottom - (status.bottom - status.top)));
  const int tree = std::min(layout_.X(kTreeWidth), static_cast<int>(client.right) / 2);
  MoveWindow(treeView1_, 0, 0, tree, height, TRUE);
  MoveWindow(listView1_, tree, 0, std::max(0, static_cast<int>(client.right) - tree), height, TRUE);
}

void frmDifferences::OnCommand(int command) {
  const auto [menu, index] = ChoiceOfCommand(command);
  if (menu == Subs::FrameMenu::kEdit) {
    if (const auto text = CopyTextOf(treeView1_, listView1_);
        text && index == Explorer::kEditCopy) {
      PutOnClipboard(Handle(), *text);
    }
  } else if (menu != Subs::FrameMenu::kFile) {
    ForwardToFrame(frame_, menu, index);
  } else if (index == Explorer::kDiffFilePrintToFile) {
    reportwin::PrintLinesToFile(frame_, comparison_.Lines());
  } else if (index == Explorer::kDiffFileClose) {
    PostMessageA(Handle(), WM_CLOSE, 0, 0);
  }
}

LRESULT frmDifferences::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MDIACTIVATE:
      FollowActivation(lParam, windowMenu_);
      break;
    case shellwin::MDIMain::kPreviewKey: {
      const MSG& msg = *reinterpret_cast<const MSG*>(lParam);
      if (msg.message == WM_KEYDOWN && msg.wParam == 'C' &&
          (GetKeyState(VK_CONTROL) & 0x8000) != 0) {
        OnCommand(ChildMenuCommand(Subs::FrameMenu::kEdit, Explorer::kEditCopy));
        return TRUE;
      }
      return MoveFocusByKey(msg, treeView1_, listView1_) ? TRUE : FALSE;
    }
    case WM_CONTEXTMENU:
      if (const auto place =
              ContextMenuPlace(reinterpret_cast<HWND>(wParam), lParam, treeView1_, listView1_)) {
        SetFocus(reinterpret_cast<HWND>(wParam));
        ShowContextMenu(Handle(), Explorer::DifferencesContextMenu(), *place,
                        [](const Explorer::ContextItem&) { return true; });
      }
      return 0;
    case WM_COMMAND:
      if (LOWORD(wParam) >= kMenuBase) {
        OnCommand(LOWORD(wParam));
        return 0;
      }
      break;
    case WM_NOTIFY: {
      const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
      if (header.hwndFrom == treeView1_ &&
          (header.code == TVN_SELCHANGEDA || header.code == TVN_SELCHANGEDW)) {
        ShowNode();
        return 0;
      }
      break;
    }
    case WM_DESTROY:
      LeaveFrameMenu();
      break;
    default:
      break;
  }
  return MdiChild::HandleMessage(message, wParam, lParam);
}

}  // namespace explorerwin
