#pragma once

#include <string>
#include <vector>

#include "platform/message_box.h"
#include "platform/progress.h"

// Remembers every message box and answers OK.
class RecordingBoxes : public platform::MessageBoxes {
 public:
  struct Shown {
    std::string text;
    std::string title;
    unsigned style;
  };
  std::vector<Shown> shown;

  int Show(platform::WindowHandle, const std::string& text, const std::string& title,
           unsigned style) override {
    shown.push_back({text, title, style});
    return platform::kIdOk;
  }
};

class RecordingProgress : public platform::Progress {
 public:
  std::vector<std::string> reported;
  void Report(const std::string& text) override { reported.push_back(text); }
};
