#pragma once

#include <string>
#include <vector>

namespace Explorer {

// What Copy puts on the clipboard for the selected rows of a list: the cells
// of each row joined by tabs, every row ended by CR LF, and the column
// headers as a first row when more than one row goes.
std::string CopiedRows(const std::vector<std::string>& headers,
                       const std::vector<std::vector<std::string>>& rows);

}  // namespace Explorer
