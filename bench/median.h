#pragma once

#include <algorithm>
#include <utility>
#include <vector>

inline double Median(std::vector<double> values) {
  if (values.empty()) {
    return 0;
  }
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// The medians of `time(small)` and `time(large)`, taken in turns (each size
// goes first every other round) after one unmeasured large run that grows
// the heap once, so that neither size pays for fresh memory.
template <class Time>
std::pair<double, double> AlternatedMedians(Time time, int small, int large, int rounds = 7) {
  std::vector<double> smallTimes, largeTimes;
  time(large);
  for (int round = 0; round < rounds; ++round) {
    if (round % 2 == 0) {
      smallTimes.push_back(time(small));
      largeTimes.push_back(time(large));
    } else {
      largeTimes.push_back(time(large));
      smallTimes.push_back(time(small));
    }
  }
  return {Median(smallTimes), Median(largeTimes)};
}

// The medians of `time(size)` for each of `sizes`, each round taking the
// sizes from another starting point, after one unmeasured run of the
// largest.
template <class Time>
std::vector<double> SeriesMedians(Time time, const std::vector<int>& sizes, int rounds = 3) {
  std::vector<std::vector<double>> times(sizes.size());
  time(sizes.back());
  for (int round = 0; round < rounds; ++round) {
    for (std::size_t i = 0; i < sizes.size(); ++i) {
      const std::size_t at = (i + static_cast<std::size_t>(round)) % sizes.size();
      times[at].push_back(time(sizes[at]));
    }
  }
  std::vector<double> medians;
  for (const auto& each : times) {
    medians.push_back(Median(each));
  }
  return medians;
}
