#include "platform/win32/file_name_rule_win32.h"

#include <windows.h>

#include <cstring>

namespace platform {

std::string Win32FileNameRule::Folded(std::string_view name) const {
  std::string folded(name);
  // CharUpperA raises a text up to its terminating zero (CharUpperBuffA, which
  // takes a length, is not among a plain Windows 95's imports), so a name with
  // a zero inside is raised piece by piece.
  char* const end = folded.data() + folded.size();
  for (char* piece = folded.data(); piece < end; piece += std::strlen(piece) + 1) {
    CharUpperA(piece);
  }
  return folded;
}

}  // namespace platform
