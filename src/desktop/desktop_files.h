// The two files that make the Linux desktop open tribes:// links with this program under Wine:
// a desktop entry, and the small shell script its Exec line runs.
#pragma once

#include <string>

namespace cindermoor {

// How to start this program again from the Linux side.
struct WineProgram {
  std::string loader;   // Unix path of the Wine loader this program runs under
  std::string prefix;   // Unix path of its Wine prefix
  std::string program;  // the program as Windows names it: "C:\...\launcher.exe"
};

// The desktop entry for the tribes URL scheme, running the script at scriptPath (a Unix path).
std::string DesktopEntryText(const std::string& scriptPath);

// The script: starts the program in its prefix and hands it the link it was given.
std::string OpenLinkScriptText(const WineProgram& program);

// Whether a script starts program in its prefix, as OpenLinkScriptText writes it; the Windows
// path matches in any letter case, the prefix exactly.
bool ScriptStartsProgram(const std::string& script, const WineProgram& program);

// One argument of an Exec line, quoted when the desktop entry format requires it.
std::string DesktopExecArgument(const std::string& argument);

// Text as one word for a POSIX shell: in single quotes, any single quote spelled '\''.
std::string ShellQuoted(const std::string& text);

}  // namespace cindermoor
