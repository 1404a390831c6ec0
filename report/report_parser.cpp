#include "report/report_parser.h"

#include <charconv>
#include <limits>
#include <memory>
#include <unordered_map>
#include <vector>

#include "report/printable_text.h"
#include "report/report_layout.h"
#include "snapshot/display_rules.h"

namespace Report {

namespace {

using Layout::kSeparator;
using Layout::Listing;
using Layout::Shown;

// The text ended before the report did.
struct CutShort {};
// A line that does not read as the layout asks.
struct Unreadable {
  std::int32_t line;
  std::string why;
};

std::string Quoted(std::string_view text) {
  std::string quoted(1, '"');
  quoted.append(text);
  quoted += '"';
  return quoted;
}

// The report's whole lines, without their ends.
std::vector<std::string_view> WholeLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t from = 0;
  while (from < text.size()) {
    const std::size_t end = text.find('\n', from);
    if (end == std::string_view::npos) {
      break;  // cut in the middle of a line
    }
    std::string_view line = text.substr(from, end - from);
    if (!line.empty() && line.back() == '\r') {
      line.remove_suffix(1);
    }
    lines.push_back(line);
    from = end + 1;
  }
  return lines;
}

bool ReadInt(std::string_view text, int base, std::int64_t& value) {
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value, base);
  return !text.empty() && error == std::errc() && stop == end;
}

class Reader {
 public:
  explicit Reader(std::string_view text) : lines_(WholeLines(text)) {}

  std::int32_t LineNumber() const { return static_cast<std::int32_t>(next_); }

  std::string_view Next() {
    if (next_ >= lines_.size()) {
      throw CutShort{};
    }
    return lines_[next_++];
  }
  // The next line without taking it; throws CutShort at the end.
  std::string_view Peek() const {
    if (next_ >= lines_.size()) {
      throw CutShort{};
    }
    return lines_[next_];
  }
  bool AtEnd() const { return next_ >= lines_.size(); }

  std::size_t PendingIds() const { return ids_.size(); }
  void DropIdsFrom(std::size_t count) { ids_.resize(count); }

  [[noreturn]] void Fail(const std::string& why) const { throw Unreadable{LineNumber(), why}; }

  void Line(std::string_view exact) {
    if (Next() != exact) {
      Fail("expected " + Quoted(exact));
    }
  }
  std::string_view Value(std::string_view label) {
    const std::string_view line = Next();
    if (line.substr(0, label.size()) != label) {
      Fail("expected a line starting " + Quoted(label));
    }
    return line.substr(label.size());
  }
  std::string Text(std::string_view label) {
    std::string text(Value(label));
    BlankControlCharacters(text.data(), text.data() + text.size());
    return text;
  }
  // Integer: std::int32_t, or kes::Address for the members as wide as one.
  template <class Integer = std::int32_t>
  Integer Number(std::string_view label) {
    const std::string_view value = Value(label);
    std::int64_t number = 0;
    if (!ReadInt(value, 10, number) || number < std::numeric_limits<Integer>::min() ||
        number > std::numeric_limits<Integer>::max()) {
      Fail(Quoted(value) + " is not a number");
    }
    return static_cast<Integer>(number);
  }
  void Version(std::string_view label, clsVersionInfo& version) {
    std::string_view rest = Value(label);
    std::uint16_t* parts[] = {&version.mnFileVerMaj, &version.mnFileVerMin, &version.mnFileVerRevHi,
                              &version.mnFileVerRevLo};
    const std::string_view whole = rest;
    for (std::size_t i = 0; i < 4; ++i) {
      const std::size_t dot = i < 3 ? rest.find('.') : rest.size();
      std::int64_t part = 0;
      if (dot == std::string_view::npos || !ReadInt(rest.substr(0, dot), 10, part) || part < 0 ||
          part > UINT16_MAX) {
        Fail(Quoted(whole) + " is not a version");
      }
      *parts[i] = static_cast<std::uint16_t>(part);
      rest = rest.substr(std::min(rest.size(), dot + 1));
    }
  }
  // Identifiers are kept as text until the whole report tells their mode.
  void Id(std::string_view label, std::int32_t& slot) {
    ids_.push_back({&slot, nullptr, Value(label), LineNumber()});
  }
  // A member as wide as an address, where that is wider than 32 bits.
  template <class Wide>
  requires(sizeof(Wide) > sizeof(std::int32_t)) void Id(std::string_view label, Wide& slot) {
    ids_.push_back({nullptr, &slot, Value(label), LineNumber()});
  }

