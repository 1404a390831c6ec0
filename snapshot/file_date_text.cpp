#include "snapshot/file_date_text.h"

namespace {

// Appends the value with at least `width` digits, zeros in front.
void AppendDigits(std::string& text, int value, std::size_t width) {
  std::string digits = std::to_string(value);
  if (digits.size() < width) {
    text.append(width - digits.size(), '0');
  }
  text += digits;
}

}  // namespace

std::string FileDateText(const platform::FileDateTime& when,
                         const platform::DateTimeSeparators& separators) {
  const int hour12 = when.hour % 12 == 0 ? 12 : when.hour % 12;
  std::string text;
  text.reserve(32);
  AppendDigits(text, when.month, 2);
  text += separators.date;
  AppendDigits(text, when.day, 2);
  text += separators.date;
  AppendDigits(text, when.year, 4);
  text += ' ';
  AppendDigits(text, hour12, 2);
  text += separators.time;
  AppendDigits(text, when.minute, 2);
  text += separators.time;
  AppendDigits(text, when.second, 2);
  text += when.hour < 12 ? " AM" : " PM";
  return text;
}
