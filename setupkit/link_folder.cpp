#include "setupkit/link_folder.h"

#include <cstddef>

#include "shell/general/text_helpers.h"

namespace setupkit {

namespace {

constexpr const char* kProgramsMenu = "Start Menu\\Programs";

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// The path's steps; empty steps (doubled backslashes) are dropped.
std::vector<std::string> Steps(const std::string& path) {
  std::vector<std::string> steps;
  std::string step;
  for (const char c : path) {
    if (IsSeparator(c)) {
      if (!step.empty()) {
        steps.push_back(step);
      }
      step.clear();
    } else {
      step += c;
    }
  }
  if (!step.empty()) {
    steps.push_back(step);
  }
  return steps;
}

}  // namespace

std::string ResolveLinkFolder(const std::string& windowsDir, const std::string& folder) {
  const std::string programs = Subs::AddBackslash(windowsDir) + kProgramsMenu;
  const std::vector<std::string> steps = Steps(programs + "\\" + folder);
  if (steps.empty()) {
    return {};
  }
  // The first step is the drive ("C:"), which ".." never leaves.
  std::vector<std::string> kept{steps.front()};
  for (std::size_t i = 1; i < steps.size(); ++i) {
    if (steps[i] == ".") {
      continue;
    }
    if (steps[i] == "..") {
      if (kept.size() > 1) {
        kept.pop_back();
      }
      continue;
    }
    kept.push_back(steps[i]);
  }
  std::string resolved = kept.front();
  for (std::size_t i = 1; i < kept.size(); ++i) {
    resolved += "\\" + kept[i];
  }
  return kept.size() == 1 ? resolved + "\\" : resolved;
}

std::vector<std::string> FolderChain(const std::string& path) {
  const std::vector<std::string> steps = Steps(path);
  std::vector<std::string> chain;
  std::string folder = steps.empty() ? std::string() : steps.front();
  for (std::size_t i = 1; i < steps.size(); ++i) {
    folder += "\\" + steps[i];
    chain.push_back(folder);
  }
  return chain;
}

}  // namespace setupkit
