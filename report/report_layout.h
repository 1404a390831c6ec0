#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

#include "snapshot/address.h"
#include "snapshot/display_rules.h"
#include "snapshot/module.h"
#include "snapshot/process.h"
#include "snapshot/task.h"
#include "snapshot/version_info.h"

// The report's lines, written once: the writer walks these tables to write a
// record and the parser walks the same tables to read it back, so a label can
// never be written one way and read another.
namespace Report::Layout {

// The first line, as wide as the separator lines.
inline constexpr std::string_view kBanner =
    "Kestrel(tm) Snapshot Report - top windows, processes, modules, versions.";
// What every report's banner starts with, whatever its wording after it.
inline constexpr std::string_view kBannerStart = "Kestrel(tm)";
inline constexpr std::string_view kSeparator =
    "------------------------------------------------------------------------";
static_assert(kBanner.size() == kSeparator.size());
static_assert(kBanner.substr(0, kBannerStart.size()) == kBannerStart);

inline constexpr std::string_view kGeneratedOn = "Output Generated On ";
// The caption stands alone on its line.
inline constexpr std::string_view kCaption = "";
inline constexpr std::string_view kEmpty = "";
inline constexpr std::string_view kOneBlank = " ";
inline constexpr std::string_view kEndLine = "***End Of Kestrel(tm) Report***";

// A section opens with its heading and, except the top windows, its total
// and a line with one blank.
struct Section {
  std::string_view heading;
  std::string_view total;  // empty: no total line
};
inline constexpr Section kTopWindows{"TOP WINDOWS", {}};
inline constexpr Section kProcesses{"PROCESSES", "Total Processes: "};
inline constexpr Section kModules{"MODULES", "Total Modules: "};

// Between a process's lines and its modules.
inline constexpr std::string_view kModuleCount = "Number Of Associated Modules: ";

// How a line shows its value and how it is read back.
enum class Shown {
  kText,        // as stored; control characters are written, and read, as spaces
  kNumber,      // signed decimal
  kIdentifier,  // by the ID display setting; read in the mode the report shows
  kVersion,     // the four parts joined with full stops
  kPriority,    // the priority class's name of the display rules
  kFixed,       // the label is the whole line
};

// How a distinct module's line stands to its module's listing under the first
// process with it: the path finds that listing, the lines shown there too
// must agree with it, and the others are shown only here and go to it.
enum class Listing { kAgrees, kFinds, kOnlyHere };

// One line of a record: its label and the member it shows. One member
// pointer is set, by the kind of member; none for a fixed line.
template <class Record>
struct Field {
  std::string_view label;
  Shown shown = Shown::kFixed;
  std::string Record::*text = nullptr;
  std::int32_t Record::*number = nullptr;
  kes::Address Record::*wide = nullptr;  // where an address is wider than 32 bits
  clsVersionInfo Record::*version = nullptr;
  Listing listing = Listing::kAgrees;
};

template <class Record>
constexpr Field<Record> Fixed(std::string_view label) {
  return {label};
}
template <class Record>
constexpr Field<Record> Text(std::string_view label, std::string Record::*member,
                             Listing listing = Listing::kAgrees) {
  Field<Record> field{label, Shown::kText};
  field.text = member;
  field.listing = listing;
  return field;
}
template <class Record>
constexpr Field<Record> Version(std::string_view label, clsVersionInfo Record::*member) {
  Field<Record> field{label, Shown::kVersion};
  field.version = member;
  return field;
}
// Integer: std::int32_t, or kes::Address (the same type in the 32-bit build).
template <class Record, class Integer>
constexpr Field<Record> Integral(std::string_view label, Shown shown, Integer Record::*member,
                                 Listing listing) {
  Field<Record> field{label, shown};
  if constexpr (std::is_same_v<Integer, std::int32_t>) {
    field.number = member;
  } else {
    static_assert(std::is_same_v<Integer, kes::Address>);
    field.wide = member;
  }
  field.listing = listing;
  return field;
}
template <class Record, class Integer>
constexpr Field<Record> Number(std::string_view label, Integer Record::*member,
                               Listing listing = Listing::kAgrees) {
  return Integral(label, Shown::kNumber, member, listing);
}
template <class Record, class Integer>
constexpr Field<Record> Identifier(std::string_view label, Integer Record::*member) {
  return Integral(label, Shown::kIdentifier, member, Listing::kAgrees);
}
template <class Record>
constexpr Field<Record> Priority(std::string_view label, std::int32_t Record::*member) {
  return Integral(label, Shown::kPriority, member, Listing::kAgrees);
}

inline constexpr Field<clsTask> kTask[] = {
    Text("Name: ", &clsTask::msName),
};

// A process's own lines; its module count and modules follow them.
inline constexpr Field<clsProcess> kProcess[] = {
    Text("Process Name:          ", &clsProcess::msExePath),
    Text("File Date:             ", &clsProcess::msFileDateTime),
    Number("File Size:             ", &clsProcess::mlFileSize),
    Version("Version:               ", &clsProcess::moVersionInfo),
    Identifier("Process ID:            ", &clsProcess::mlth32ProcessID),
    Number("Process Handle:        ", &clsProcess::mlProcessHandle),
    Priority("Process Priority:      ", &clsProcess::mlPriority),
    Number("References To Process: ", &clsProcess::mcntUsage),
    Number("Threads:               ", &clsProcess::mcntThreads),
    Number("Base Priority:         ", &clsProcess::mlpcPriClassBase),
    Identifier("Default Heap ID:       ", &clsProcess::mlth32DefaultHeapID),
    Identifier("Parent Process ID:     ", &clsProcess::mlth32ParentProcessID),
    Identifier("Module ID (Assoc EXE): ", &clsProcess::mlth32ModuleID),
};

// One module of a process, after an empty line.
inline constexpr Field<clsModule> kModule[] = {
    Fixed<clsModule>(kEmpty),
    Text("    Module Name: ", &clsModule::msName),
    Text("    File Path:   ", &clsModule::msExePath),
    Number("    File Size:   ", &clsModule::mlFileSize),
    Text("    File Date:   ", &clsModule::msFileDateTime),
    Version("    Version:     ", &clsModule::moVersionInfo),
    Fixed<clsModule>("    The Following Are 'In Context Of The Owning Process'"),
    Number("      Module Usage Count : ", &clsModule::mProccntUsage),
    Identifier("      Module ID          : ", &clsModule::mlth32ModuleID),
    Identifier("      Module Base Address: ", &clsModule::mmodBaseAddr),
    Identifier("      Module Handle      : ", &clsModule::mhModule),
};

// A distinct module, written from its module record.
inline constexpr Field<clsModule> kDistinctModule[] = {
    Text("File Name:          ", &clsModule::msName),
    Text("File Path:          ", &clsModule::msExePath, Listing::kFinds),
    Number("File Size:          ", &clsModule::mlFileSize),
    Text("File Date:          ", &clsModule::msFileDateTime),
    Version("Version:            ", &clsModule::moVersionInfo),
    Number("Base Size:          ", &clsModule::mmodBaseSize, Listing::kOnlyHere),
    Number("Global Usage Count: ", &clsModule::mGlblcntUsage, Listing::kOnlyHere),
    Fixed<clsModule>(kEmpty),
};

// The parser finds a distinct module's listing before it takes the lines
// shown only here.
constexpr bool FindsBeforeOnlyHere() {
  bool found = false;
  for (const Field<clsModule>& field : kDistinctModule) {
    found = found || field.listing == Listing::kFinds;
    if (field.listing == Listing::kOnlyHere && !found) {
      return false;
    }
  }
  return found;
}
static_assert(FindsBeforeOnlyHere());

// The text a line shows after its label (empty for a fixed line); a text
// member as stored, before its control characters are blanked.
template <class Record>
std::string_view ValueText(Display::TextRoom& room, const Record& record,
                           const Field<Record>& field, std::int16_t idView) {
  switch (field.shown) {
    case Shown::kText:
      return record.*field.text;
    case Shown::kNumber:
      return field.number != nullptr ? Display::FormatDecimal(room, record.*field.number)
                                     : Display::FormatDecimal(room, record.*field.wide);
    case Shown::kIdentifier:
      return field.number != nullptr ? Display::FormatIdentifier(room, record.*field.number, idView)
                                     : Display::FormatIdentifier(room, record.*field.wide, idView);
    case Shown::kVersion:
      return Display::FormatVersion(room, record.*field.version);
    case Shown::kPriority:
      return Display::PriorityName(record.*field.number);
    case Shown::kFixed:
      break;
  }
  return {};
}

}  // namespace Report::Layout