  // Reads the kept identifiers in the mode they show: hexadecimal when one
  // has a letter, decimal when one has a minus sign; both is unreadable.
  void ResolveIds(ParsedReport& report) const {
    const Pending* hexWitness = nullptr;
    const Pending* decimalWitness = nullptr;
    for (const Pending& id : ids_) {
      const bool letter = id.text.find_first_of("ABCDEFabcdef") != std::string_view::npos;
      const bool minus = id.text.find('-') != std::string_view::npos;
      if (letter && hexWitness == nullptr) {
        hexWitness = &id;
      }
      if (minus && decimalWitness == nullptr) {
        decimalWitness = &id;
      }
    }
    if (hexWitness != nullptr && decimalWitness != nullptr) {
      const Pending& later =
          hexWitness->line > decimalWitness->line ? *hexWitness : *decimalWitness;
      throw Unreadable{later.line,
                       Quoted(later.text) + " mixes hexadecimal and decimal identifiers"};
    }
    report.idViewKnown = hexWitness != nullptr || decimalWitness != nullptr;
    report.idView = hexWitness != nullptr ? 1 : 0;
    for (const Pending& id : ids_) {
      std::int64_t value = 0;
      if (!ReadId(id, report.idView, value)) {
        throw Unreadable{id.line, Quoted(id.text) + " is not an identifier"};
      }
      if (id.wide != nullptr) {
        *id.wide = static_cast<kes::Address>(value);
      } else {
        *id.slot = static_cast<std::int32_t>(value);
      }
    }
  }

 private:
  // One identifier's text, kept for a 32-bit member (slot) or a wider one.
  struct Pending {
    std::int32_t* slot;
    kes::Address* wide;
    std::string_view text;
    std::int32_t line;
  };

  // Eight hexadecimal digits at most are the 32 bits the writer shows for any
  // value that fits them (a negative one as its two's complement); a wider
  // member also takes up to sixteen, or any 64-bit decimal.
  static bool ReadId(const Pending& id, std::int16_t idView, std::int64_t& value) {
    const bool wide = id.wide != nullptr;
    if (idView == 0) {
      return ReadInt(id.text, 10, value) && (wide || (value >= INT32_MIN && value <= INT32_MAX));
    }
    if (id.text.size() <= 8) {
      if (!ReadInt(id.text, 16, value)) {
        return false;
      }
      value = static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
      return true;
    }
    std::uint64_t bits = 0;
    const char* end = id.text.data() + id.text.size();
    const auto [stop, error] = std::from_chars(id.text.data(), end, bits, 16);
    value = static_cast<std::int64_t>(bits);
    return wide && id.text.size() <= 16 && error == std::errc() && stop == end;
  }

  std::vector<std::string_view> lines_;
  std::size_t next_ = 0;
  std::vector<Pending> ids_;
};

std::int32_t PriorityOf(Reader& reader, std::string_view label) {
  const std::string_view name = reader.Value(label);
  std::int32_t priority = 0;
  if (!Display::PriorityFromName(name, priority)) {
    reader.Fail(Quoted(name) + " is not a priority");
  }
  return priority;
}

