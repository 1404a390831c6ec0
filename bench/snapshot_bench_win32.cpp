// Times a snapshot against the bare platform calls it cannot do without, and
// against the limit (the tool-help calls and each distinct file read once),
// a viewer's later snapshot (the file facts remembered) against its first and
// against the tool-help walk alone, a whole explorer load against the
// snapshot alone, opening Startup Programs against the process walk, with at least 40 extra
// processes that each load the benchmark libraries.
//   snapshot_bench                 the benchmark
//   snapshot_bench --series        and the growth series of the report's
//                                  write, the find and the comparison
//   snapshot_bench --child NAME    a helper: loads the libraries, signals
//                                  NAME-ready, waits for NAME-stop
#include <windows.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "bench/bare_walk.h"
#include "bench/compare_timing.h"
#include "bench/explorer_load_win32.h"
#include "bench/find_timing.h"
#include "bench/median.h"
#include "bench/report_bench_win32.h"
#include "bench/startup_bench_win32.h"
#include "bench/synthetic_snapshot.h"
#include "platform/message_box.h"
#include "platform/progress.h"
#include "platform/win32/common_controls.h"
#include "platform/win32/file_facts_win32.h"
#include "platform/win32/file_name_rule_win32.h"
#include "platform/win32/scoped_handle.h"
#include "platform/win32/text_file_win32.h"
#include "platform/win32/tool_help_win32.h"
#include "report/report_parser.h"
#include "report/report_writer.h"
#include "shell/general/error_report.h"
#include "snapshot/file_facts_memory.h"
#include "snapshot/module_list95.h"

namespace {

constexpr int kChildren = 40;
constexpr int kRounds = 7;
const char* const kLibraries[] = {"bench_a.dll", "bench_b.dll", "bench_c.dll",  "bench_d.dll",
                                  "user32.dll",  "gdi32.dll",   "advapi32.dll", "comctl32.dll",
                                  "shell32.dll", "version.dll", "ole32.dll"};

class QuietProgress : public platform::Progress {
 public:
  void Report(const std::string&) override {}
};

class CountingBoxes : public platform::MessageBoxes {
 public:
  int shown = 0;
  int Show(platform::WindowHandle, const std::string& text, const std::string&, unsigned) override {
    ++shown;
    std::fprintf(stderr, "error report: %s\n", text.c_str());
    return platform::kIdOk;
  }
};

int Child(const std::string& name) {
  for (const char* library : kLibraries) {
    LoadLibraryA(library);
  }
  platform::ScopedHandle ready(OpenEventA(EVENT_MODIFY_STATE, FALSE, (name + "-ready").c_str()));
  platform::ScopedHandle stop(OpenEventA(SYNCHRONIZE, FALSE, (name + "-stop").c_str()));
  if (!ready.Valid() || !stop.Valid()) {
    return 1;
  }
  SetEvent(ready.Get());
  WaitForSingleObject(stop.Get(), 600000);
  return 0;
}

double Milliseconds(const std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - since)
      .count();
}

}  // namespace

