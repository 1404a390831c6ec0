#pragma once

#include "shell/win32/mdi_main.h"
#include "shell/win32/shell_context.h"

namespace shellwin {

// The frame's commands that open other subsystems' windows: the explorer
// window and the options dialog register here.
FrameCommands KesviewFrameCommands(const ShellContext& context);

}  // namespace shellwin
