#include "platform/full_path.h"

#include <array>
#include <string_view>

namespace platform {

namespace {

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 0x20) : c; }

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

std::vector<std::string> Names(const CodePage& characters, std::string_view text) {
  std::vector<std::string> names;
  std::string name;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t size = characters.CharSize(text, i);
    if (size == 1 && IsSeparator(text[i])) {
      if (!name.empty()) {
        names.push_back(name);
      }
      name.clear();
    } else {
      name.append(text, i, size);
    }
    i += size;
  }
  if (!name.empty()) {
    names.push_back(name);
  }
  return names;
}

// CON, PRN, AUX, NUL, COM1 to COM9 and LPT1 to LPT9, with any extension,
// name devices rather than files.
bool IsDeviceName(const std::string& name) {
  std::string base;
  for (const char c : name.substr(0, name.find('.'))) {
    base += AsciiUpper(c);
  }
  constexpr std::array<std::string_view, 4> kDevices = {"CON", "PRN", "AUX", "NUL"};
  for (const std::string_view device : kDevices) {
    if (base == device) {
      return true;
    }
  }
  return base.size() == 4 && (base.starts_with("COM") || base.starts_with("LPT")) &&
         base[3] >= '1' && base[3] <= '9';
}

// A name the file system takes as it is written.
bool IsPlainName(const CodePage& characters, const std::string& name) {
  for (std::size_t i = 0; i < name.size(); i += characters.CharSize(name, i)) {
    const char c = name[i];
    const auto byte = static_cast<unsigned char>(c);
    if (characters.IsLeadByte(c)) {
      // A lead byte with nothing after it is half a character.
      if (i + 1 == name.size()) {
        return false;
      }
      continue;
    }
    if (byte < 0x20 || std::string_view("<>:\"|?*").find(c) != std::string_view::npos) {
      return false;
    }
  }
  // The system drops trailing dots and blanks, so "a.exe." is "a.exe" and
  // "..." is no name it would keep.
  return !name.empty() && name.back() != '.' && name.back() != ' ' && !IsDeviceName(name);
}

}  // namespace

std::optional<PathSteps> SplitFullPath(const FileNameRule& rule, const std::string& path) {
  const CodePage& characters = rule.Characters();
  if (path.size() >= 3 && IsLetter(path[0]) && path[1] == ':' && IsSeparator(path[2])) {
    // The drive's letter case says nothing; one spelling for it.
    return PathSteps{std::string(1, AsciiUpper(path[0])) + ":\\",
                     Names(characters, std::string_view(path).substr(3))};
  }
  if (path.size() < 2 || !IsSeparator(path[0]) || !IsSeparator(path[1])) {
    return std::nullopt;
  }
  std::vector<std::string> names = Names(characters, std::string_view(path).substr(2));
  // "\\\server" and the like have more than two separators before the server.
  if (names.size() < 2 || IsSeparator(path.size() > 2 ? path[2] : '\\') || names[0] == "." ||
      names[0] == "?" || rule.WholeCharacters(names[1]).size() != names[1].size()) {
    // A share name cut inside a character would take the separator the root
    // ends in for its second byte.
    return std::nullopt;
  }
  PathSteps split{"\\\\" + names[0] + "\\" + names[1] + "\\", {}};
  split.steps.assign(names.begin() + 2, names.end());
  return split;
}

std::string JoinPath(const PathSteps& path) {
  std::string joined = path.root;
  for (std::size_t i = 0; i < path.steps.size(); ++i) {
    joined += (i == 0 ? "" : "\\") + path.steps[i];
  }
  return joined;
}

std::optional<std::string> CanonicalPath(const FileNameRule& rule, const std::string& path) {
  const CodePage& characters = rule.Characters();
  std::optional<PathSteps> split = SplitFullPath(rule, path);
  if (!split) {
    return std::nullopt;
  }
  if (split->root.starts_with("\\\\")) {
    const std::vector<std::string> share = Names(characters, split->root);
    if (!IsPlainName(characters, share[0]) || !IsPlainName(characters, share[1])) {
      return std::nullopt;
    }
  }
  PathSteps canonical{split->root, {}};
  for (const std::string& step : split->steps) {
    if (step == ".") {
      continue;
    }
    if (step == "..") {
      if (canonical.steps.empty()) {
        return std::nullopt;  // above the root: a path meant for somewhere else
      }
      canonical.steps.pop_back();
      continue;
    }
    if (!IsPlainName(characters, step)) {
      return std::nullopt;
    }
    canonical.steps.push_back(step);
  }
  return JoinPath(canonical);
}

std::string ParentOf(const FileNameRule& rule, const std::string& canonical) {
  std::optional<PathSteps> split = SplitFullPath(rule, canonical);
  if (!split) {
    return {};
  }
  if (!split->steps.empty()) {
    split->steps.pop_back();
  }
  return JoinPath(*split);
}

}  // namespace platform
