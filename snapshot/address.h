#pragma once

#include <cstdint>

namespace kes {

// A value as wide as the platform's addresses and handles: a module's base
// address and handle, a process's default heap and the handle that read its
// priority. The 32-bit programs hold it in 32 signed bits, as the Windows 95
// and 98 records give it; the 64-bit build holds it in full.
using Address = std::intptr_t;

}  // namespace kes
