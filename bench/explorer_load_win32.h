#pragma once

#include <memory>
#include <string>

#include "platform/message_box.h"

// Times whole explorer loads (steps 1 to 16, in a real window of a real
// frame): each run opens a new explorer window in the frame and closes it
// afterwards, outside the time.
class ExplorerLoads {
 public:
  // Message boxes, error reports among them, go to `boxes`.
  explicit ExplorerLoads(platform::MessageBoxes& boxes);
  ~ExplorerLoads();

  // Milliseconds of one load; `processes` and `modules` get its totals.
  double TimeLoad(int& processes, int& modules);
  // Milliseconds of opening the report at `path` in an explorer window:
  // read, parsed and shown.
  double TimeOpenReport(const std::string& path);

 private:
  struct Shell;
  std::unique_ptr<Shell> shell_;
};
