#pragma once

#include <string>
#include <vector>

namespace kesclean {

// At most this many names are written out in a box; the rest are counted.
inline constexpr std::size_t kNamesShown = 15;

// The names one to a line (each line ending in a line feed), at most
// kNamesShown, then "and N more".
std::string NamedFiles(const std::vector<std::string>& names);

// The box when the install folder is not swept: why, the folder, and that it
// was left as it was.
std::string RefusalMessage(const std::string& refusal, const std::string& folder);

// The question before the sweep deletes files that may be the user's.
std::string UsersFilesQuestion(const std::string& folder, const std::vector<std::string>& names);

// The box once the settings key is gone and something stayed: the command
// that could not be started (empty when it started) with everything still in
// the folder, or else the files the sweep could not delete.
std::string LeftBehindMessage(const std::string& folder, const std::string& notStartedCommand,
                              const std::vector<std::string>& names);

}  // namespace kesclean
