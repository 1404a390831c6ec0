#pragma once
// GoogleTest's hook for a platform's own definitions, used by the Windows
// build. The win32 thread model of the cross compiler has no std::mutex or
// std::condition_variable, which GoogleTest's Notification is written with;
// everything else it needs it takes from its own Win32 code. Notification
// only serves GoogleTest's own thread tests, so a plain flag does.
#include <atomic>

#define GTEST_HAS_NOTIFICATION_ 1

namespace testing::internal {

class Notification {
 public:
  Notification() = default;
  Notification(const Notification&) = delete;
  Notification& operator=(const Notification&) = delete;

  void Notify() { notified_ = true; }
  void WaitForNotification() {
    while (!notified_) {
    }
  }

 private:
  std::atomic<bool> notified_{false};
};

}  // namespace testing::internal
