#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "platform/message_box.h"
#include "platform/progress.h"

namespace kes_test {

// Message boxes that are answered with OK at once and remembered.
class RecordingBoxes final : public platform::MessageBoxes {
 public:
  struct Box {
    std::string text;
    std::string title;
    unsigned style;
    bool operator==(const Box&) const = default;
  };

  int Show(platform::WindowHandle, const std::string& text, const std::string& title,
           unsigned style) override {
    shown.push_back({text, title, style});
    return platform::kIdOk;
  }

  std::vector<Box> shown;
};

using Boxes = std::vector<RecordingBoxes::Box>;

inline void PrintTo(const RecordingBoxes::Box& box, std::ostream* out) {
  *out << "{\"" << box.text << "\", \"" << box.title << "\", 0x" << std::hex << box.style
       << std::dec << "}";
}

// The line of an error report that starts with `label` ("Module:  ",
// "Routine: "), without the label; empty when the box is no error report.
inline std::string ReportLine(const RecordingBoxes::Box& box, const std::string& label) {
  if (box.title != "Kestrel Application Error") return {};
  const auto start = box.text.find("\n" + label);
  if (start == std::string::npos) return {};
  const auto from = start + 1 + label.size();
  return box.text.substr(from, box.text.find('\n', from) - from);
}

// Remembers every line of progress.
class RecordingProgress final : public platform::Progress {
 public:
  void Report(const std::string& text) override { reported.push_back(text); }
  std::vector<std::string> reported;
};

}  // namespace kes_test
