#include "explorer/win32/frm_explorer.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <array>
#include <exception>
#include <vector>

#include "explorer/explorer_layout.h"
#include "explorer/explorer_menus.h"
#include "explorer/file_properties.h"
#include "explorer/report_opening.h"
#include "explorer/win32/child_chrome.h"
#include "explorer/win32/child_keys.h"
#include "explorer/win32/explorer_windows.h"
#include "explorer/win32/frm_properties.h"
#include "explorer/win32/list_view_fill.h"
#include "explorer/win32/redraw_held.h"
#include "platform/win32/file_attributes_win32.h"
#include "platform/win32/file_facts_win32.h"
#include "platform/win32/general_date_win32.h"
#include "platform/win32/tool_help_win32.h"
#include "report/win32/print_to_file.h"
#include "settings/settings_store.h"
#include "shell/app_strings.h"
#include "shell/general/failure_handler.h"
#include "shell/general/win32/sort_list_view.h"
#include "shell/res/resource.h"
#include "shell/twips.h"
#include "shell/win32/frm_splash2.h"
#include "shell/win32/modal_loop.h"
#include "snapshot/file_facts_memory.h"
#include "snapshot/take_snapshot.h"
#include "snapshot/win32/top_windows_win32.h"

namespace explorerwin {

namespace {

constexpr const char* kClassName = "KestrelExplorer";
constexpr int kList1Id = 4;
// The status bar's panels, in twips; the last takes the rest.
constexpr std::array<int, 4> kPanelWidths{1000, 2200, 2200, -1};
// A window taken again adds the counts of what changed.
constexpr std::array<int, 5> kAgainPanelWidths{1000, 2200, 2200, 2200, -1};

// The hourglass over the frame and its workspace while a snapshot is taken.
class FrameHourglass {
 public:
  FrameHourglass(HWND frame, HWND client) : windows_{frame, client} {
    HCURSOR wait = LoadCursorA(nullptr, IDC_WAIT);
    for (std::size_t i = 0; i < windows_.size(); ++i) {
      if (windows_[i] != nullptr) {
        previous_[i] =
            SetClassLongPtrA(windows_[i], GCLP_HCURSOR, reinterpret_cast<LONG_PTR>(wait));
      }
    }
    SetCursor(wait);
  }
  ~FrameHourglass() {
    for (std::size_t i = 0; i < windows_.size(); ++i) {
      if (windows_[i] != nullptr && IsWindow(windows_[i])) {
        SetClassLongPtrA(windows_[i], GCLP_HCURSOR, previous_[i]);
      }
    }
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
  }
  FrameHourglass(const FrameHourglass&) = delete;
  FrameHourglass& operator=(const FrameHourglass&) = delete;

 private:
  std::array<HWND, 2> windows_;
  std::array<ULONG_PTR, 2> previous_{};
};

// The frame, disabled while a snapshot is taken, whatever happens meanwhile.
class FrameDisabled {
 public:
  explicit FrameDisabled(HWND frame) : frame_(frame) { EnableWindow(frame_, FALSE); }
  ~FrameDisabled() {
    if (IsWindow(frame_)) {
      EnableWindow(frame_, TRUE);
    }
  }
  FrameDisabled(const FrameDisabled&) = delete;
  FrameDisabled& operator=(const FrameDisabled&) = delete;

