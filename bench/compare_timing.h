#pragma once

#include <cstdint>
#include <string>

#include "bench/growth.h"
#include "bench/silent.h"
#include "bench/synthetic_snapshot.h"
#include "platform/file_name_rule.h"
#include "report/report_compare.h"
#include "report/report_parser.h"
#include "report/report_writer.h"

namespace bench {

// Two reports of `processes` synthetic processes, the newer one with every
// tenth process another program and some libraries upgraded.
struct ReportPair {
  std::string before, after;
  explicit ReportPair(std::int32_t processes)
      : before(Text(Synthetic(processes))), after(Text(Synthetic(processes, true))) {}

  static std::string Text(const Synthetic& snapshot) {
    platform::StringSink text;
    Report::WriteReport(snapshot.Records(), {"12/7/99 9:15:00 AM", 1}, text);
    return text.text;
  }
};

// The processor time of reading both reports from memory and comparing them
// as `kesreport /compare` does; `lines` gets the comparison's length.
inline double TimeCompare(const ReportPair& reports, const platform::FileNameRule& rule,
                          std::size_t& lines) {
  const double start = CpuMilliseconds();
  const Report::ParsedReport before = Report::ParseReport(reports.before);
  const Report::ParsedReport after = Report::ParseReport(reports.after);
  const Report::Comparison comparison = Report::CompareSnapshots(
      Report::FromReport(before, "old"), Report::FromReport(after, "new"), rule);
  lines = comparison.Lines().size();
  return CpuMilliseconds() - start;
}

// `compare series: ...` over the growth sizes, paths matched by `rule`.
inline void PrintCompareSeries(const platform::FileNameRule& rule) {
  std::vector<ReportPair> pairs;
  for (const int size : kGrowthSizes) {
    pairs.emplace_back(size);
  }
  std::size_t lines = 0;
  const auto medians = SeriesMedians(
      [&](int size) {
        for (std::size_t i = 0; i < kGrowthSizes.size(); ++i) {
          if (kGrowthSizes[i] == size) {
            return TimeCompare(pairs[i], rule, lines);
          }
        }
        return 0.0;
      },
      kGrowthSizes);
  PrintSeries("compare series (ms)", kGrowthSizes, medians);
}

}  // namespace bench
