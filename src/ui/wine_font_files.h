// Where a Wine installation keeps its own fonts on the Linux side, as the environment Wine
// hands every program tells it.
#pragma once

#include <string>
#include <vector>

#include "state/unix_desktop.h"

namespace cindermoor {

// Windows paths of Wine's "MS Sans Serif" bitmap font, the likeliest first, without repeats.
// Empty when Wine's environment names no place.
std::vector<std::string> WineWindowFontFiles(UnixDesktop& desktop);

}  // namespace cindermoor
