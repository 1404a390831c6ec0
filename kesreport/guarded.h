#pragma once

#include <functional>

#include "kesreport/command_line.h"
#include "platform/text_sink.h"

namespace kesreport {

// Runs the work of a command and returns its exit status. A failure that
// escapes the work (a kes::Failure from a file or the console, or memory
// running out) is one line on `err` and the command's status for a failure:
// for a compare 2, trouble, as comparing tools have it, so that no failure
// reads as "different"; for bad usage 2; otherwise 1. Where `err` cannot be
// written either, the status alone tells.
int Guarded(Action action, platform::TextSink& err, const std::function<int()>& work);

}  // namespace kesreport
