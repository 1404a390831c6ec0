#include "bench/report_bench_win32.h"

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <string_view>
#include <vector>

#include "bench/growth.h"
#include "bench/median.h"
#include "bench/synthetic_snapshot.h"
#include "platform/win32/scoped_handle.h"
#include "platform/win32/text_file_win32.h"
#include "report/report_writer.h"
#include "snapshot/take_snapshot.h"
#include "snapshot/win32/top_windows_win32.h"

namespace {

constexpr int kRounds = 15;

double Milliseconds(const std::chrono::steady_clock::time_point since) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - since)
      .count();
}

std::string TempFile(const char* name) {
  char folder[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, folder);
  return std::string(folder) + name;
}

// The medians of writing the report of `records` to a file and of one raw
// write of the same bytes, in milliseconds; `bytes` gets the report's size.
std::pair<double, double> TimeWrites(const Report::SnapshotRecords& records, std::size_t& size,
                                     int rounds) {
  const Report::ReportInputs inputs{"12/7/99 9:15:00 AM", 1};
  platform::StringSink bytes;
  Report::WriteReport(records, inputs, bytes);

  const std::string reportPath = TempFile("kes-bench-report.txt");
  const std::string rawPath = TempFile("kes-bench-raw.txt");
  const auto timeReport = [&] {
    const auto start = std::chrono::steady_clock::now();
    platform::Win32TextFile file(reportPath);
    Report::WriteReport(records, inputs, file);
    file.Close();
    return Milliseconds(start);
  };
  const auto timeRaw = [&] {
    const auto start = std::chrono::steady_clock::now();
    platform::ScopedHandle file(CreateFileA(rawPath.c_str(), GENERIC_WRITE, 0, nullptr,
                                            CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    WriteFile(file.Get(), bytes.text.data(), static_cast<DWORD>(bytes.text.size()), &written,
              nullptr);
    file.Reset();
    return Milliseconds(start);
  };
  std::vector<double> writes, raws;
  timeReport();
  timeRaw();
  for (int round = 0; round < rounds; ++round) {
    if (round % 2 == 0) {
      writes.push_back(timeReport());
      raws.push_back(timeRaw());
    } else {
      raws.push_back(timeRaw());
      writes.push_back(timeReport());
    }
  }
  DeleteFileA(reportPath.c_str());
  DeleteFileA(rawPath.c_str());
  size = bytes.text.size();
  return {Median(writes), Median(raws)};
}

}  // namespace

std::string BenchReport(platform::ToolHelp& toolHelp, platform::FileFacts& facts,
                        platform::Progress& progress, const Subs::ErrorReport& report) {
  Subs::ListBoxTopWindows topWindows(nullptr, report);
  Snapshot snapshot;
  TakeSnapshot(snapshot, {&topWindows, toolHelp, facts}, "12/6/99 3:04:05 PM", progress, report);
  std::size_t size = 0;
  const auto [w, q] = TimeWrites(Report::RecordsOf(snapshot), size, kRounds);
  char line[160];
  std::snprintf(line, sizeof line, "report: bytes=%u write_ms=%.2f raw_ms=%.2f ratio=%.2f",
                static_cast<unsigned>(size), w, q, q > 0 ? w / q : 0.0);
  return line;
}

std::string BenchReportSeries() {
  std::vector<double> ratios;
  for (const int processes : bench::kGrowthSizes) {
    const bench::Synthetic snapshot(processes);
    std::size_t size = 0;
    const auto [w, q] = TimeWrites(snapshot.Records(), size, 3);
    ratios.push_back(q > 0 ? w / q : 0.0);
  }
  std::string line = "report write ratio series:";
  char piece[48];
  for (std::size_t i = 0; i < ratios.size(); ++i) {
    std::snprintf(piece, sizeof piece, " %d=%.2f", bench::kGrowthSizes[i], ratios[i]);
    line += piece;
  }
  return line;
}