// Reads one line of a record into the member its table names.
template <class Record>
void ReadField(Reader& reader, Record& record, const Layout::Field<Record>& field) {
  switch (field.shown) {
    case Shown::kFixed:
      reader.Line(field.label);
      break;
    case Shown::kText:
      record.*field.text = reader.Text(field.label);
      break;
    case Shown::kNumber:
      if (field.number != nullptr) {
        record.*field.number = reader.Number(field.label);
      } else {
        record.*field.wide = reader.Number<kes::Address>(field.label);
      }
      break;
    case Shown::kIdentifier:
      if (field.number != nullptr) {
        reader.Id(field.label, record.*field.number);
      } else {
        reader.Id(field.label, record.*field.wide);
      }
      break;
    case Shown::kVersion:
      reader.Version(field.label, record.*field.version);
      break;
    case Shown::kPriority:
      record.*field.number = PriorityOf(reader, field.label);
      break;
  }
}

template <class Record, std::size_t n>
void ReadFields(Reader& reader, Record& record, const Layout::Field<Record> (&fields)[n]) {
  for (const Layout::Field<Record>& field : fields) {
    ReadField(reader, record, field);
  }
}

// Runs `read` on a record that is kept only when it is read whole: a record
// cut short is dropped with the identifiers it was waiting for.
template <class Record, class Read>
std::unique_ptr<Record> Whole(Reader& reader, Read read) {
  const std::size_t ids = reader.PendingIds();
  auto record = std::make_unique<Record>();
  try {
    read(*record);
  } catch (const CutShort&) {
    reader.DropIdsFrom(ids);
    throw;
  }
  return record;
}

void ReadModule(Reader& reader, clsProcess& process, std::int32_t& moduleId) {
  auto module =
      Whole<clsModule>(reader, [&reader](clsModule& m) { ReadFields(reader, m, Layout::kModule); });
  module->mlID = ++moduleId;
  process.mcolModules.Add(std::move(module));
}

void ReadProcess(Reader& reader, ParsedReport& report, std::int32_t& moduleId) {
  std::int32_t modules = 0;
  auto read = Whole<clsProcess>(reader, [&reader, &modules](clsProcess& p) {
    ReadFields(reader, p, Layout::kProcess);
    modules = reader.Number(Layout::kModuleCount);
    if (modules < 0) {
      reader.Fail("a negative number of modules");
    }
  });
  read->mlID = report.processes.Count() + 1;
  clsProcess& process = report.processes.Add(std::move(read));
  for (std::int32_t j = 0; j < modules; ++j) {
    ReadModule(reader, process, moduleId);
  }
  reader.Line(Layout::kEmpty);
}

// Where each module path first occurs.
using FirstOccurrence = std::unordered_map<std::string_view, std::pair<std::int32_t, std::int32_t>>;

FirstOccurrence FirstOccurrences(const kes::Collection<clsProcess>& processes) {
  FirstOccurrence first;
  for (std::int32_t i = 1; i <= processes.Count(); ++i) {
    const kes::Collection<clsModule>& modules = processes.Item(i).mcolModules;
    for (std::int32_t j = 1; j <= modules.Count(); ++j) {
      first.emplace(modules.Item(j).msExePath, std::make_pair(i, j));
    }
  }
  return first;
}

// A distinct module is written from the first module record with its path:
// its path finds that record, the lines shown there too must agree with it
// once they are read, and the lines shown only here go to it.
void ReadDistinctModule(Reader& reader, ParsedReport& report, const FirstOccurrence& first) {
  clsModule read;
  clsModule* module = nullptr;
  std::pair<std::int32_t, std::int32_t> at;
  bool agreed = false;
  for (const Layout::Field<clsModule>& field : Layout::kDistinctModule) {
    if (field.listing == Listing::kOnlyHere && !agreed) {
      for (const Layout::Field<clsModule>& shared : Layout::kDistinctModule) {
        Display::TextRoom mine, listed;
        if (shared.listing == Listing::kAgrees &&
            Layout::ValueText(mine, read, shared, 0) !=
                Layout::ValueText(listed, *module, shared, 0)) {
          reader.Fail("the module " + Quoted(read.msExePath) + " differs from its first listing");
        }
      }
      agreed = true;
    }
    ReadField(reader, field.listing == Listing::kOnlyHere ? *module : read, field);
    if (field.listing == Listing::kFinds) {
      const auto found = first.find(read.msExePath);
      if (found == first.end()) {
        reader.Fail("no process lists the module " + Quoted(read.msExePath));
      }
      at = found->second;
      module = &report.processes.Item(at.first).mcolModules.Item(at.second);
    }
  }
  auto& unique = report.uniqueModules.Add(std::make_unique<clsUniqueModule>());
  unique.mlProcID = at.first;
  unique.mlModID = at.second;
  unique.msExePath = read.msExePath;
}

