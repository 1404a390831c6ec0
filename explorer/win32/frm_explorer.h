#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "explorer/node_find.h"
#include "explorer/path_index.h"
#include "explorer/snapshot_again.h"
#include "explorer/win32/child_chrome.h"
#include "explorer/win32/frm_find.h"
#include "explorer/win32/tree_view_nodes.h"
#include "platform/progress.h"
#include "report/report_compare.h"
#include "report/report_parser.h"
#include "shell/frame_menus.h"
#include "shell/win32/handles.h"
#include "shell/win32/layout.h"
#include "shell/win32/mdi_main.h"
#include "shell/win32/shell_context.h"
#include "shell/win32/window.h"
#include "snapshot/collection.h"
#include "snapshot/process.h"
#include "snapshot/task.h"
#include "snapshot/unique_module.h"

namespace explorerwin {

class ExplorerWindows;

// An explorer window: a child of the frame that takes one snapshot when it
// loads and shows it as a tree beside a list. While it is the active child
// its menu bar is the frame's; its choices go to the frame's hooks, except
// the report.
class frmExplorer : public MdiChild {
 public:
  frmExplorer(const shellwin::ShellContext& context, shellwin::MDIMain& frame,
              ExplorerWindows& peers);
  ~frmExplorer() override;

  // Creates the window in the frame and takes its snapshot.
  void Load();
  // Creates the window in the frame and shows the snapshot a report at
  // `path` holds, as read: nothing is added to it.
  void LoadReport(Report::ParsedReport report, const std::string& path);

  // "Snapshot &Again": a new window with a new snapshot, marked with what
  // changed since this one's; nothing for a window that shows a report.
  void SnapshotAgain();
  // Shows `marks` (bold nodes, the counts in the status bar) of what changed
  // since the snapshot of `origin`, the window this one was taken from.
  void MarkChanges(const Explorer::AgainMarks& marks, HWND origin);
  // The window this one was taken again from, or null.
  HWND Origin() const { return origin_; }
  // The texts of the status bar's panels.
  std::vector<std::string> StatusTexts() const;

  // This window's snapshot as one side of a comparison, named by its report
  // file or, for a snapshot taken here, "Explorer window".
  Report::ComparedSnapshot Compared() const;
  std::string Caption() const;
  // The identifier mode Print To File writes: a report's own, else the
  // viewer's.
  std::int16_t PrintIdView() const;

  // Refills the list for the selected node.
  void TreeView1_Click();

  HWND TreeView1() const { return treeView1_; }
  HWND ListView1() const { return listView1_; }
  HWND StatusBar1() const { return statusBar1_; }
  // The find box, once Find has opened it.
  const frmFind* FindBox() const { return find_.get(); }
  const kes::Collection<clsTask>& Tasks() const { return mcolTasks; }
  const kes::Collection<clsProcess>& Processes() const { return mcolProcesses; }
  const kes::Collection<clsUniqueModule>& UniqueModules() const { return mcolUniqueModules; }
  // The node with this key, or null.
  HTREEITEM Node(const std::string& key) const { return nodes_ ? nodes_->Find(key) : nullptr; }

  // Command numbers of the window's menu items: from 1000 up, 100 to a menu
  // (in the order of Subs::FrameMenu), so the frame passes them on.
  static int MenuCommand(Subs::FrameMenu menu, int index) { return ChildMenuCommand(menu, index); }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // Marks the window as loading for as long as it lives; a close asked
  // meanwhile is posted again when it goes.
  class Loading {
   public:
    explicit Loading(frmExplorer& window);
    ~Loading();
    Loading(const Loading&) = delete;
    Loading& operator=(const Loading&) = delete;

   private:
    frmExplorer& window_;
  };

  void CreateControls() override;
  void CreateMenus();
  void TakeSnapshot(platform::Progress& progress);
  void ShowRecords(platform::Progress& progress);
  void CompareWith();
  void Form_Resize() override;
  void Form_MouseMove(WPARAM keys, int x);
  void Form_QueryUnload();
  void OnActivate(HWND activated);
  bool OnCommand(int command);
  bool OnNotify(const NMHDR& header);
  void mnuClick(Subs::FrameMenu menu, int index);
  void PrintToFile();
  void ShowProperties(const std::optional<Explorer::NodeRecord>& record);
  std::optional<Explorer::NodeRecord> ListRowRecord() const;
  // The record Properties shows: the focused list's row, else the tree's
  // selected node's.
  std::optional<Explorer::NodeRecord> PropertiesRecord() const;
  bool HasFile() const;
  // File > Properties is greyed while PropertiesRecord has no file.
  void SyncPropertiesItem();
  void OpenContextMenu(HWND control, LPARAM at);
  void OpenFindBox();
  void FindNext(const Explorer::FindRequest& request);
  bool TranslateShortcut(MSG& msg);
  void SyncViewTicks();
  int OuterWidthTwips() const;
  int OuterHeightTwips() const;
  int WidthTwips(HWND control) const;
  RECT ClientPlace(HWND control) const;

  const shellwin::ShellContext& context_;
  shellwin::MDIMain& frame_;
  ExplorerWindows& peers_;
  const shellwin::TwipsLayout layout_;
  int dpiX_;
  int dpiY_;

  // What a report said beyond its records: where it came from, its caption
  // and identifier mode (its Print To File writes it back the same), and
  // how much of it was read. Empty for a snapshot taken here.
  struct FromReport {
    std::string path;
    std::string caption;
    std::int16_t idView = 0;
    bool processesComplete = false;
    bool modulesComplete = false;
    bool complete = false;
    std::int32_t linesRead = 0;
  };
  std::optional<FromReport> report_;

  kes::Collection<clsTask> mcolTasks;
  kes::Collection<clsProcess> mcolProcesses;
  kes::Collection<clsUniqueModule> mcolUniqueModules;
  std::unique_ptr<Explorer::PathIndex> paths_;
  std::optional<TreeViewNodes> nodes_;
  std::optional<Explorer::NodeFinder> finder_;
  std::unique_ptr<frmFind> find_;
  // What the last find asked for; F3 asks it again.
  std::optional<Explorer::FindRequest> lastFind_;
  shellwin::OwnedAccelerators shortcuts_;

  HWND treeView1_ = nullptr;
  HWND listView1_ = nullptr;
  HWND statusBar1_ = nullptr;
  HWND list1_ = nullptr;
  HWND origin_ = nullptr;
  HMENU windowMenu_ = nullptr;
  HMENU viewMenu_ = nullptr;
  bool loading_ = false;
  bool closePending_ = false;
  bool released_ = false;
};

}  // namespace explorerwin
