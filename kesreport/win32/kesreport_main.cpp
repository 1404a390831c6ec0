// kesreport: writes the snapshot report from the command line, or compares
// two reports. It shows no window and never writes to the registry.
#include <windows.h>

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "kesreport/command_line.h"
#include "kesreport/guarded.h"
#include "platform/failure.h"
#include "platform/message_box.h"
#include "platform/registry.h"
#include "platform/win32/file_facts_win32.h"
#include "platform/win32/file_name_rule_win32.h"
#include "platform/win32/general_date_win32.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/text_file_win32.h"
#include "platform/win32/tool_help_win32.h"
#include "report/report_writer.h"
#include "settings/registry_api.h"
#include "settings/settings_store.h"
#include "shell/general/error_report.h"
#include "snapshot/file_facts_memory.h"
#include "snapshot/take_snapshot.h"
#include "snapshot/win32/top_windows_win32.h"
#include "startup/startup_view.h"
#include "startup/win32/startup_now.h"

namespace {

using kesreport::Command;

// What the engine would show in message boxes, kept as one line each for
// standard error.
class ConsoleBoxes final : public platform::MessageBoxes {
 public:
  int Show(platform::WindowHandle, const std::string& text, const std::string&, unsigned) override {
    std::string line;
    for (const char c : text) {
      if (c == '\r' || c == '\n') {
        if (!line.empty() && line.back() != ' ') {
          line += ' ';
        }
      } else {
        line += c;
      }
    }
    while (!line.empty() && line.back() == ' ') {
      line.pop_back();
    }
    shown.push_back(line);
    return platform::kIdOk;
  }
  std::vector<std::string> shown;
};

class SilentProgress final : public platform::Progress {
 public:
  void Report(const std::string&) override {}
};

// The viewer's stored ID display setting, read and never written; decimal
// when there is none or it is not a number.
std::int16_t StoredIdView(const Subs::ErrorReport& report) {
  platform::Win32Registry registry;
  RegistryAPI api(registry, report);
  RegistryValue value;
  if (!api.QueryValue(platform::kHkeyLocalMachine, Subs::kSettingsKey, "IDView", value)) {
    return 0;
  }
  try {
    return value.ToInt16();
  } catch (const kes::Failure&) {
    return 0;
  }
}

// Writes `what` to the command's file or standard output; a walk that
// stopped early is a failure after the writing.
int WriteOut(const Command& command, platform::TextSink& err, const std::string& what,
             const std::function<void(platform::TextSink&)>& write, bool walked,
             const ConsoleBoxes& boxes) {
  const std::string where = command.file.empty() ? "standard output" : command.file;
  try {
    std::unique_ptr<platform::TextFile> out =
        command.file.empty() ? platform::Win32TextFile::Standard(STD_OUTPUT_HANDLE)
                             : std::make_unique<platform::Win32TextFile>(command.file);
    write(*out);
    out->Close();
  } catch (const std::exception& failure) {
    err.Write("kesreport: cannot write " + what + " to " + where + ": " + failure.what() + "\r\n");
    return kesreport::kExitFailure;
  }
  if (!walked) {
    std::string line =
        "kesreport: the process walk stopped early; " + what + " holds what was read";
    if (!boxes.shown.empty()) {
      line += ": " + boxes.shown.front();
    }
    err.Write(line + "\r\n");
    return kesreport::kExitFailure;
  }
  return kesreport::kExitOk;
}

int RunSnapshot(const Command& command, platform::TextSink& err) {
  ConsoleBoxes boxes;
  const Subs::ErrorReport report(boxes);
  const std::int16_t idView = command.idView ? *command.idView : StoredIdView(report);

  Subs::ListBoxTopWindows topWindows(nullptr, report);
  platform::Win32ToolHelp toolHelp;
  platform::Win32FileFacts facts;
  SilentProgress progress;
  Snapshot snapshot;
  const bool walked = TakeSnapshot(snapshot, {&topWindows, toolHelp, facts},
                                   platform::GeneralDateNow(), progress, report);

  return WriteOut(
      command, err, "the report",
      [&](platform::TextSink& out) {
        Report::WriteReport(Report::RecordsOf(snapshot), {platform::GeneralDateNow(), idView}, out);
      },
      walked, boxes);
}

int RunStartup(const Command& command, platform::TextSink& err) {
  ConsoleBoxes boxes;
  const Subs::ErrorReport report(boxes);
  const std::int16_t idView = command.idView ? *command.idView : StoredIdView(report);
  const platform::Win32FileNameRule rule;
  FileFactsMemory memory(rule);
  const Startup::StartupList list = startupwin::ReadStartupNow(memory, rule, report);
  return WriteOut(
      command, err, "the list",
      [&](platform::TextSink& out) {
        Startup::WriteStartupText(list, platform::GeneralDateNow(), idView, out);
      },
      list.walked, boxes);
}

// Standard error, or nowhere when the program has none: a failure is then
// told by the exit status alone. What is written is stored when the program
// ends and the file closes.
class StandardError final : public platform::TextSink {
 public:
  StandardError() {
    try {
      file_ = platform::Win32TextFile::Standard(STD_ERROR_HANDLE);
    } catch (const kes::Failure&) {
      // No standard error: nothing written here is seen.
    }
  }
  void Write(std::string_view text) override {
    if (file_) {
      file_->Write(text);
    }
  }

 private:
  std::unique_ptr<platform::TextFile> file_;
};

// Standard output is closed, and so its last block stored, inside the guarded
// work: a full disk at the end is a failure like any other.
int RunCompare(const Command& command, platform::TextSink& err) {
  platform::Win32TextFiles files;
  const platform::Win32FileNameRule rule;
  const std::unique_ptr<platform::TextFile> out =
      platform::Win32TextFile::Standard(STD_OUTPUT_HANDLE);
  const int status = kesreport::RunCompare(command, files, rule, *out, err);
  out->Close();
  return status;
}

int RunUsage() {
  const std::unique_ptr<platform::TextFile> out =
      platform::Win32TextFile::Standard(STD_OUTPUT_HANDLE);
  out->Write(kesreport::kUsage);
  out->Close();
  return kesreport::kExitOk;
}

int Run(const Command& command, platform::TextSink& err) {
  switch (command.action) {
    case kesreport::Action::kUsage:
      return RunUsage();
    case kesreport::Action::kBadUsage:
      err.Write("kesreport: " + command.problem + "\r\n\r\n" + kesreport::kUsage);
      return kesreport::kExitBadUsage;
    case kesreport::Action::kCompare:
      return RunCompare(command, err);
    case kesreport::Action::kStartup:
      return RunStartup(command, err);
    case kesreport::Action::kSnapshot:
      break;
  }
  return RunSnapshot(command, err);
}

}  // namespace

int main(int argc, char** argv) {
  try {
    StandardError err;
    const Command command =
        kesreport::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    return kesreport::Guarded(command.action, err, [&] { return Run(command, err); });
  } catch (const std::exception&) {
    // Out of memory before the command was known: trouble, with nobody to tell.
    return kesreport::kExitTrouble;
  }
}