// A section's heading and, where it has one, its total and the line with
// one blank; the total, or -1 where there is none.
std::int32_t ReadSection(Reader& reader, const Layout::Section& section) {
  reader.Line(section.heading);
  if (section.total.empty()) {
    return -1;
  }
  const std::int32_t total = reader.Number(section.total);
  reader.Line(Layout::kOneBlank);
  return total;
}

void ReadSections(Reader& reader, ParsedReport& report) {
  if (reader.Next().substr(0, Layout::kBannerStart.size()) != Layout::kBannerStart) {
    reader.Fail("not a Kestrel report");
  }
  report.generatedOn = reader.Text(Layout::kGeneratedOn);
  reader.Line(kSeparator);
  report.caption = reader.Text(Layout::kCaption);
  reader.Line(kSeparator);
  reader.Line(Layout::kEmpty);

  ReadSection(reader, Layout::kTopWindows);
  while (reader.Peek() != kSeparator) {
    auto& task = report.tasks.Add(std::make_unique<clsTask>());
    task.mlID = report.tasks.Count();
    ReadFields(reader, task, Layout::kTask);
  }
  reader.Next();
  report.tasksComplete = true;
  reader.Line(Layout::kEmpty);

  const std::int32_t processes = ReadSection(reader, Layout::kProcesses);
  std::int32_t moduleId = 0;
  while (reader.Peek() != kSeparator) {
    ReadProcess(reader, report, moduleId);
  }
  reader.Next();
  if (report.processes.Count() != processes) {
    reader.Fail("the report lists " + std::to_string(report.processes.Count()) +
                " processes, its total says " + std::to_string(processes));
  }
  report.processesComplete = true;
  reader.Line(Layout::kEmpty);

  const std::int32_t modules = ReadSection(reader, Layout::kModules);
  const FirstOccurrence first = FirstOccurrences(report.processes);
  while (reader.Peek() != Layout::kEndLine) {
    ReadDistinctModule(reader, report, first);
  }
  reader.Next();
  if (report.uniqueModules.Count() != modules) {
    reader.Fail("the report lists " + std::to_string(report.uniqueModules.Count()) +
                " modules, its total says " + std::to_string(modules));
  }
  report.modulesComplete = true;
  report.complete = true;
  if (!reader.AtEnd()) {
    reader.Next();
    reader.Fail("text after the end of the report");
  }
}

}  // namespace

ParsedReport ParseReport(std::string_view text) {
  ParsedReport report;
  Reader reader(text);
  try {
    try {
      ReadSections(reader, report);
    } catch (const CutShort&) {
      // Read as far as it goes; the flags say how far.
      if (reader.LineNumber() == 0) {
        throw Unreadable{1, "not a Kestrel report (no line)"};
      }
    }
    report.linesRead = reader.LineNumber();
    reader.ResolveIds(report);
    // A module's owner is its process, whose identifier is known only now.
    for (std::int32_t i = 1; i <= report.processes.Count(); ++i) {
      clsProcess& process = report.processes.Item(i);
      for (std::int32_t j = 1; j <= process.mcolModules.Count(); ++j) {
        process.mcolModules.Item(j).mlth32ProcessID = process.mlth32ProcessID;
      }
    }
  } catch (const Unreadable& unreadable) {
    report.errorLine = unreadable.line;
    report.error = unreadable.why;
  }
  return report;
}

}  // namespace Report
