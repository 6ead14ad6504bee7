// PNG pictures decoded by the system's imaging component (WIC), which every
// Windows since Vista has: the program file keeps them compressed.
#pragma once

#include <windows.h>

#include <cstddef>

namespace ui::win32 {

// The PNG as a 32-bit top-down DIB section of the same pixels, which the
// caller deletes; nullptr when it cannot be decoded.
HBITMAP DecodePng(const void* bytes, std::size_t size);

}  // namespace ui::win32
