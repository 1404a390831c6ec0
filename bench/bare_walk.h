#pragma once

#include <cstdint>

#include "platform/file_facts.h"
#include "platform/tool_help.h"

struct BareCounts {
  std::int32_t processes = 0;
  std::int32_t modules = 0;
};

// The platform calls a snapshot cannot do without, made for every process
// and module and with nothing built or remembered: the tool-help entries, the
// priority, the normal-file search, date, length and the three version calls.
BareCounts BareWalk(platform::ToolHelp& toolHelp, platform::FileFacts& facts);
