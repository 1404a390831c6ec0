// The report writer over snapshots made from the fuzzer's bytes: it never
// crashes, every write is one line ending in CR LF with no other control
// character (texts from outside have theirs blanked), and the number of lines
// follows from the records. A distinct module that points at no module record
// stops the report with failure 9 after the lines before it.
//
// Input, read front to back: the ID setting, the caption, then records until
// the bytes run out, each chosen by one byte (task, process, module of the
// last process, distinct module) and filled from the bytes after it.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/failure.h"
#include "platform/text_sink.h"
#include "report/printable_text.h"
#include "report/report_writer.h"

namespace {

constexpr std::size_t kMaxText = 300;
constexpr std::int32_t kFixedLines = 18;    // banner to "Total Processes", sections, end
constexpr std::int32_t kProcessLines = 15;  // 14 labelled lines and the closing empty one
constexpr std::int32_t kModuleLines = 11;   // an empty line and ten
constexpr std::int32_t kDistinctLines = 8;  // seven labelled lines and an empty one

class CheckedSink final : public platform::TextSink {
 public:
  void Write(std::string_view text) override {
    if (text.size() < 2 || text.substr(text.size() - 2) != "\r\n" ||
        std::any_of(text.begin(), text.end() - 2, Report::IsControlCharacter)) {
      std::abort();
    }
    ++lines;
  }
  std::int32_t lines = 0;
};

std::string Text(FuzzedDataProvider& data) { return data.ConsumeRandomLengthString(kMaxText); }

std::int32_t Number(FuzzedDataProvider& data) { return data.ConsumeIntegral<std::int32_t>(); }

void FillVersion(FuzzedDataProvider& data, clsVersionInfo& version) {
  version.mnFileVerMaj = data.ConsumeIntegral<std::uint16_t>();
  version.mnFileVerMin = data.ConsumeIntegral<std::uint16_t>();
  version.mnFileVerRevHi = data.ConsumeIntegral<std::uint16_t>();
  version.mnFileVerRevLo = data.ConsumeIntegral<std::uint16_t>();
}

void AddProcess(FuzzedDataProvider& data, kes::Collection<clsProcess>& processes) {
  auto process = std::make_unique<clsProcess>();
  process->mlID = processes.Count() + 1;
  process->msExePath = Text(data);
  process->msFileDateTime = Text(data);
  process->mlFileSize = Number(data);
  FillVersion(data, process->moVersionInfo);
  process->mlth32ProcessID = Number(data);
  process->mlProcessHandle = Number(data);
  process->mlPriority = Number(data);
  process->mcntUsage = Number(data);
  process->mcntThreads = Number(data);
  process->mlpcPriClassBase = Number(data);
  process->mlth32DefaultHeapID = Number(data);
  process->mlth32ParentProcessID = Number(data);
  process->mlth32ModuleID = Number(data);
  processes.Add(std::move(process));
}

void AddModule(FuzzedDataProvider& data, clsProcess& process) {
  auto module = std::make_unique<clsModule>();
  module->msName = Text(data);
  module->msExePath = Text(data);
  module->mlFileSize = Number(data);
  module->msFileDateTime = Text(data);
  FillVersion(data, module->moVersionInfo);
  module->mProccntUsage = Number(data);
  module->mlth32ModuleID = Number(data);
  module->mmodBaseAddr = Number(data);
  module->mhModule = Number(data);
  module->mGlblcntUsage = Number(data);
  module->mmodBaseSize = Number(data);
  process.mcolModules.Add(std::move(module));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  FuzzedDataProvider data(bytes, size);
  const auto idView = data.ConsumeIntegral<std::int16_t>();
  std::string caption = Text(data);
  kes::Collection<clsTask> tasks;
  kes::Collection<clsProcess> processes;
  kes::Collection<clsUniqueModule> uniqueModules;
  while (data.remaining_bytes() > 0) {
    switch (data.ConsumeIntegralInRange<int>(0, 3)) {
      case 0: {
        auto task = std::make_unique<clsTask>();
        task->mlID = tasks.Count() + 1;
        task->msName = Text(data);
        tasks.Add(std::move(task));
        break;
      }
      case 1:
        AddProcess(data, processes);
        break;
      case 2:
        if (processes.Count() > 0) {
          AddModule(data, processes.Item(processes.Count()));
        }
        break;
      default: {
        // Mostly a real position pair, sometimes one that points nowhere.
        auto unique = std::make_unique<clsUniqueModule>();
        unique->mlProcID = data.ConsumeIntegralInRange<std::int32_t>(0, processes.Count() + 1);
        unique->mlModID = data.ConsumeIntegralInRange<std::int32_t>(0, 4);
        uniqueModules.Add(std::move(unique));
        break;
      }
    }
  }

  // The lines the records call for, up to the first distinct module that
  // cannot be read.
  std::int32_t expected = kFixedLines + tasks.Count();
  for (std::int32_t i = 1; i <= processes.Count(); ++i) {
    expected += kProcessLines + kModuleLines * processes.Item(i).mcolModules.Count();
  }
  bool readable = true;
  for (std::int32_t k = 1; k <= uniqueModules.Count() && readable; ++k) {
    const clsUniqueModule& unique = uniqueModules.Item(k);
    readable = unique.mlProcID >= 1 && unique.mlProcID <= processes.Count() &&
               unique.mlModID >= 1 &&
               unique.mlModID <= processes.Item(unique.mlProcID).mcolModules.Count();
    if (readable) {
      expected += kDistinctLines;
    }
  }
  if (!readable) {
    expected -= 1;  // no end line
  }
  CheckedSink sink;
  bool failed = false;
  try {
    Report::WriteReport({caption, tasks, processes, uniqueModules}, {"now", idView}, sink);
  } catch (const kes::Failure& failure) {
    if (failure.Number() != kes::kErrSubscriptOutOfRange) {
      std::abort();
    }
    failed = true;
  }
  if (failed == readable || sink.lines != expected) {
    std::abort();
  }
  return 0;
}
