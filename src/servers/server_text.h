// The game's 8-bit text as the windows show it.
#pragma once

#include <string>
#include <string_view>

namespace cindermoor {

// Windows-1252 bytes to UTF-8. Control characters (C0, DEL, and the bytes Windows-1252 leaves
// unassigned) are dropped; every other byte is the character Windows-1252 gives it, so a name
// cannot carry a direction mark, markup or a line break into a window or a command line.
std::string ServerText(std::string_view bytes);

}  // namespace cindermoor
