// Editing the user's mimeapps.list the way `xdg-mime default` does, keeping every other byte.
#pragma once

#include <string>

namespace cindermoor {

// The text with `mimeType=desktopId` as the default in [Default Applications]: the group's line
// for mimeType is replaced, or one is added at the group's end, or the group is appended.
std::string WithDefaultApplication(const std::string& text, const std::string& mimeType,
                                   const std::string& desktopId);

// The text without desktopId among mimeType's defaults; a line naming only it goes, other
// handlers named on the same line stay.
std::string WithoutDefaultApplication(const std::string& text, const std::string& mimeType,
                                      const std::string& desktopId);

}  // namespace cindermoor
