#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_name_rule.h"
#include "platform/text_sink.h"

namespace kesreport {

// Exit statuses. A snapshot: written, a failure, bad usage. A compare, as
// comparing tools have them: alike, different, trouble (bad usage, a report
// that cannot be read or is cut short, any failure).
inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitDiffers = 1;
inline constexpr int kExitBadUsage = 2;
inline constexpr int kExitTrouble = 2;

extern const char* const kUsage;

enum class Action { kSnapshot, kStartup, kCompare, kUsage, kBadUsage };

struct Command {
  Action action = Action::kSnapshot;
  std::optional<std::int16_t> idView;  // from /hex or /dec; else the stored setting
  std::string file;              // the report's (or /startup list's) file; empty: standard output
  std::string oldFile, newFile;  // for /compare
  std::string problem;           // why the usage is bad
};

// Reads the arguments after the program's name. Switches start with / or -
// and are read without regard to letter case.
Command ParseCommandLine(const std::vector<std::string>& args);

// Compares the reports in the two files and writes the comparison to `out`,
// each line ending in CR LF. A file that cannot be read, or a line that
// cannot, is one line on `err` and gives kExitTrouble; so does a report cut
// short, after the comparison of what both hold. Any other failure (`out`
// refuses, memory runs out) passes on, for Guarded to tell.
int RunCompare(const Command& command, platform::TextFiles& files,
               const platform::FileNameRule& rule, platform::TextSink& out,
               platform::TextSink& err);

}  // namespace kesreport
