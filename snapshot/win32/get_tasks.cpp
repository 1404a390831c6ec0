#include "snapshot/win32/get_tasks.h"

#include <exception>
#include <string>

#include "platform/failure.h"
#include "platform/win32/file_name_rule_win32.h"
#include "shell/general/failure_handler.h"

namespace Subs {

namespace {

constexpr int kTitleBuffer = 256;

LRESULT SendToList(HWND list, UINT message, WPARAM wParam, LPARAM lParam) {
  const LRESULT result = SendMessageA(list, message, wParam, lParam);
  if (result == LB_ERR || result == LB_ERRSPACE) {
    throw kes::Failure(kes::kErrApplicationBase, "The window list could not take another entry");
  }
  return result;
}

bool IsTask(HWND window) {
  // The tests run in this order; only a window that passes all three is read
  // for its title.
  return IsWindowVisible(window) != 0 && GetParent(window) == nullptr &&
         GetWindowLongPtrA(window, GWLP_HWNDPARENT) == 0;
}

}  // namespace

std::int16_t GetTasks(HWND list, const ErrorReport& report) {
  return WithFailureHandler(report, "Subs", "GetTasks", std::int16_t{0}, [&] {
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    const platform::Win32FileNameRule rule;
    TaskListTarget target{list, report, rule};
    EnumWindows(EnumWindowsProc, reinterpret_cast<LPARAM>(&target));
    return static_cast<std::int16_t>(SendMessageA(list, LB_GETCOUNT, 0, 0));
  });
}

BOOL CALLBACK EnumWindowsProc(HWND window, LPARAM target) {
  const auto& to = *reinterpret_cast<const TaskListTarget*>(target);
  // A failure leaves the entries added so far and ends the enumeration.
  return WithFailureHandler(to.report, "Subs", "EnumWindowsProc", BOOL{FALSE}, [&]() -> BOOL {
    if (!IsTask(window)) {
      return TRUE;
    }
    std::string title(kTitleBuffer, ' ');
    const int length = GetWindowTextA(window, title.data(), kTitleBuffer);
    const std::size_t whole =
        length <= 0
            ? 0
            : to.rule
                  .WholeCharacters(std::string_view(title.data(), static_cast<std::size_t>(length)))
                  .size();
    if (whole == 0) {
      return TRUE;
    }
    title.resize(whole);
    const LRESULT index =
        SendToList(to.list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(title.c_str()));
    SendToList(to.list, LB_SETITEMDATA, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(window));
    return TRUE;
  });
}

}  // namespace Subs
