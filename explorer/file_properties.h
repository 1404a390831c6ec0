#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "explorer/detail_list.h"
#include "platform/file_name_rule.h"
#include "snapshot/version_info_strings.h"

namespace Explorer {

// What a file's properties dialog shows: its caption, the file's name, and
// a sheet of items and values.
struct FileProperties {
  std::string caption;
  ListContents sheet;
};

// What the file as it is now adds to the snapshot: its attributes, none
// when it could not be read, and its version strings, none without them.
struct FileNow {
  std::optional<std::uint32_t> attributes;
  std::optional<VersionStrings::Strings> strings;
};

// The properties of the file behind a process, a module of a process or a
// distinct module: path, size, date and version as the records hold them,
// the attributes and, for a process, its identifier, parent, threads and
// priority as the list shows them (identifiers hexadecimal when `hexIds`);
// then the version strings the file has, or a note that it has none. A file
// that could not be read says so in a last item. None for a record that is
// neither. The caption is the file's name after the path's last backslash
// by `rule`, then " Properties".
std::optional<FileProperties> PropertiesOf(const platform::FileNameRule& rule,
                                           const NodeRecord& record, const FileNow& file,
                                           bool hexIds);

// The path of the file PropertiesOf shows for `record`; empty for none.
std::string PropertiesPath(const NodeRecord& record);

}  // namespace Explorer
