// Shows how the time to write a report grows with the snapshot: 2,000 and
// 4,000 synthetic processes of 60 modules each, drawn from a pool of shared
// libraries, written to memory. Linear growth keeps the second time within
// about twice the first.
#include <cstdio>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "bench/median.h"
#include "bench/synthetic_snapshot.h"
#include "platform/text_sink.h"
#include "report/report_writer.h"

namespace {

using bench::Synthetic;

double CpuMilliseconds() { return 1000.0 * static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

double TimeReport(const Synthetic& snapshot, platform::StringSink& sink) {
  sink.text.clear();
  const double start = CpuMilliseconds();
  Report::WriteReport(snapshot.Records(), {"12/7/99 9:15:00 AM", 1}, sink);
  return CpuMilliseconds() - start;
}

}  // namespace

int main() {
  const Synthetic small(2000), large(4000);
  platform::StringSink sink;
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
