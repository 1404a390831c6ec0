#pragma once

#include "platform/file_name_rule.h"
#include "shell/general/error_report.h"
#include "snapshot/file_facts_memory.h"
#include "startup/startup_list.h"

namespace startupwin {

// Everything that starts with Windows, as the places hold it now, matched
// with a snapshot of the processes taken through `memory` (the viewer's
// remembered file facts). A failure of the process walk is reported to
// `report` and leaves the list's `walked` false.
Startup::StartupList ReadStartupNow(FileFactsMemory& memory, const platform::FileNameRule& rule,
                                    const Subs::ErrorReport& report);

}  // namespace startupwin
