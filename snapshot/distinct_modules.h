#pragma once

#include "snapshot/collection.h"
#include "snapshot/process.h"
#include "snapshot/unique_module.h"

// Appends one clsUniqueModule per module path not yet in `unique`, visiting
// the processes and their modules in collection order, so the distinct
// modules come in order of first occurrence. Paths are exact, case-sensitive
// text, looked up by hashing.
void FindDistinctModules(const kes::Collection<clsProcess>& processes,
                         kes::Collection<clsUniqueModule>& unique);
