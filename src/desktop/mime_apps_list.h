// Editing the user's mimeapps.list the way `xdg-mime default` does, keeping every other byte.
// The desktop (GLib) reads every [Default Applications] group as one, and where a type is named
// more than once the last line counts; the editor follows the same reading.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace cindermoor {

// The text with `mimeType=desktopId` as the default: the first [Default Applications] line for
// mimeType is replaced and later ones go, or one is added at the end of the last such group, or
// the group is appended.
std::string WithDefaultApplication(const std::string& text, const std::string& mimeType,
                                   const std::string& desktopId);

// The text without desktopId among mimeType's defaults; other handlers named on the same line
// stay. A line naming only desktopId goes, or names `restored` instead when that is not empty.
std::string WithoutDefaultApplication(const std::string& text, const std::string& mimeType,
                                      const std::string& desktopId,
                                      const std::string& restored = {});

// mimeType's default as the desktop reads it: the value of its last [Default Applications]
// line, or "" when none names it.
std::string DefaultApplicationOf(const std::string& text, const std::string& mimeType);

// The desktop entries a default's value names, in order ("a.desktop;b.desktop;").
std::vector<std::string> DesktopIdsIn(const std::string& value);

// The text cut back to lengthBefore when all past it is an empty [Default Applications] header
// and line ends, as WithDefaultApplication appends them and WithoutDefaultApplication leaves
// them; otherwise the text as it is.
std::string WithoutAddedDefaultsGroup(const std::string& text, std::size_t lengthBefore);

}  // namespace cindermoor
