#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "bench/median.h"

namespace bench {

// The process counts a growth series doubles through.
inline const std::vector<int> kGrowthSizes{1000, 2000, 4000, 8000};

// "<what>: 1000=T 2000=T 4000=T 8000=T growth=G G G": each time and how
// many times the one before it each doubling took. Linear growth keeps every
// step near 2; a step near 4 is an algorithm that is quadratic.
inline void PrintSeries(const char* what, const std::vector<int>& sizes,
                        const std::vector<double>& values) {
  std::string line = what;
  line += ":";
  char piece[64];
  for (std::size_t i = 0; i < sizes.size(); ++i) {
    std::snprintf(piece, sizeof piece, " %d=%.2f", sizes[i], values[i]);
    line += piece;
  }
  line += " growth=";
  for (std::size_t i = 1; i < sizes.size(); ++i) {
    std::snprintf(piece, sizeof piece, "%s%.2f", i > 1 ? " " : "",
                  values[i - 1] > 0 ? values[i] / values[i - 1] : 0.0);
    line += piece;
  }
  std::printf("%s\n", line.c_str());
}

}  // namespace bench
