// Shows how the time to compare two reports grows with their size: reports
// of 2,000 and of 4,000 synthetic processes of 60 modules each, the newer one
// with every tenth process another program and some libraries upgraded, read
// from memory and compared. Linear growth keeps the second time within about
// twice the first.
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "bench/median.h"
#include "bench/synthetic_snapshot.h"
#include "report/report_compare.h"
#include "report/report_parser.h"
#include "report/report_writer.h"

namespace {

struct Pair {
  std::string before, after;
};

std::string ReportOf(const bench::Synthetic& snapshot) {
  platform::StringSink text;
  Report::WriteReport(snapshot.Records(), {"12/7/99 9:15:00 AM", 1}, text);
  return text.text;
}

Pair Reports(std::int32_t processes) {
  return {ReportOf(bench::Synthetic(processes)), ReportOf(bench::Synthetic(processes, true))};
}

double CpuMilliseconds() { return 1000.0 * static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

double TimeCompare(const Pair& reports, std::size_t& lines) {
  const double start = CpuMilliseconds();
  const Report::ParsedReport before = Report::ParseReport(reports.before);
  const Report::ParsedReport after = Report::ParseReport(reports.after);
  const Report::Comparison comparison =
      Report::CompareSnapshots(Report::FromReport(before, "old"), Report::FromReport(after, "new"),
                               platform::FileNameRule());
  lines = comparison.Lines().size();
  const double ms = CpuMilliseconds() - start;
  return ms;
}

}  // namespace

int main() {
  const Pair small = Reports(2000), large = Reports(4000);
  std::vector<double> smallTimes, largeTimes;
  std::size_t smallLines = 0, largeLines = 0;
  TimeCompare(large, largeLines);
  for (int round = 0; round < 7; ++round) {
    if (round % 2 == 0) {
      smallTimes.push_back(TimeCompare(small, smallLines));
      largeTimes.push_back(TimeCompare(large, largeLines));
    } else {
      largeTimes.push_back(TimeCompare(large, largeLines));
      smallTimes.push_back(TimeCompare(small, smallLines));
    }
  }
  const double s = Median(smallTimes), l = Median(largeTimes);
  std::printf("compare of two reports of 2000 processes (%zu bytes): %zu lines, %.1f ms\n",
              small.before.size() + small.after.size(), smallLines, s);
  std::printf("compare of two reports of 4000 processes (%zu bytes): %zu lines, %.1f ms\n",
              large.before.size() + large.after.size(), largeLines, l);
  std::printf("compare growth: ratio=%.2f (linear growth stays within 2.2)\n", l / s);
  return 0;
}
