#pragma once

#include <windows.h>

#include <atomic>
#include <string>

#include "platform/win32/scoped_handle.h"
#include "tests/fakes/win32_helpers.h"

namespace kes_test {

// A running copy of snapshot_child (or of a program that behaves like it)
// that has loaded the given libraries; it is stopped and waited for when the
// object goes.
class ChildProcess {
 public:
  ChildProcess(const std::string& exe, const std::string& libraries) {
    static int count = 0;
    const std::string name =
        "kes-child-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++count);
    ready_ = platform::ScopedHandle(CreateEventA(nullptr, TRUE, FALSE, (name + "-ready").c_str()));
    stop_ = platform::ScopedHandle(CreateEventA(nullptr, TRUE, FALSE, (name + "-stop").c_str()));
    const PROCESS_INFORMATION started = StartProgram("\"" + exe + "\" " + name + " " + libraries);
    process_ = platform::ScopedHandle(started.hProcess);
    platform::ScopedHandle thread(started.hThread);
    id_ = started.dwProcessId;
    if (!process_.Valid()) return;
    const HANDLE either[] = {ready_.Get(), process_.Get()};
    ready = WaitForMultipleObjects(2, either, FALSE, 30000) == WAIT_OBJECT_0;
  }
  ~ChildProcess() {
    SetEvent(stop_.Get());
    if (process_.Valid()) WaitForSingleObject(process_.Get(), 30000);
  }
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  DWORD Id() const { return id_; }
  bool ready = false;

 private:
  platform::ScopedHandle ready_;
  platform::ScopedHandle stop_;
  platform::ScopedHandle process_;
  DWORD id_ = 0;
};

// Starts short-lived copies of a child program one after another, each
// loading `libraries` and ending at once, until told to stop: the worker of
// a thread started with CreateThread(..., ChurnLoop, &churn, ...).
struct Churn {
  std::string child;
  std::string libraries;
  std::atomic<bool> stop{false};
  std::atomic<int> started{0};
};

inline DWORD WINAPI ChurnLoop(LPVOID param) {
  auto& state = *static_cast<Churn*>(param);
  while (!state.stop) {
    const PROCESS_INFORMATION quick = StartProgram("\"" + state.child + "\" - " + state.libraries);
    platform::ScopedHandle process(quick.hProcess), thread(quick.hThread);
    if (!process.Valid()) {
      continue;
    }
    ++state.started;
    WaitForSingleObject(process.Get(), 10000);
  }
  return 0;
}

}  // namespace kes_test
