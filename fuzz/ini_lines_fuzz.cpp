// The INI line reader over any file text: a value it finds is one line's
// part, with no line end in it and no blank at either end.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/require.h"
#include "startup/ini_lines.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) {
    return 0;
  }
  const platform::FileNameRule rule(platform::CodePage::Numbered(data[0] % 2 == 0 ? 1252 : 932));
  const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
  for (const auto& [section, key] : {std::pair{"windows", "load"}, std::pair{"boot", "shell"}}) {
    const auto value = Startup::IniValue(rule, text, section, key);
    if (!value) {
      continue;
    }
    Require(value->find_first_of("\r\n") == std::string::npos);
    Require(value->empty() || (value->front() != ' ' && value->front() != '\t' &&
                               value->back() != ' ' && value->back() != '\t'));
    Require(text.find(*value) != std::string_view::npos);
  }
  return 0;
}
