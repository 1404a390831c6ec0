#include "startup/win32/frm_startup.h"

#include <commctrl.h>

#include <algorithm>
#include <array>

#include "explorer/explorer_layout.h"
#include "explorer/explorer_menus.h"
#include "explorer/file_properties.h"
#include "explorer/win32/frm_properties.h"
#include "explorer/win32/list_view_fill.h"
#include "platform/win32/file_attributes_win32.h"
#include "platform/win32/file_facts_win32.h"
#include "platform/win32/general_date_win32.h"
#include "report/win32/print_to_file.h"
#include "settings/settings_store.h"
#include "shell/general/win32/sort_list_view.h"
#include "shell/res/resource.h"
#include "startup/startup_view.h"
#include "startup/win32/startup_now.h"

namespace startupwin {

namespace {

constexpr const char* kClassName = "KestrelStartup";
constexpr WORD kKeyF5 = VK_F5;

int Command(int index) { return explorerwin::ChildMenuCommand(Subs::FrameMenu::kFile, index); }

// The hourglass while the places and processes are read.
class Waiting {
 public:
  Waiting() : previous_(SetCursor(LoadCursorA(nullptr, IDC_WAIT))) {}
  ~Waiting() { SetCursor(previous_); }
  Waiting(const Waiting&) = delete;
  Waiting& operator=(const Waiting&) = delete;

