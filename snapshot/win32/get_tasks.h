#pragma once

#include <windows.h>

#include <cstdint>

#include "platform/file_name_rule.h"
#include "shell/general/error_report.h"

namespace Subs {

// What EnumWindowsProc is given as its application value: the list box that
// receives the titles, and where a failure is reported.
struct TaskListTarget {
  HWND list;
  const ErrorReport& report;
  // A title longer than the buffer is cut; the rule drops a lead byte the
  // cut parted from its second byte.
  const platform::FileNameRule& rule;
};

// Lists the visible top-level windows that have neither parent nor owner and
// carry a title: one entry per window, its title as text and its handle as
// item data, in the order of enumeration. Returns the number of entries.
std::int16_t GetTasks(HWND list, const ErrorReport& report);

// The callback for EnumWindows; `target` is the address of a TaskListTarget.
BOOL CALLBACK EnumWindowsProc(HWND window, LPARAM target);

}  // namespace Subs
