#pragma once

#include <ctime>
#include <string>

#include "platform/message_box.h"
#include "platform/progress.h"

// Message boxes answered with OK and progress shown nowhere: what the
// in-memory benchmarks measure is the work, not the showing.
class Silent : public platform::MessageBoxes, public platform::Progress {
 public:
  int Show(platform::WindowHandle, const std::string&, const std::string&, unsigned) override {
    return platform::kIdOk;
  }
  void Report(const std::string&) override {}
};

// The processor time of this process: the machine is shared, and waiting for
// the processor says nothing about the code measured.
inline double CpuMilliseconds() {
  return 1000.0 * static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}
