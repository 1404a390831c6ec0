#include "startup/ini_lines.h"

namespace Startup {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view Trimmed(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) {
    text.remove_prefix(1);
  }
  while (!text.empty() && IsBlank(text.back())) {
    text.remove_suffix(1);
  }
  return text;
}

// The next line of `text` from `at`, with `at` moved past its line end.
std::string_view NextLine(std::string_view text, std::size_t& at) {
  const std::size_t end = text.find_first_of("\r\n", at);
  const std::size_t stop = end == std::string_view::npos ? text.size() : end;
  const std::string_view line = text.substr(at, stop - at);
  at = stop;
  if (at < text.size() && text[at] == '\r') {
    ++at;
  }
  if (at < text.size() && text[at] == '\n') {
    ++at;
  }
  return line;
}

}  // namespace

std::optional<std::string> IniValue(const platform::FileNameRule& rule, std::string_view text,
                                    std::string_view section, std::string_view key) {
  const std::string wantedSection = rule.Folded(section), wantedKey = rule.Folded(key);
  bool inSection = false, sectionSeen = false;
  for (std::size_t at = 0; at < text.size();) {
    const std::string_view line = Trimmed(NextLine(text, at));
    if (line.empty() || line.front() == ';') {
      continue;
    }
    if (line.front() == '[') {
      const std::size_t close = rule.Find(line, "]", 1);
      if (close == std::string_view::npos) {
        continue;
      }
      // Only the first section of the name is read, as the system does.
      if (sectionSeen) {
        return std::nullopt;
      }
      inSection = rule.Folded(Trimmed(line.substr(1, close - 1))) == wantedSection;
      sectionSeen = inSection;
      continue;
    }
    const std::size_t equals = rule.Find(line, "=");
    if (inSection && equals != std::string_view::npos &&
        rule.Folded(Trimmed(line.substr(0, equals))) == wantedKey) {
      return std::string(Trimmed(line.substr(equals + 1)));
    }
  }
  return std::nullopt;
}

}  // namespace Startup
