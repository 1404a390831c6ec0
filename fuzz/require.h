#pragma once

#include <cstdlib>

// A finding: what a fuzz target checks does not hold, so the run stops here
// and keeps the input.
inline void Require(bool holds) {
  if (!holds) {
    std::abort();
  }
}
