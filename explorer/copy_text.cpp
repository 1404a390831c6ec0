#include "explorer/copy_text.h"

namespace Explorer {

namespace {

void AppendRow(std::string& text, const std::vector<std::string>& cells) {
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) {
      text += '\t';
    }
    text += cells[i];
  }
  text += "\r\n";
}

}  // namespace

std::string CopiedRows(const std::vector<std::string>& headers,
                       const std::vector<std::vector<std::string>>& rows) {
  std::string text;
  if (rows.size() > 1) {
    AppendRow(text, headers);
  }
  for (const std::vector<std::string>& row : rows) {
    AppendRow(text, row);
  }
  return text;
}

}  // namespace Explorer
