#include "snapshot/win32/top_windows_win32.h"

#include <algorithm>
#include <optional>

#include "snapshot/win32/get_tasks.h"

namespace Subs {

namespace {

// A list box that is never shown, for a listing without a window of its own.
class HiddenList {
 public:
  HiddenList()
      : list_(CreateWindowA("LISTBOX", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                            GetModuleHandleA(nullptr), nullptr)) {}
  ~HiddenList() {
    if (list_ != nullptr) {
      DestroyWindow(list_);
    }
  }
  HiddenList(const HiddenList&) = delete;
  HiddenList& operator=(const HiddenList&) = delete;
  HWND Handle() const { return list_; }

 private:
  HWND list_;
};

}  // namespace

std::vector<std::string> ListBoxTopWindows::Titles() {
  std::optional<HiddenList> own;
  HWND list = list_;
  if (list == nullptr) {
    list = own.emplace().Handle();
    if (list == nullptr) {
      return {};
    }
  }
  GetTasks(list, report_);
  // The count is read once, before the entries.
  const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
  std::vector<std::string> titles;
  titles.reserve(static_cast<std::size_t>(std::max(count, 0)));
  for (int i = 0; i < count; ++i) {
    const LRESULT length = SendMessageA(list, LB_GETTEXTLEN, i, 0);
    std::string title(static_cast<std::size_t>(std::max<LRESULT>(length, 0)) + 1, '\0');
    SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(title.data()));
    title.resize(title.find('\0'));
    titles.push_back(std::move(title));
  }
  return titles;
}

}  // namespace Subs
