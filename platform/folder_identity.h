#pragma once

#include <optional>
#include <string>

namespace platform {

// Whether two spellings of a folder lead to one folder, told by the folder
// itself and not by its spelling: the same folder reached as
// "\\MACHINE\C$\WINDOWS", through a SUBST drive or a mapped drive is one.
class FolderIdentity {
 public:
  virtual ~FolderIdentity() = default;
  // True when the existing folders `folder` and `other` are one, false when
  // they are certainly two, nothing when it cannot be told. The Win32 side
  // makes a mark of a name no file has in `folder`, looks for it through
  // `other` and deletes it again.
  virtual std::optional<bool> SameFolder(const std::string& folder, const std::string& other) = 0;
};

}  // namespace platform
