#include "explorer/win32/explorer_windows.h"

#include <algorithm>
#include <exception>

#include "explorer/differences.h"
#include "explorer/report_opening.h"
#include "explorer/snapshot_again.h"
#include "explorer/win32/frm_compare_with.h"
#include "platform/message_box.h"
#include "platform/win32/text_file_win32.h"
#include "shell/app_strings.h"
#include "shell/general/failure_handler.h"

namespace explorerwin {

void ExplorerWindows::Tidy() {
  const auto closed = [](const auto& window) { return window->Handle() == nullptr; };
  std::erase_if(windows_, closed);
  std::erase_if(differences_, closed);
}

frmExplorer& ExplorerWindows::Open(shellwin::MDIMain& frame) {
  Tidy();
  frmExplorer& window =
      *windows_.emplace_back(std::make_unique<frmExplorer>(context_, frame, *this));
  window.Load();
  return window;
}

void ExplorerWindows::SnapshotAgain(frmExplorer& from, shellwin::MDIMain& frame) {
  frmExplorer& window = Open(frame);
  // Either window may have been closed while the snapshot was taken.
  if (window.Handle() == nullptr || from.Handle() == nullptr) {
    return;
  }
  const Report::ComparedSnapshot before = from.Compared(), after = window.Compared();
  const Report::Comparison comparison = Report::CompareSnapshots(before, after, context_.rule);
  window.MarkChanges(Explorer::MarksOf(comparison, before.records, after.records, context_.rule),
                     from.Handle());
}

void ExplorerWindows::SnapshotAgainActive(shellwin::MDIMain& frame) {
  const auto active = reinterpret_cast<HWND>(SendMessageA(frame.Client(), WM_MDIGETACTIVE, 0, 0));
  for (frmExplorer* window : Windows()) {
    if (window->Handle() == active) {
      window->SnapshotAgain();
      return;
    }
  }
}

std::optional<std::string> ExplorerWindows::AskReportPath(shellwin::MDIMain& frame) {
  shellwin::CommonDialog& dialog = frame.CommonDialog1();
  dialog.FileName.clear();
  dialog.DialogTitle = "Open Report";
  dialog.Flags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
  dialog.Filter = "Reports (*.txt)|*.txt|All Files (*.*)|*.*";
  dialog.FilterIndex = 1;
  dialog.DefaultExt.clear();
  return Subs::WithFailureHandler(context_.Report(), "MDIMain", "mnuFile",
                                  std::optional<std::string>(),
                                  [&]() -> std::optional<std::string> {
                                    if (dialog.ShowOpen(frame.Handle())) {
                                      return dialog.FileName;
                                    }
                                    return std::nullopt;
                                  });
}

std::optional<Report::ParsedReport> ExplorerWindows::ReadReport(shellwin::MDIMain& frame,
                                                                const std::string& path,
                                                                bool cutShortBox) {
  Report::ParsedReport report;
  const auto tell = [&](const std::string& text, unsigned style) {
    context_.Boxes().Show(shellwin::AsOwner(frame.Handle()), text, Subs::kAppTitle, style);
  };
  try {
    // The file is read whole and closed before anything is shown.
    platform::Win32TextFiles files;
    report = Report::ParseReport(files.Read(path));
  } catch (const std::exception& failure) {
    tell("Cannot open " + path + "\n" + failure.what(),
         platform::kMbOk | platform::kMbIconExclamation);
    return std::nullopt;
  }
  const Explorer::ReportOpening outcome = Explorer::OpenReportOutcome(report, path);
  if (!outcome.message.empty() && (!outcome.open || cutShortBox)) {
    tell(outcome.message, outcome.style);
  }
  if (!outcome.open) {
    return std::nullopt;
  }
  return report;
}

void ExplorerWindows::OpenReport(shellwin::MDIMain& frame) {
  if (const auto path = AskReportPath(frame)) {
    OpenReportFile(frame, *path);
  }
}

frmExplorer* ExplorerWindows::OpenReportFile(shellwin::MDIMain& frame, const std::string& path) {
  std::optional<Report::ParsedReport> report = ReadReport(frame, path, true);
  if (!report) {
    return nullptr;
  }
  Tidy();
  frmExplorer& window =
      *windows_.emplace_back(std::make_unique<frmExplorer>(context_, frame, *this));
  window.LoadReport(std::move(*report), path);
  return &window;
}

void ExplorerWindows::CompareWith(frmExplorer& from, shellwin::MDIMain& frame) {
  std::vector<frmExplorer*> others = Windows();
  std::erase(others, &from);
  std::vector<std::string> captions;
  std::optional<std::size_t> origin;
  for (const frmExplorer* other : others) {
    if (other->Handle() == from.Origin()) {
      origin = captions.size();
    }
    captions.push_back(other->Caption());
  }
  const auto choice = frmCompareWith(context_.instance).ShowModal(frame.Handle(), captions, origin);
  if (!choice) {
    return;
  }
  if (choice->window) {
    const frmExplorer& other = *others.at(*choice->window);
    // The window this one was taken again from is the older of the pair.
    if (choice->window == origin) {
      ShowDifferences(frame, other, from.Compared(), from.Caption());
    } else {
      ShowDifferences(frame, from, other.Compared(), other.Caption());
    }
    return;
  }
  const auto path = AskReportPath(frame);
  if (!path) {
    return;
  }
  // A report cut short is compared as far as it goes; the comparison says so.
  const std::optional<Report::ParsedReport> report = ReadReport(frame, *path, false);
  if (report) {
    ShowDifferences(frame, from, Report::FromReport(*report, *path),
                    Explorer::ReportCaption(frame.Context().rule, *path, report->caption));
  }
}

frmDifferences& ExplorerWindows::ShowDifferences(shellwin::MDIMain& frame, const frmExplorer& from,
                                                 const Report::ComparedSnapshot& to,
                                                 const std::string& toCaption) {
  Tidy();
  frmDifferences& window = *differences_.emplace_back(std::make_unique<frmDifferences>(
      frame, Report::CompareSnapshots(from.Compared(), to, context_.rule)));
  window.Load(Explorer::DifferencesCaption(from.Caption(), toCaption));
  return window;
}

namespace {

// The windows of `windows` still open, oldest first.
template <typename Window>
std::vector<Window*> StillOpen(const std::vector<std::unique_ptr<Window>>& windows) {
  std::vector<Window*> open;
  for (const auto& window : windows) {
    if (window->Handle() != nullptr) {
      open.push_back(window.get());
    }
  }
  return open;
}

}  // namespace

std::vector<frmExplorer*> ExplorerWindows::Windows() const { return StillOpen(windows_); }

std::vector<frmDifferences*> ExplorerWindows::DifferencesWindows() const {
  return StillOpen(differences_);
}

}  // namespace explorerwin
