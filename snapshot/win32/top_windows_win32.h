#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "shell/general/error_report.h"
#include "snapshot/take_snapshot.h"

namespace Subs {

// The top windows as GetTasks lists them in a hidden list box: the window's
// own (the explorer's List1), or one made for the listing and destroyed after
// it when none is given.
class ListBoxTopWindows final : public TopWindowTitles {
 public:
  ListBoxTopWindows(HWND list, const ErrorReport& report) : list_(list), report_(report) {}
  std::vector<std::string> Titles() override;

 private:
  HWND list_;
  const ErrorReport& report_;
};

}  // namespace Subs