// Opening reports of 1,000 and of 2,000 synthetic processes of 60 modules
// each: the file read and parsed, against the whole opening in an explorer
// window (parse included); linear growth keeps both ratios alike.
std::vector<std::string> BenchOpenReports(ExplorerLoads& loads) {
  std::vector<std::string> lines;
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string path = std::string(temp) + "kes-bench-open.txt";
  for (const std::int32_t count : {1000, 2000}) {
    platform::StringSink text;
    const bench::Synthetic snapshot(count);
    Report::WriteReport(snapshot.Records(), {"12/7/99 9:15:00 AM", 1}, text);
    {
      platform::Win32TextFiles files;
      auto file = files.Create(path);
      file->Write(text.text);
      file->Close();
    }
    std::vector<double> parse, load;
    for (int round = 0; round < 3; ++round) {
      const auto start = std::chrono::steady_clock::now();
      platform::Win32TextFiles files;
      const Report::ParsedReport parsed = Report::ParseReport(files.Read(path));
      parse.push_back(Milliseconds(start));
      load.push_back(loads.TimeOpenReport(path));
    }
    const double p = Median(parse), l = Median(load);
    char line[160];
    std::snprintf(line, sizeof line, "open: bytes=%zu parse_ms=%.1f load_ms=%.1f ratio=%.2f",
                  text.text.size(), p, l, p > 0 ? l / p : 0.0);
    lines.emplace_back(line);
  }
  DeleteFileA(path.c_str());
  return lines;
}

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--child") {
    return Child(argv[2]);
  }

  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  const std::string name = "kes-bench-" + std::to_string(GetCurrentProcessId());
  std::vector<platform::ScopedHandle> children, stops;
  for (int i = 0; i < kChildren; ++i) {
    const std::string childName = name + "-" + std::to_string(i);
    platform::ScopedHandle ready(
        CreateEventA(nullptr, TRUE, FALSE, (childName + "-ready").c_str()));
    platform::ScopedHandle childStop(
        CreateEventA(nullptr, TRUE, FALSE, (childName + "-stop").c_str()));
    std::string line = "\"" + std::string(self) + "\" --child " + childName;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS, nullptr,
                        nullptr, &startup, &started)) {
      std::fprintf(stderr, "could not start helper %d\n", i);
      return 1;
    }
    platform::ScopedHandle thread(started.hThread);
    children.emplace_back(started.hProcess);
    stops.push_back(std::move(childStop));
    WaitForSingleObject(ready.Get(), 60000);
  }

  platform::InitCommonControlClasses();
  platform::Win32ToolHelp toolHelp;
  platform::Win32FileFacts facts;
  QuietProgress progress;
  CountingBoxes boxes;
  const Subs::ErrorReport report(boxes);
  ExplorerLoads loads(boxes);
  std::vector<double> engine, bare, limit, load, first, again, walk;
  std::int32_t processes = 0, modules = 0;
  int loadProcesses = 0, loadModules = 0;
  const auto timeEngine = [&] {
    const auto start = std::chrono::steady_clock::now();
    kes::Collection<clsProcess> records;
    ModuleList95::FillProcessList95(records, toolHelp, facts, progress, report);
    const double ms = Milliseconds(start);
    processes = records.Count();
    modules = 0;
    for (std::int32_t i = 1; i <= records.Count(); ++i) {
      modules += records.Item(i).mcolModules.Count();
    }
    return ms;
  };
  // A viewer's first snapshot (nothing remembered) and a later one.
  const platform::Win32FileNameRule rule;
  FileFactsMemory kept(rule);
  const auto timeRemembered = [&](FileFactsMemory& memory) {
    const auto start = std::chrono::steady_clock::now();
    kes::Collection<clsProcess> records;
    {
      FileFactsMemory::Snapshot remembered(memory, facts);
      ModuleList95::FillProcessList95(records, toolHelp, remembered, progress, report);
    }
    return Milliseconds(start);
  };
  const auto timeWalk = [&](FileVisits visits) {
    const auto start = std::chrono::steady_clock::now();
    BareWalk(toolHelp, facts, visits);
    return Milliseconds(start);
  };
  // What each round times; the order turns from round to round.
  std::array<std::function<void()>, 7> runs{
      [&] { engine.push_back(timeEngine()); },
      [&] { bare.push_back(timeWalk(FileVisits::kEveryEntry)); },
      [&] { limit.push_back(timeWalk(FileVisits::kOncePerFile)); },
      [&] { load.push_back(loads.TimeLoad(loadProcesses, loadModules)); },
      [&] {
        FileFactsMemory fresh(rule);
        first.push_back(timeRemembered(fresh));
      },
      [&] { again.push_back(timeRemembered(kept)); },
      [&] { walk.push_back(timeWalk(FileVisits::kNone)); },
  };
  // The first round only warms the system's file cache.
  for (const auto& run : runs) {
    run();
  }
  for (auto* times : {&engine, &bare, &limit, &load, &first, &again, &walk}) {
    times->clear();
  }
  for (int round = 0; round < kRounds; ++round) {
    for (std::size_t i = 0; i < runs.size(); ++i) {
      runs[(i + static_cast<std::size_t>(round)) % runs.size()]();
    }
  }

  const std::string reportLine = BenchReport(toolHelp, facts, progress, report);
  const std::string startupLine = BenchStartup(toolHelp, facts, progress, report);
  const std::vector<std::string> openLines = BenchOpenReports(loads);

  for (const auto& childStop : stops) {
    SetEvent(childStop.Get());
  }
  for (const auto& child : children) {
    WaitForSingleObject(child.Get(), 30000);
  }

  const double e = Median(engine), b = Median(bare), l = Median(limit), x = Median(load);
  std::printf("snapshot: processes=%d modules=%d engine_ms=%.1f bare_ms=%.1f ratio=%.2f\n",
              static_cast<int>(processes), static_cast<int>(modules), e, b, b > 0 ? e / b : 0.0);
  std::printf("limit: engine_ms=%.1f limit_ms=%.1f ratio=%.2f\n", e, l, l > 0 ? e / l : 0.0);
  std::printf("explorer: processes=%d modules=%d load_ms=%.1f engine_ms=%.1f ratio=%.2f\n",
              loadProcesses, loadModules, x, e, e > 0 ? x / e : 0.0);
  const double f = Median(first), a = Median(again), w = Median(walk);
  std::printf("again: first_ms=%.1f again_ms=%.1f walk_ms=%.1f ratio=%.2f\n", f, a, w,
              f > 0 ? a / f : 0.0);
  std::printf("%s\n", reportLine.c_str());
  std::printf("%s\n", startupLine.c_str());
  for (const std::string& line : openLines) {
    std::printf("%s\n", line.c_str());
  }
  bench::PrintFindTimes(platform::Win32FileNameRule());
  if (argc == 2 && std::string(argv[1]) == "--series") {
    std::printf("%s\n", BenchReportSeries().c_str());
    bench::PrintFindSeries(platform::Win32FileNameRule());
    bench::PrintCompareSeries(platform::Win32FileNameRule());
  }
  return boxes.shown == 0 ? 0 : 1;
}
