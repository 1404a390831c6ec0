#include "shell/app_strings.h"

namespace Subs {

std::string gsAppName;

}  // namespace Subs
