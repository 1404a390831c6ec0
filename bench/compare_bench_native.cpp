// Shows how the time to compare two reports grows with their size: reports
// of 2,000 and of 4,000 synthetic processes of 60 modules each, the newer one
// with every tenth process another program and some libraries upgraded, read
// from memory and compared. Linear growth keeps the second time within about
// twice the first. Then the series from 1,000 to 8,000 processes, which tells
// an algorithm that grows faster than its input from the memory's effects.
#include <cstdio>
#include <vector>

#include "bench/compare_timing.h"
#include "bench/median.h"

int main() {
  const platform::FileNameRule rule;
  const bench::ReportPair small(2000), large(4000);
  std::size_t smallLines = 0, largeLines = 0;
  const auto [s, l] = AlternatedMedians(
      [&](int processes) {
        return processes == 2000 ? bench::TimeCompare(small, rule, smallLines)
                                 : bench::TimeCompare(large, rule, largeLines);
      },
      2000, 4000);
  std::printf("compare of two reports of 2000 processes (%zu bytes): %zu lines, %.1f ms\n",
              small.before.size() + small.after.size(), smallLines, s);
  std::printf("compare of two reports of 4000 processes (%zu bytes): %zu lines, %.1f ms\n",
              large.before.size() + large.after.size(), largeLines, l);
  std::printf("compare growth: ratio=%.2f (linear growth stays within 2.2)\n", l / s);
  bench::PrintCompareSeries(rule);
  return 0;
}