 private:
  HWND frame_;
};

// A report is read before the window opens; nothing is left to name.
class NoProgress final : public platform::Progress {
 public:
  void Report(const std::string&) override {}
};

bool Shown(HWND window) {
  return window != nullptr && (GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

}  // namespace

frmExplorer::frmExplorer(const shellwin::ShellContext& context, shellwin::MDIMain& frame,
                         ExplorerWindows& peers)
    : context_(context),
      frame_(frame),
      peers_(peers),
      dpiX_(layout_.X(Subs::kTwipsPerInch)),
      dpiY_(layout_.Y(Subs::kTwipsPerInch)) {}

frmExplorer::~frmExplorer() { DestroyChild(); }

void frmExplorer::Load() {
  Attach(frame_);
  // 1. The hourglass on the frame.
  std::optional<FrameHourglass> hourglass(std::in_place, frameWindow_, client_);

  // 2 to 4. Caption, place and size; the controls come with the window.
  RegisterClassOnce(context_.instance, kClassName, GetSysColorBrush(COLOR_BTNFACE),
                    LoadIconA(context_.instance, MAKEINTRESOURCEA(IDI_KESVIEW)));
  CreateMenus();
  const std::string caption = SnapshotCaption(platform::GeneralDateNow());
  Create(context_.instance, kClassName, WS_EX_MDICHILD, caption.c_str(), ChildStyleIn(client_), 0,
         0, layout_.X(Explorer::kLoadWidth), layout_.Y(Explorer::kLoadHeight), client_, nullptr);
  if (Handle() == nullptr) {
    return;
  }
  {
    // From here to the end of the snapshot this code runs beneath every
    // message the pumps below dispatch: a close asked meanwhile waits for it
    // (Loading), and the frame is disabled before the first pump, so no
    // second Explore starts inside this one.
    const Loading loading(*this);
    std::optional<FrameDisabled> disabled(std::in_place, frameWindow_);
    shellwin::DoEvents();

    // 5. An empty list.
    FillListView(listView1_, {}, layout_);

    // 6 to 15: the snapshot, with the frame disabled and the splash window
    // up. Whatever the snapshot got before a failure stays.
    {
      shellwin::frmSplash2 splash(context_, frame_.About(), frameWindow_);
      splash.Show();
      shellwin::DoEvents();
      TakeSnapshot(splash);
    }
    disabled.reset();
    hourglass.reset();
  }
  if (closePending_) {
    return;  // the close comes back through the message loop
  }

  // 16. The list shows the selected node.
  TreeView1_Click();
}

void frmExplorer::LoadReport(Report::ParsedReport report, const std::string& path) {
  Attach(frame_);
  const FrameHourglass hourglass(frameWindow_, client_);
  RegisterClassOnce(context_.instance, kClassName, GetSysColorBrush(COLOR_BTNFACE),
                    LoadIconA(context_.instance, MAKEINTRESOURCEA(IDI_KESVIEW)));
  CreateMenus();
  const std::string caption = Explorer::ReportCaption(context_.rule, path, report.caption);
  Create(context_.instance, kClassName, WS_EX_MDICHILD, caption.c_str(), ChildStyleIn(client_), 0,
         0, layout_.X(Explorer::kLoadWidth), layout_.Y(Explorer::kLoadHeight), client_, nullptr);
  if (Handle() == nullptr) {
    return;
  }
  EnableMenuItem(menu_, MenuCommand(Subs::FrameMenu::kFile, Explorer::kFileSnapshotAgain),
                 MF_BYCOMMAND | MF_GRAYED);
  frame_.EnableAgainButton(false);
  report_ = FromReport{path,
                       report.caption,
                       report.idView,
                       report.processesComplete,
                       report.modulesComplete,
                       report.complete,
                       report.linesRead};
  Explorer::ShareModuleFileFacts(report);
  mcolTasks = std::move(report.tasks);
  mcolProcesses = std::move(report.processes);
  mcolUniqueModules = std::move(report.uniqueModules);
  {
    // Nothing here lets messages run, but the list fills once, at the end.
    const Loading loading(*this);
    NoProgress silent;
    ShowRecords(silent);
  }
  TreeView1_Click();
}

std::string frmExplorer::Caption() const {
  char caption[512] = {};
  GetWindowTextA(Handle(), caption, sizeof caption);
  return caption;
}

Report::ComparedSnapshot frmExplorer::Compared() const {
  const Report::SnapshotRecords records{report_ ? report_->caption : Caption(), mcolTasks,
                                        mcolProcesses, mcolUniqueModules};
  if (!report_) {
    return Report::FromLive(records, "Explorer window");
  }
  return {
      report_->path,     records,           report_->processesComplete, report_->modulesComplete,
      report_->complete, report_->linesRead};
}

frmExplorer::Loading::Loading(frmExplorer& window) : window_(window) { window_.loading_ = true; }

frmExplorer::Loading::~Loading() {
  window_.loading_ = false;
  if (window_.closePending_ && window_.Handle() != nullptr) {
    PostMessageA(window_.Handle(), WM_CLOSE, 0, 0);
  }
}

void frmExplorer::TakeSnapshot(platform::Progress& progress) {
  // 8 to 10. The top windows through the hidden list, the processes and their
  // modules, and the distinct module files.
  Subs::ListBoxTopWindows topWindows(list1_, context_.Report());
  platform::Win32ToolHelp toolHelp;
  platform::Win32FileFacts files;
  FileFactsMemory::Snapshot facts(peers_.FactsMemory(), files);
  Snapshot snapshot;
  ::TakeSnapshot(snapshot, {&topWindows, toolHelp, facts}, platform::GeneralDateNow(), progress,
                 context_.Report());
  mcolTasks = std::move(snapshot.tasks);
  mcolProcesses = std::move(snapshot.processes);
  mcolUniqueModules = std::move(snapshot.uniqueModules);
  ShowRecords(progress);
}

void frmExplorer::SnapshotAgain() {
  if (!report_ && !released_ && !loading_) {
    peers_.SnapshotAgain(*this, frame_);
  }
}

void frmExplorer::MarkChanges(const Explorer::AgainMarks& marks, HWND origin) {
  origin_ = origin;
  for (const std::string& key : marks.boldKeys) {
    TVITEMA item{};
    item.mask = TVIF_STATE;
    item.hItem = Node(key);
    item.state = TVIS_BOLD;
    item.stateMask = TVIS_BOLD;
    if (item.hItem != nullptr) {
      SendMessageA(treeView1_, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    }
  }
  // The window opens on the first thing that is new, its record in the list.
  if (!marks.boldKeys.empty() && Node(marks.boldKeys.front()) != nullptr) {
    const auto first = reinterpret_cast<LPARAM>(Node(marks.boldKeys.front()));
    SendMessageA(treeView1_, TVM_SELECTITEM, TVGN_CARET, first);
    SendMessageA(treeView1_, TVM_ENSUREVISIBLE, 0, first);
  }
  std::vector<std::string> texts = StatusTexts();
  SplitStatusBar(statusBar1_, layout_, kAgainPanelWidths);
  texts.resize(kPanelWidths.size());
  texts.push_back(marks.counts);
  for (std::size_t i = 0; i < texts.size(); ++i) {
    SendMessageA(statusBar1_, SB_SETTEXTA, i, reinterpret_cast<LPARAM>(texts[i].c_str()));
  }
}

std::vector<std::string> frmExplorer::StatusTexts() const {
  const auto count = static_cast<int>(SendMessageA(statusBar1_, SB_GETPARTS, 0, 0));
  std::vector<std::string> texts;
  for (int i = 0; i < count; ++i) {
    const auto length = LOWORD(SendMessageA(statusBar1_, SB_GETTEXTLENGTHA, i, 0));
    std::string text(length + 1u, '\0');
    SendMessageA(statusBar1_, SB_GETTEXTA, i, reinterpret_cast<LPARAM>(text.data()));
    text.resize(length);
    texts.push_back(text);
  }
  return texts;
}

void frmExplorer::ShowRecords(platform::Progress& progress) {
  // 11 to 13, with the whole window drawn once when they are done. The
  // tree's scroll bars appear as its own drawing resumes, and on a window
  // that is being drawn each costs a frame change that takes longer than
  // filling the tree (tens of milliseconds under Wine).
  const RedrawHeld window(Handle());

  // 11. The tree.
  SendMessageA(treeView1_, TVM_SETIMAGELIST, TVSIL_NORMAL,
               reinterpret_cast<LPARAM>(frame_.ImageList1()));
  nodes_.emplace(treeView1_);
  paths_ = std::make_unique<Explorer::PathIndex>();
  {
    const RedrawHeld held(treeView1_);
    Explorer::BuildTreeView(*nodes_, mcolTasks, mcolProcesses, *paths_, mcolUniqueModules, progress,
                            context_.Report());
    // The nodes added before a failure stay, those held back included.
    Subs::WithFailureHandler(context_.Report(), "Subs", "BuildTreeView", [&] { nodes_->Flush(); });
  }

  // 12. The totals.
  const auto panels =
      Explorer::StatusPanels(mcolTasks.Count(), mcolProcesses.Count(), mcolUniqueModules.Count());
  for (std::size_t i = 0; i < panels.size(); ++i) {
    SendMessageA(statusBar1_, SB_SETTEXTA, i, reinterpret_cast<LPARAM>(panels[i].c_str()));
  }

  // 13. The first node selected.
  const auto first = SendMessageA(treeView1_, TVM_GETNEXTITEM, TVGN_ROOT, 0);
  SendMessageA(treeView1_, TVM_SELECTITEM, TVGN_CARET, first);
}

void frmExplorer::CreateControls() {
  using Explorer::kListPlace;
  using Explorer::kTreePlace;
  HWND self = Handle();
  treeView1_ = layout_.Control(
      self, WC_TREEVIEWA, nullptr,
      WS_VISIBLE | WS_TABSTOP | TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS,
      kTreePlace.left, kTreePlace.top, kTreePlace.width, kTreePlace.height, kTreeId,
      WS_EX_CLIENTEDGE);
  listView1_ = layout_.Control(self, WC_LISTVIEWA, nullptr,
                               WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS,
                               kListPlace.left, kListPlace.top, kListPlace.width, kListPlace.height,
                               kListId, WS_EX_CLIENTEDGE);
  statusBar1_ = layout_.Control(self, STATUSCLASSNAMEA, nullptr, WS_VISIBLE, 0, 0, 0,
                                Explorer::kStatusBarHeight, kStatusId);
  SplitStatusBar(statusBar1_, layout_, kPanelWidths);
  list1_ = layout_.Control(self, "LISTBOX", nullptr, 0, 0, 0, 0, 0, kList1Id);
}

void frmExplorer::CreateMenus() {
  const ChildMenus menus =
      BuildChildMenus(Explorer::ExplorerMenuBar(), Explorer::ExplorerWebSubmenu());
  menu_ = menus.bar;
  windowMenu_ = menus.window;
  viewMenu_ = menus.view;
  std::vector<ACCEL> keys;
  for (const Explorer::MenuShortcut& shortcut : Explorer::ExplorerShortcuts()) {
    const BYTE modifiers = (shortcut.control ? FCONTROL : 0) | (shortcut.alt ? FALT : 0);
    keys.push_back({static_cast<BYTE>(FVIRTKEY | modifiers), shortcut.virtualKey,
                    static_cast<WORD>(MenuCommand(shortcut.menu, shortcut.index))});
  }
  shortcuts_.reset(CreateAcceleratorTableA(keys.data(), static_cast<int>(keys.size())));
}

bool frmExplorer::TranslateShortcut(MSG& msg) {
  return shortcuts_ && !loading_ &&
         TranslateAcceleratorA(Handle(), shortcuts_.get(), &msg) != FALSE;
}

void frmExplorer::ShowProperties(const std::optional<Explorer::NodeRecord>& record) {
  if (!record) {
    return;
  }
  // The file as it is now, read once; a file gone since shows the snapshot.
  const std::string path = Explorer::PropertiesPath(*record);
  platform::Win32FileAttributes attributes;
  platform::Win32FileFacts facts;
  const Explorer::FileNow now{attributes.Attributes(path),
                              VersionStrings::FileStrings(path, facts)};
  const auto properties = Explorer::PropertiesOf(context_.rule, *record, now, Subs::giIDView != 0);
  if (properties) {
    frmProperties(context_.instance).ShowModal(frameWindow_, *properties);
  }
}

std::optional<Explorer::NodeRecord> frmExplorer::PropertiesRecord() const {
  if (GetFocus() == listView1_) {
    return ListRowRecord();
  }
  if (!nodes_ || !paths_ || released_) {
    return std::nullopt;
  }
  return Explorer::RecordOf(nodes_->Selection(),
                            {mcolTasks, mcolProcesses, mcolUniqueModules, *paths_});
}

bool frmExplorer::HasFile() const {
  const auto record = PropertiesRecord();
  return record && !Explorer::PropertiesPath(*record).empty();
}

void frmExplorer::SyncPropertiesItem() {
  EnableMenuItem(menu_, MenuCommand(Subs::FrameMenu::kFile, Explorer::kFileProperties),
                 MF_BYCOMMAND | (HasFile() ? MF_ENABLED : MF_GRAYED));
}

void frmExplorer::OpenContextMenu(HWND control, LPARAM at) {
  const auto place = ContextMenuPlace(control, at, treeView1_, listView1_);
  if (!place || released_) {
    return;
  }
  SetFocus(control);
  const bool hasFile = HasFile();
  ShowContextMenu(Handle(), Explorer::ExplorerContextMenu(), *place,
                  [&](const Explorer::ContextItem& item) {
                    return item.menu != Subs::FrameMenu::kFile ||
                           (item.index == Explorer::kFileProperties ? hasFile : !report_);
                  });
}

std::optional<Explorer::NodeRecord> frmExplorer::ListRowRecord() const {
  if (!nodes_ || !paths_ || released_) {
    return std::nullopt;
  }
  const Explorer::ListRecords records{mcolTasks, mcolProcesses, mcolUniqueModules, *paths_};
  const Explorer::TreeSelection selection = nodes_->Selection();
  const auto row = static_cast<int>(
      SendMessageA(listView1_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
  if (row >= 0) {
    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    SendMessageA(listView1_, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
    if (auto record =
            Explorer::RowRecord(selection, static_cast<std::size_t>(item.lParam), records)) {
      return record;
    }
  }
  // A row of a sheet is about the sheet's own record.
  return Explorer::RecordOf(selection, records);
}

void frmExplorer::OpenFindBox() {
  if (!find_) {
    find_ = std::make_unique<frmFind>(
        context_.instance,
        frmFind::Host{[this](const Explorer::FindRequest& request) { FindNext(request); },
                      [this](MSG& msg) { return TranslateShortcut(msg); },
                      [this] { SetFocus(treeView1_); }});
  }
  find_->Show(frameWindow_);
}

void frmExplorer::FindNext(const Explorer::FindRequest& request) {
  lastFind_ = request;
  if (!nodes_ || released_) {
    return;
  }
  // The tree is whole once the load is done; it never changes afterwards.
  if (!finder_) {
    finder_.emplace(nodes_->Model(), context_.rule);
  }
  const auto selected =
      reinterpret_cast<HTREEITEM>(SendMessageA(treeView1_, TVM_GETNEXTITEM, TVGN_CARET, 0));
  const auto found = finder_->Next(nodes_->NodeOf(selected), request);
  if (!found) {
    context_.Boxes().Show(shellwin::AsOwner(Handle()), Explorer::CannotFindText(request.text),
                          Subs::kAppTitle, platform::kMbOk | platform::kMbIconExclamation);
    return;
  }
  // Selecting expands the collapsed nodes above the match, and the list
  // follows the selection.
  const auto item = reinterpret_cast<LPARAM>(nodes_->Item(*found));
  SendMessageA(treeView1_, TVM_SELECTITEM, TVGN_CARET, item);
  SendMessageA(treeView1_, TVM_ENSUREVISIBLE, 0, item);
  SetFocus(treeView1_);
}

void frmExplorer::TreeView1_Click() {
  if (!nodes_ || !paths_ || released_) {
    return;
  }
  const auto contents = Explorer::DetailList(nodes_->Selection(),
                                             {mcolTasks, mcolProcesses, mcolUniqueModules, *paths_},
                                             Subs::giIDView != 0);
  if (contents) {
    FillListView(listView1_, *contents, layout_);
  }
}

int frmExplorer::OuterWidthTwips() const {
  RECT outer{};
  GetWindowRect(Handle(), &outer);
  return Explorer::PixelsToTwips(outer.right - outer.left, dpiX_);
}

int frmExplorer::OuterHeightTwips() const {
  RECT outer{};
  GetWindowRect(Handle(), &outer);
  return Explorer::PixelsToTwips(outer.bottom - outer.top, dpiY_);
}

int frmExplorer::WidthTwips(HWND control) const {
  RECT place{};
  GetWindowRect(control, &place);
  return Explorer::PixelsToTwips(place.right - place.left, dpiX_);
}

RECT frmExplorer::ClientPlace(HWND control) const {
  RECT place{};
  GetWindowRect(control, &place);
  MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&place), 2);
  return place;
}

void frmExplorer::Form_Resize() {
  if (treeView1_ == nullptr || IsIconic(Handle())) {
    return;
  }
  SendMessageA(statusBar1_, WM_SIZE, 0, 0);
  const Explorer::ResizeStep step =
      Explorer::FormResize(OuterWidthTwips(), OuterHeightTwips(), WidthTwips(treeView1_));
  if (step.widenTo) {
    // A maximized window cannot be given a width.
    if (IsZoomed(Handle())) {
      return;
    }
    int width = layout_.X(*step.widenTo);
    if (Explorer::PixelsToTwips(width, dpiX_) < *step.widenTo) {
      ++width;
    }
    RECT outer{};
    GetWindowRect(Handle(), &outer);
    SetWindowPos(Handle(), nullptr, 0, 0, width, outer.bottom - outer.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return;
  }
  const RECT tree = ClientPlace(treeView1_);
  const RECT list = ClientPlace(listView1_);
  MoveWindow(treeView1_, tree.left, tree.top, tree.right - tree.left,
             std::max(0, layout_.Y(step.treeHeight)), TRUE);
  MoveWindow(listView1_, list.left, list.top, std::max(0, layout_.X(step.listWidth)),
             std::max(0, layout_.Y(step.listHeight)), TRUE);
}

void frmExplorer::Form_MouseMove(WPARAM keys, int x) {
  const int button = ((keys & MK_LBUTTON) != 0 ? Explorer::kLeftButton : 0) |
                     ((keys & MK_RBUTTON) != 0 ? Explorer::kRightButton : 0) |
                     ((keys & MK_MBUTTON) != 0 ? Explorer::kMiddleButton : 0);
  const auto step =
      Explorer::FormMouseMove(button, Explorer::PixelsToTwips(x, dpiX_), OuterWidthTwips());
  if (!step) {
    return;
  }
  const RECT tree = ClientPlace(treeView1_);
  const RECT list = ClientPlace(listView1_);
  MoveWindow(treeView1_, tree.left, tree.top, std::max(0, layout_.X(step->treeWidth)),
             tree.bottom - tree.top, TRUE);
  MoveWindow(listView1_, layout_.X(step->listLeft), list.top,
             std::max(0, layout_.X(step->listWidth)), list.bottom - list.top, TRUE);
}

void frmExplorer::Form_QueryUnload() {
  // The snapshot goes with the window; the list and tree no longer read it.
  released_ = true;
  paths_.reset();
  mcolUniqueModules = {};
  mcolProcesses = {};
  mcolTasks = {};
}

void frmExplorer::OnActivate(HWND activated) {
  if (activated == Handle()) {
    SyncViewTicks();
    frame_.EnableAgainButton(!report_);
    ShowOwnMenu(windowMenu_);
  } else if (activated == nullptr) {
    frame_.EnableAgainButton(true);
    ShowFrameMenu();
  }
}

void frmExplorer::SyncViewTicks() {
  // The frame ticks its own View items; this menu shows the same.
  const std::array<std::pair<int, HWND>, 2> bars{
      {{Subs::kViewToolbar, frame_.Toolbar1()}, {Subs::kViewStatusBar, frame_.StatusBar1()}}};
  for (const auto& [item, bar] : bars) {
    CheckMenuItem(viewMenu_, MenuCommand(Subs::FrameMenu::kView, item),
                  MF_BYCOMMAND | (Shown(bar) ? MF_CHECKED : MF_UNCHECKED));
  }
}

void frmExplorer::PrintToFile() {
  // A report's window writes the report back as it was read.
  reportwin::PrintToFile(frame_, Compared().records, PrintIdView());
}

std::int16_t frmExplorer::PrintIdView() const { return report_ ? report_->idView : Subs::giIDView; }

void frmExplorer::CompareWith() { peers_.CompareWith(*this, frame_); }

void frmExplorer::mnuClick(Subs::FrameMenu menu, int index) {
  const Explorer::MenuRoute route = Explorer::RouteMenuChoice(menu, index);
  using Action = Explorer::MenuRoute::Action;
  if (route.action == Action::kSnapshotAgain) {
    SnapshotAgain();
    return;
  }
  if (route.action == Action::kPrintToFile) {
    PrintToFile();
    return;
  }
  if (route.action == Action::kCompareWith) {
    if (!released_) {
      CompareWith();
    }
    return;
  }
  if (route.action == Action::kProperties) {
    ShowProperties(PropertiesRecord());
    return;
  }
  if (route.action == Action::kCopy) {
    if (const auto text = CopyTextOf(treeView1_, listView1_)) {
      PutOnClipboard(Handle(), *text);
    }
    return;
  }
  if (route.action == Action::kFind || (route.action == Action::kFindNext && !lastFind_)) {
    OpenFindBox();
    return;
  }
  if (route.action == Action::kFindNext) {
    FindNext(*lastFind_);
    return;
  }
  if (route.action != Explorer::MenuRoute::Action::kForward) {
    return;
  }
  if (menu == Subs::FrameMenu::kFile) {
    frame_.mnuFile_Hook(route.index);
    return;
  }
  ForwardToFrame(frame_, menu, route.index);
  if (menu == Subs::FrameMenu::kView && IsWindow(Handle())) {
    SyncViewTicks();
  }
}

bool frmExplorer::OnCommand(int command) {
  const int offset = command - kMenuBase;
  const int menus = static_cast<int>(Subs::FrameMenu::kHelpWeb) + 1;
  if (offset < 0 || offset >= menus * kMenuStride) {
    return false;
  }
  mnuClick(static_cast<Subs::FrameMenu>(offset / kMenuStride), offset % kMenuStride);
  return true;
}

bool frmExplorer::OnNotify(const NMHDR& header) {
  if (header.hwndFrom == treeView1_ &&
      (header.code == TVN_SELCHANGEDA || header.code == TVN_SELCHANGEDW)) {
    // A click or a key that moves the selection refills the list; the load
    // fills it once at its end.
    if (!loading_) {
      TreeView1_Click();
      SyncPropertiesItem();
    }
    return true;
  }
  if ((header.hwndFrom == treeView1_ || header.hwndFrom == listView1_) &&
      header.code == NM_SETFOCUS) {
    SyncPropertiesItem();
    return false;
  }
  if (header.hwndFrom == listView1_ && header.code == LVN_ITEMCHANGED && !loading_) {
    SyncPropertiesItem();
    return true;
  }
  if (header.hwndFrom == listView1_ && header.code == NM_RETURN) {
    ShowProperties(ListRowRecord());
    return true;
  }
  if (header.hwndFrom == treeView1_ && header.code == NM_DBLCLK) {
    mnuClick(Subs::FrameMenu::kFile, Explorer::kFileProperties);
    return false;  // the tree still expands or collapses the node
  }
  if (header.hwndFrom == listView1_ && header.code == NM_DBLCLK) {
    ShowProperties(ListRowRecord());
    return true;
  }
  if (header.hwndFrom == listView1_ && header.code == LVN_COLUMNCLICK) {
    const auto& click = reinterpret_cast<const NMLISTVIEW&>(header);
    Subs::SortListView(listView1_, static_cast<std::int16_t>(click.iSubItem + 1));
    return true;
  }
  return false;
}

LRESULT frmExplorer::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETCURSOR:
      // Over the window's own surface, the strip between tree and list.
      if (reinterpret_cast<HWND>(wParam) == Handle() && LOWORD(lParam) == HTCLIENT) {
        SetCursor(LoadCursorA(nullptr, IDC_SIZEWE));
        return TRUE;
      }
      break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      // Movements keep arriving here until the buttons are released.
      SetCapture(Handle());
      return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      if ((wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0 && GetCapture() == Handle()) {
        ReleaseCapture();
      }
      return 0;
    case WM_MOUSEMOVE:
      Form_MouseMove(wParam, GET_X_LPARAM(lParam));
      return 0;
    case WM_MDIACTIVATE:
      OnActivate(reinterpret_cast<HWND>(lParam));
      break;
    case WM_COMMAND:
      if (OnCommand(LOWORD(wParam))) {
        return 0;
      }
      break;
    case shellwin::MDIMain::kPreviewKey: {
      MSG& msg = *reinterpret_cast<MSG*>(lParam);
      return MoveFocusByKey(msg, treeView1_, listView1_) || TranslateShortcut(msg) ? TRUE : FALSE;
    }
    case WM_CONTEXTMENU:
      OpenContextMenu(reinterpret_cast<HWND>(wParam), lParam);
      return 0;
    case WM_NOTIFY:
      if (OnNotify(*reinterpret_cast<const NMHDR*>(lParam))) {
        return 0;
      }
      break;
    case WM_CLOSE:
      if (loading_) {
        closePending_ = true;
        return 0;
      }
      Form_QueryUnload();
      break;
    case WM_DESTROY:
      find_.reset();
      Form_QueryUnload();
      LeaveFrameMenu();
      break;
    default:
      break;
  }
  return MdiChild::HandleMessage(message, wParam, lParam);
}

}  // namespace explorerwin
