#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "explorer/win32/frm_differences.h"
#include "explorer/win32/frm_explorer.h"
#include "report/report_parser.h"
#include "shell/win32/mdi_main.h"
#include "shell/win32/shell_context.h"
#include "snapshot/file_facts_memory.h"

namespace explorerwin {

// The explorer and Differences windows of one frame. Each window is released
// with its snapshot when it closes; the small object that ran it goes at the
// next opening or with this list.
class ExplorerWindows {
 public:
  explicit ExplorerWindows(const shellwin::ShellContext& context)
      : context_(context), facts_(context.rule) {}

  // Creates a new explorer window in the frame; its load takes the snapshot.
  frmExplorer& Open(shellwin::MDIMain& frame);
  // "Snapshot &Again": a new explorer window with a new snapshot that marks
  // what changed since `from`'s.
  void SnapshotAgain(frmExplorer& from, shellwin::MDIMain& frame);
  // Snapshot Again in the frame's active child, when it shows a snapshot.
  void SnapshotAgainActive(shellwin::MDIMain& frame);
  // The file facts every snapshot of the viewer reads through.
  FileFactsMemory& FactsMemory() { return facts_; }

  // "&Open Report...": asks for a report file in the Open dialog and opens it.
  void OpenReport(shellwin::MDIMain& frame);
  // Opens the report at `path` in a new explorer window, or tells why not
  // in one box; the window, or null when none opened.
  frmExplorer* OpenReportFile(shellwin::MDIMain& frame, const std::string& path);

  // "Co&mpare With...": asks for another open window or a report file and
  // shows what changed from `from` to it in a Differences window.
  void CompareWith(frmExplorer& from, shellwin::MDIMain& frame);
  // Shows the differences from `from` to `to` in a new window.
  frmDifferences& ShowDifferences(shellwin::MDIMain& frame, const frmExplorer& from,
                                  const Report::ComparedSnapshot& to, const std::string& toCaption);

  // The windows still open, oldest first.
  std::vector<frmExplorer*> Windows() const;
  std::vector<frmDifferences*> DifferencesWindows() const;

 private:
  // The path of a report the user chose in the Open dialog, or none.
  std::optional<std::string> AskReportPath(shellwin::MDIMain& frame);
  // The report read and parsed; none, after one box, when it cannot be used.
  std::optional<Report::ParsedReport> ReadReport(shellwin::MDIMain& frame, const std::string& path,
                                                 bool cutShortBox);
  void Tidy();

  const shellwin::ShellContext& context_;
  FileFactsMemory facts_;
  std::vector<std::unique_ptr<frmExplorer>> windows_;
  std::vector<std::unique_ptr<frmDifferences>> differences_;
};

}  // namespace explorerwin
