#include "platform/file_name_rule.h"

namespace platform {

std::string FileNameRule::Folded(std::string_view name) const {
  std::string folded(name);
  const std::size_t size = folded.size();
  if (!characters_.HasLeadBytes()) {
    for (char& c : folded) {
      c = characters_.Upper(c);
    }
    return folded;
  }
  for (std::size_t i = 0; i < size; i += characters_.CharSize(folded, i)) {
    if (!characters_.IsLeadByte(folded[i])) {
      folded[i] = characters_.Upper(folded[i]);
    }
  }
  return folded;
}

std::size_t FileNameRule::LastOf(std::string_view path, std::string_view chars) const {
  if (!characters_.HasLeadBytes()) {
    return path.find_last_of(chars);
  }
  std::size_t last = std::string_view::npos;
  for (std::size_t i = 0; i < path.size(); i += characters_.CharSize(path, i)) {
    if (chars.find(path[i]) != std::string_view::npos && !characters_.IsLeadByte(path[i])) {
      last = i;
    }
  }
  return last;
}

bool FileNameRule::StartsCharacter(std::string_view text, std::size_t at) const {
  if (!characters_.HasLeadBytes() || at >= text.size()) {
    return true;
  }
  std::size_t i = 0;
  while (i < at) {
    i += characters_.CharSize(text, i);
  }
  return i == at;
}

std::size_t FileNameRule::Find(std::string_view text, std::string_view part,
                               std::size_t from) const {
  for (std::size_t at = text.find(part, from); at != std::string_view::npos;
       at = text.find(part, at + 1)) {
    if (StartsCharacter(text, at)) {
      return at;
    }
  }
  return std::string_view::npos;
}

bool FileNameRule::EndsWithBackslash(std::string_view path) const {
  return !path.empty() && LastSeparator(path) == path.size() - 1;
}

std::string FileNameRule::AddBackslash(const std::string& path) const {
  // Half a character would make one with the backslash: it is dropped.
  const std::string whole(WholeCharacters(path));
  return EndsWithBackslash(whole) ? whole : whole + '\\';
}

FileNameRule::FolderAndName FileNameRule::SplitFolderName(const std::string& path) const {
  const std::size_t slash = LastSeparator(path);
  if (slash == std::string::npos) {
    return {"", path};
  }
  return {path.substr(0, slash + 1), path.substr(slash + 1)};
}

std::string_view FileNameRule::WholeCharacters(std::string_view text) const {
  if (text.empty() || !characters_.IsLeadByte(text.back())) {
    return text;
  }
  std::size_t i = 0;
  while (i + 1 < text.size()) {
    i += characters_.CharSize(text, i);
  }
  // A lead byte that starts the last character has no byte to pair with.
  return i == text.size() - 1 ? text.substr(0, i) : text;
}

}  // namespace platform
