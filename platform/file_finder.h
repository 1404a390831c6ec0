#pragma once

#include <string>

namespace platform {

// Whether a file is there, as a search among normal files sees it.
class FileFinder {
 public:
  virtual ~FileFinder() = default;
  // True when a search among normal files finds the path; files with the
  // hidden or system attribute, and folders, are not found. A path whose
  // folder does not exist is simply not found.
  virtual bool FindNormalFile(const std::string& path) = 0;
};

}  // namespace platform
