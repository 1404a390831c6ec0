#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/file_name_rule.h"

namespace Startup {

// The value of `key` in section `section` of an INI file's text, as the
// profile functions read it: lines end in CR, LF or both; a line "[name]"
// (blanks around it allowed) opens a section; "key=value" lines have blanks
// around key and value dropped; a line that starts with ';' is a comment.
// Section and key names match without regard to letter case, by `rule`.
// The first section of that name and its first line for the key count.
// None when there is no such line.
std::optional<std::string> IniValue(const platform::FileNameRule& rule, std::string_view text,
                                    std::string_view section, std::string_view key);

}  // namespace Startup
