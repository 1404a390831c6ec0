#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "explorer/detail_list.h"
#include "platform/text_sink.h"
#include "shell/frame_menus.h"
#include "startup/startup_list.h"

namespace Startup {

inline constexpr const char* kCaption = "Startup Programs";

// The window's menu bar: its File menu, then the frame's View, Tools,
// Window and Help menus with the frame's indexes.
std::span<const Subs::FrameMenuSpec> StartupMenuBar();
inline constexpr int kFilePrintToFile = 0;
inline constexpr int kFileProperties = 2;
inline constexpr int kFileReadAgain = 3;
inline constexpr int kFileClose = 5;

// The Program column: the program's path, or why there is none.
std::string ProgramText(const StartupRow& row);
// The Running column: the process ID in the ID display (hexadecimal when
// `idView` is non-zero), or "No".
std::string RunningText(const StartupRow& row, const StartupList& list, std::int16_t idView);

// The list: Program, Command, Started From, Running, File Size, File Date,
// Version, one row per entry in the list's order.
Explorer::ListContents StartupListContents(const StartupList& list, std::int16_t idView);

// The list as text in the report's style: a heading, then one block per
// entry between separator lines, each line ending in CR LF. Control
// characters in the texts are written as blanks.
void WriteStartupText(const StartupList& list, const std::string& generatedOn, std::int16_t idView,
                      platform::TextSink& sink);

}  // namespace Startup
