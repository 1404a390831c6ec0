#include "kesreport/command_line.h"

#include <algorithm>
#include <cctype>

#include "platform/failure.h"
#include "report/report_compare.h"
#include "report/report_parser.h"

namespace kesreport {

const char* const kUsage =
    "Writes a report of what is running, lists what starts with Windows, or\r\n"
    "compares two reports.\r\n"
    "\r\n"
    "KESREPORT [/HEX | /DEC] [file]\r\n"
    "KESREPORT /STARTUP [/HEX | /DEC] [file]\r\n"
    "KESREPORT /COMPARE old new\r\n"
    "\r\n"
    "  /HEX      Process and module identifiers in hexadecimal.\r\n"
    "  /DEC      Identifiers in decimal. Without either, the viewer's setting.\r\n"
    "  file      Where the report goes; without it, standard output.\r\n"
    "  /STARTUP  Lists the programs that start with Windows, where each one is\r\n"
    "            started from and whether it runs now.\r\n"
    "  /COMPARE  Lists what differs from the report old to the report new.\r\n"
    "\r\n"
    "Exit status: 0 done, 1 failed, 2 bad usage, with /STARTUP too. With /COMPARE:\r\n"
    "0 no differences, 1 they differ, 2 trouble (bad usage, a report that cannot\r\n"
    "be read or is cut short, or any other failure).\r\n";

namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

bool IsSwitch(const std::string& arg) { return arg.size() > 1 && (arg[0] == '/' || arg[0] == '-'); }

Command Bad(const std::string& problem) {
  Command command;
  command.action = Action::kBadUsage;
  command.problem = problem;
  return command;
}

// One report read and parsed; false with one line on `err` when it cannot be.
bool ReadReport(const std::string& path, platform::TextFiles& files, platform::TextSink& err,
                Report::ParsedReport& report) {
  try {
    report = Report::ParseReport(files.Read(path));
  } catch (const kes::Failure& failure) {
    err.Write("kesreport: cannot read " + path + ": " + failure.what() + "\r\n");
    return false;
  }
  if (report.errorLine != 0) {
    err.Write("kesreport: " + path + " line " + std::to_string(report.errorLine) + ": " +
              report.error + "\r\n");
    return false;
  }
  return true;
}

}  // namespace

Command ParseCommandLine(const std::vector<std::string>& args) {
  Command command;
  std::vector<std::string> names;
  bool compare = false, startup = false;
  for (const std::string& arg : args) {
    if (!IsSwitch(arg)) {
      names.push_back(arg);
      continue;
    }
    const std::string name = Lower(arg.substr(1));
    if (name == "?") {
      Command usage;
      usage.action = Action::kUsage;
      return usage;
    }
    if (name == "hex" || name == "dec") {
      const std::int16_t idView = name == "hex" ? 1 : 0;
      if (command.idView && *command.idView != idView) {
        return Bad("/HEX and /DEC cannot both be given");
      }
      command.idView = idView;
    } else if (name == "compare") {
      compare = true;
    } else if (name == "startup") {
      startup = true;
    } else {
      return Bad("unknown switch " + arg);
    }
  }
  if (compare && startup) {
    return Bad("/COMPARE and /STARTUP cannot both be given");
  }
  if (compare) {
    if (command.idView) {
      return Bad("/COMPARE takes no /HEX or /DEC");
    }
    if (names.size() != 2) {
      return Bad("/COMPARE needs two report files");
    }
    command.action = Action::kCompare;
    command.oldFile = names[0];
    command.newFile = names[1];
    return command;
  }
  if (names.size() > 1) {
    return Bad("only one report file can be given");
  }
  if (!names.empty()) {
    command.file = names[0];
  }
  if (startup) {
    command.action = Action::kStartup;
  }
  return command;
}

int RunCompare(const Command& command, platform::TextFiles& files,
               const platform::FileNameRule& rule, platform::TextSink& out,
               platform::TextSink& err) {
  Report::ParsedReport before, after;
  if (!ReadReport(command.oldFile, files, err, before) ||
      !ReadReport(command.newFile, files, err, after)) {
    return kExitTrouble;
  }
  const Report::Comparison comparison =
      Report::CompareSnapshots(Report::FromReport(before, command.oldFile),
                               Report::FromReport(after, command.newFile), rule);
  for (const std::string& line : comparison.Lines()) {
    out.Write(line + "\r\n");
  }
  if (!comparison.whole) {
    return kExitTrouble;
  }
  return comparison.differs ? kExitDiffers : kExitOk;
}

}  // namespace kesreport
