#pragma once

#include <string>

namespace platform {

// Whole-file writing and deleting. Both throw kes::Failure when the file
// system refuses (kes::kErrFileNotFound for a file that is not there).
class FileStore {
 public:
  virtual ~FileStore() = default;
  // Creates the file, replacing any earlier one, holding exactly this text.
  virtual void WriteTextFile(const std::string& path, const std::string& text) = 0;
  virtual void RemoveFile(const std::string& path) = 0;
};

}  // namespace platform
