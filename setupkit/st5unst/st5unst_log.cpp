#include "setupkit/st5unst/st5unst_log.h"

#include "uninstall/known_files.h"

namespace st5unst {

std::string Trim(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) {
    return {};
  }
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string ArgumentsOf(const std::string& commandLine) {
  const std::string line = Trim(commandLine);
  std::size_t end = 0;
  if (!line.empty() && line.front() == '"') {
    end = line.find('"', 1);
    end = end == std::string::npos ? line.size() : end + 1;
  } else {
    end = line.find_first_of(" \t");
    end = end == std::string::npos ? line.size() : end;
  }
  return Trim(line.substr(end));
}

std::optional<std::string> LogPathFromArguments(const std::string& arguments) {
  const std::string text = Trim(arguments);
  if (text.size() < 3 || (text.compare(0, 2, "-n") != 0 && text.compare(0, 2, "-N") != 0) ||
      (text[2] != ' ' && text[2] != '\t')) {
    return std::nullopt;
  }
  const std::string path = Trim(text.substr(3));
  if (path.empty()) {
    return std::nullopt;
  }
  if (path.front() == '"') {
    return kesclean::Unquoted(path);
  }
  return path;
}

std::vector<std::string> LoggedNames(const std::string& logText, const std::string& keyword) {
  std::vector<std::string> names;
  const std::string label = keyword + ":";
  for (const std::string& line : kesclean::LogLines(logText)) {
    const std::string text = Trim(line);
    if (!text.starts_with(label)) {
      continue;
    }
    const auto name = kesclean::Unquoted(Trim(text.substr(label.size())));
    if (name && !name->empty() && *name != "." && *name != ".." &&
        name->find_first_of("\\/:*?<>|") == std::string::npos) {
      names.push_back(*name);
    }
  }
  return names;
}

std::string FolderOf(const platform::FileNameRule& rule, const std::string& path) {
  std::string folder = kesclean::SplitPath(rule, path).folder;
  if (!folder.empty()) {
    folder.pop_back();  // the backslash
  }
  return folder;
}

}  // namespace st5unst
