// Shows how the time to write a report grows with the snapshot: 2,000 and
// 4,000 synthetic processes of 60 modules each, drawn from a pool of shared
// libraries, written to memory. Linear growth keeps the second time within
// about twice the first.
#include <cstdio>
#include <ctime>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "bench/median.h"
#include "platform/text_sink.h"
#include "report/report_writer.h"

namespace {

constexpr std::int32_t kModulesPerProcess = 60;
constexpr std::int32_t kSharedLibraries = 400;

// Keeps the text, as a file's buffer would, and reuses its room.
class MemoryText final : public platform::TextSink {
 public:
  void Write(std::string_view piece) override { text.append(piece); }
  std::string text;
};

// Process i loads 60 libraries starting at i; every library is a distinct
// module from the first process that loads it.
struct Synthetic {
  std::string caption = "Snapshot Taken At 12/6/99 3:04:05 PM";
  kes::Collection<clsTask> tasks;
  kes::Collection<clsProcess> processes;
  kes::Collection<clsUniqueModule> uniqueModules;

  explicit Synthetic(std::int32_t count) {
    std::vector<bool> seen(kSharedLibraries, false);
    std::int32_t moduleId = 0;
    for (std::int32_t i = 1; i <= count; ++i) {
      auto process = std::make_unique<clsProcess>();
      process->mlID = i;
      process->msExePath = "C:\\APPS\\APP" + std::to_string(i) + ".EXE";
      process->msFileDateTime = "05/11/1998 08:01:00 PM";
      process->mlth32ProcessID = -i * 4096;
      process->mlPriority = 32;
      for (std::int32_t j = 1; j <= kModulesPerProcess; ++j) {
        const std::int32_t library = (i + j - 1) % kSharedLibraries;
        auto module = std::make_unique<clsModule>();
        module->mlID = ++moduleId;
        module->msName = "LIB" + std::to_string(library) + ".DLL";
        module->msExePath = "C:\\WINDOWS\\SYSTEM\\" + module->msName;
        module->msFileDateTime = process->msFileDateTime;
        module->mmodBaseAddr = library * 65536 - 0x40000000;
        module->mhModule = module->mmodBaseAddr;
        process->mcolModules.Add(std::move(module));
        if (!seen[library]) {
          seen[library] = true;
          auto unique = std::make_unique<clsUniqueModule>();
          unique->mlProcID = i;
          unique->mlModID = j;
          uniqueModules.Add(std::move(unique));
        }
      }
      processes.Add(std::move(process));
    }
  }
};

double CpuMilliseconds() { return 1000.0 * static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

double TimeReport(const Synthetic& snapshot, MemoryText& sink) {
  sink.text.clear();
  const double start = CpuMilliseconds();
  Report::WriteReport(
      {snapshot.caption, snapshot.tasks, snapshot.processes, snapshot.uniqueModules},
      {"12/7/99 9:15:00 AM", 1}, sink);
  return CpuMilliseconds() - start;
}

}  // namespace

int main() {
  const Synthetic small(2000), large(4000);
  MemoryText sink;
  std::vector<double> smallTimes, largeTimes;
  TimeReport(large, sink);  // grows the text's room once
  const std::size_t largeBytes = sink.text.size();
  for (int round = 0; round < 7; ++round) {
    if (round % 2 == 0) {
      smallTimes.push_back(TimeReport(small, sink));
      largeTimes.push_back(TimeReport(large, sink));
    } else {
      largeTimes.push_back(TimeReport(large, sink));
      smallTimes.push_back(TimeReport(small, sink));
    }
  }
  TimeReport(small, sink);
  const double s = Median(smallTimes), l = Median(largeTimes);
  std::printf("report of 2000 processes, 60 modules each: %zu bytes, %.1f ms\n", sink.text.size(),
              s);
  std::printf("report of 4000 processes, 60 modules each: %zu bytes, %.1f ms\n", largeBytes, l);
  std::printf("report growth: ratio=%.2f (linear growth stays within 2.2)\n", l / s);
  return 0;
}
