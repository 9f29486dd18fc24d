// Where a Wine installation keeps its own fonts on the Linux side, as the environment Wine
// hands every program tells it.
#pragma once

#include <string>
#include <vector>

#include "desktop/unix_desktop.h"

namespace cindermoor {

// Windows paths of one of Wine's own font files ("sserife.fon"), the likeliest first, without
// repeats. Empty when Wine's environment names no place.
std::vector<std::string> WineFontFiles(UnixDesktop& desktop, const std::string& fontFile);

// Wine's "MS Sans Serif" bitmap font, the windows' face.
inline std::vector<std::string> WineWindowFontFiles(UnixDesktop& desktop) {
  return WineFontFiles(desktop, "sserife.fon");
}

}  // namespace cindermoor