 private:
  HCURSOR previous_;
};

}  // namespace

frmStartup::frmStartup(shellwin::MDIMain& frame, FileFactsMemory& facts)
    : frame_(frame), facts_(facts) {}

frmStartup::~frmStartup() { DestroyChild(); }

void frmStartup::Load() {
  const shellwin::ShellContext& context = frame_.Context();
  Attach(frame_);
  const explorerwin::ChildMenus menus =
      explorerwin::BuildChildMenus(Startup::StartupMenuBar(), Explorer::ExplorerWebSubmenu());
  menu_ = menus.bar;
  windowMenu_ = menus.window;
  std::array<ACCEL, 2> keys{{
      {FVIRTKEY, kKeyF5, static_cast<WORD>(Command(Startup::kFileReadAgain))},
      {FVIRTKEY | FALT, VK_RETURN, static_cast<WORD>(Command(Startup::kFileProperties))},
  }};
  shortcuts_.reset(CreateAcceleratorTableA(keys.data(), static_cast<int>(keys.size())));
  RegisterClassOnce(context.instance, kClassName, GetSysColorBrush(COLOR_BTNFACE),
                    LoadIconA(context.instance, MAKEINTRESOURCEA(IDI_KESVIEW)));
  Create(context.instance, kClassName, WS_EX_MDICHILD, Startup::kCaption, explorerwin::kChildStyle,
         CW_USEDEFAULT, CW_USEDEFAULT, layout_.X(Explorer::kLoadWidth),
         layout_.Y(Explorer::kLoadHeight), client_, nullptr);
  if (Handle() != nullptr) {
    ReadAgain();
  }
}

void frmStartup::ReadAgain() {
  const shellwin::ShellContext& context = frame_.Context();
  {
    const Waiting waiting;
    list_ = ReadStartupNow(facts_, context.rule, context.Report());
  }
  if (IsWindow(listView1_)) {
    explorerwin::FillListView(listView1_, Startup::StartupListContents(list_, Subs::giIDView),
                              layout_);
  }
}

void frmStartup::CreateControls() {
  listView1_ = layout_.Control(
      Handle(), WC_LISTVIEWA, nullptr,
      WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL, 0, 0,
      Explorer::kLoadWidth, Explorer::kLoadHeight, explorerwin::kListId, WS_EX_CLIENTEDGE);
}

void frmStartup::Form_Resize() {
  if (listView1_ == nullptr || IsIconic(Handle())) {
    return;
  }
  RECT client{};
  GetClientRect(Handle(), &client);
  MoveWindow(listView1_, 0, 0, client.right, client.bottom, TRUE);
}

void frmStartup::ShowProperties() {
  const int selected = static_cast<int>(
      SendMessageA(listView1_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
  if (selected < 0) {
    return;
  }
  LVITEMA item{};
  item.mask = LVIF_PARAM;
  item.iItem = selected;
  SendMessageA(listView1_, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  const auto row = static_cast<std::size_t>(item.lParam);
  if (row >= list_.rows.size() || list_.rows[row].file.msExePath.empty()) {
    return;
  }
  const Startup::StartupRow& chosen = list_.rows[row];
  Explorer::NodeRecord record;
  if (chosen.process != 0) {
    record.process = &list_.processes.Item(chosen.process);
  } else {
    record.module = &chosen.file;
  }
  // The file as it is now, read once.
  const std::string& path = chosen.file.msExePath;
  platform::Win32FileAttributes attributes;
  platform::Win32FileFacts facts;
  const Explorer::FileNow now{attributes.Attributes(path),
                              VersionStrings::FileStrings(path, facts)};
  const shellwin::ShellContext& context = frame_.Context();
  const auto properties = Explorer::PropertiesOf(context.rule, record, now, Subs::giIDView != 0);
  if (properties) {
    explorerwin::frmProperties(context.instance).ShowModal(frameWindow_, *properties);
  }
}

void frmStartup::OnCommand(int command) {
  const auto [menu, index] = explorerwin::ChoiceOfCommand(command);
  if (menu != Subs::FrameMenu::kFile) {
    explorerwin::ForwardToFrame(frame_, menu, index);
  } else if (index == Startup::kFilePrintToFile) {
    reportwin::PrintTextToFile(frame_, [this](platform::TextSink& sink) {
      Startup::WriteStartupText(list_, platform::GeneralDateNow(), Subs::giIDView, sink);
    });
  } else if (index == Startup::kFileProperties) {
    ShowProperties();
  } else if (index == Startup::kFileReadAgain) {
    ReadAgain();
  } else if (index == Startup::kFileClose) {
    PostMessageA(Handle(), WM_CLOSE, 0, 0);
  }
}

bool frmStartup::OnNotify(const NMHDR& header) {
  if (header.hwndFrom != listView1_) {
    return false;
  }
  if (header.code == NM_DBLCLK) {
    ShowProperties();
    return true;
  }
  if (header.code == LVN_COLUMNCLICK) {
    const auto& click = reinterpret_cast<const NMLISTVIEW&>(header);
    Subs::SortListView(listView1_, static_cast<std::int16_t>(click.iSubItem + 1));
    return true;
  }
  return false;
}

LRESULT frmStartup::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && LOWORD(wParam) >= explorerwin::kMenuBase) {
    OnCommand(LOWORD(wParam));
    return 0;
  }
  if (message == shellwin::MDIMain::kPreviewKey) {
    // F5 and Alt+Enter, before the frame's own keys.
    const bool handled = shortcuts_ && TranslateAcceleratorA(Handle(), shortcuts_.get(),
                                                             reinterpret_cast<MSG*>(lParam)) != 0;
    return handled ? TRUE : FALSE;
  }
  if (message == WM_NOTIFY && OnNotify(*reinterpret_cast<const NMHDR*>(lParam))) {
    return 0;
  }
  if (message == WM_MDIACTIVATE) {
    FollowActivation(lParam, windowMenu_);
  } else if (message == WM_DESTROY) {
    LeaveFrameMenu();
  }
  return MdiChild::HandleMessage(message, wParam, lParam);
}

frmStartup& StartupWindows::Open(shellwin::MDIMain& frame, FileFactsMemory& facts) {
  std::erase_if(windows_, [](const auto& window) { return window->Handle() == nullptr; });
  frmStartup& window = *windows_.emplace_back(std::make_unique<frmStartup>(frame, facts));
  window.Load();
  return window;
}

}  // namespace startupwin
