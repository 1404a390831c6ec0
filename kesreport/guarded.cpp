#include "kesreport/guarded.h"

#include <exception>
#include <new>
#include <string>

namespace kesreport {

namespace {

int FailureStatus(Action action) {
  switch (action) {
    case Action::kCompare:
      return kExitTrouble;
    case Action::kBadUsage:
      return kExitBadUsage;
    case Action::kSnapshot:
    case Action::kStartup:
    case Action::kUsage:
      break;
  }
  return kExitFailure;
}

void Tell(platform::TextSink& err, const char* what) {
  try {
    err.Write("kesreport: " + std::string(what) + "\r\n");
  } catch (const std::exception&) {
    // Standard error fails too: there is nobody left to tell.
  }
}

}  // namespace

int Guarded(Action action, platform::TextSink& err, const std::function<int()>& work) {
  try {
    return work();
  } catch (const std::bad_alloc&) {
    Tell(err, "out of memory");
  } catch (const std::exception& failure) {
    Tell(err, failure.what());
  }
  return FailureStatus(action);
}

}  // namespace kesreport
