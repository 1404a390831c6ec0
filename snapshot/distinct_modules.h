#pragma once

#include "platform/progress.h"
#include "snapshot/collection.h"
#include "snapshot/process.h"
#include "snapshot/unique_module.h"

// Appends one clsUniqueModule per module path not yet in `unique`, visiting
// the processes and their modules in collection order, so the distinct
// modules come in order of first occurrence. Paths are exact, case-sensitive
// text, looked up by hashing. Each new path is named in `progress`, if any.
// The one routine that tells a snapshot's distinct modules.
void FindDistinctModules(const kes::Collection<clsProcess>& processes,
                         kes::Collection<clsUniqueModule>& unique,
                         platform::Progress* progress = nullptr);
