#pragma once

#include <string>

namespace Subs {

// The first-run welcome, its lines joined by line feeds alone.
std::string WelcomeText();
inline constexpr const char* kWelcomeTitle = "Welcome!";

// Message kind 4: the update reminder, with carriage return and line feed.
std::string UpdateReminderText();

// Message kind 1: the notice shown before a web page is opened.
std::string WebNoticeText();

inline constexpr const char* kSettingsLoadFailed = "Couldn't Load/Set Registry Options!";
inline constexpr const char* kWrongPlatform =
    "This utility is designed for Windows95 and Windows98 only.";

// The splash window's note on load times.
std::string SplashNoteText();

// "Version 1.0.0": the about window's version line.
std::string VersionLine();

}  // namespace Subs
