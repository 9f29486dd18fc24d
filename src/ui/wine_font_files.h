// Where a Wine installation keeps its own fonts on the Linux side, as the environment Wine
// hands every program tells it.
#pragma once

#include <string>
#include <vector>

#include "state/unix_desktop.h"

namespace cindermoor {

// Windows paths of one of Wine's own font files (its "MS Sans Serif" bitmap font for Western
// languages by default), the likeliest first, without repeats. Empty when Wine's environment
// names no place.
std::vector<std::string> WineWindowFontFiles(UnixDesktop& desktop,
                                             const std::string& fontFile = "sserife.fon");

}  // namespace cindermoor
