// Where the Linux desktop keeps the user's and the system's files, as the XDG base directories
// name them, seen from a program under Wine.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "desktop/unix_desktop.h"

namespace cindermoor {

// The Unix folder one of Wine's variables names as an NT path (WINEHOMEDIR, WINECONFIGDIR).
std::optional<std::string> UnixFolderNamedBy(UnixDesktop& desktop, const std::string& variable);

// The folder an XDG variable names (XDG_DATA_HOME), or the usual one under the Unix home
// ("/.local/share"); nullopt when neither is known.
std::optional<std::string> XdgFolder(UnixDesktop& desktop, const std::string& variable,
                                     const std::string& underHome);

// Where desktop entries are looked for, most important first and without a trailing slash:
// the user's applications folder (when the home is known), then the system's.
std::vector<std::string> ApplicationFolders(UnixDesktop& desktop);

}  // namespace cindermoor
