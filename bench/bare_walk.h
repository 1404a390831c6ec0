#pragma once

#include <cstdint>

#include "platform/file_facts.h"
#include "platform/tool_help.h"

struct BareCounts {
  std::int32_t processes = 0;
  std::int32_t modules = 0;
};

// Whose file facts a walk reads: every process's and module's, each
// distinct file's once, or none (the tool-help walk alone).
enum class FileVisits { kEveryEntry, kOncePerFile, kNone };

// The platform calls a snapshot cannot do without, made for every process
// and module and with nothing built: the tool-help entries, the priority, the
// normal-file search, date, length and the three version calls; with
// kOncePerFile only the paths already read are remembered.
BareCounts BareWalk(platform::ToolHelp& toolHelp, platform::FileFacts& facts,
                    FileVisits visits = FileVisits::kEveryEntry);
