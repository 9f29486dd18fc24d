#include "desktop/desktop_files.h"

#include <algorithm>
#include <string_view>

#include "common/ascii_text.h"
#include "text/language.h"
#include "text/text.h"

namespace cindermoor {

namespace {

// Characters that make an Exec argument need double quotes.
constexpr std::string_view kReservedInExec = " \t\n\"'\\><~|&;$*?#()`";
// Characters that keep a backslash in front of them inside those quotes.
constexpr std::string_view kEscapedInQuotes = "\"`$\\";

// A value of type string in a desktop entry spells these with a backslash; this applies on top
// of the Exec quoting, so a backslash in a quoted argument ends up written four times.
std::string EscapedString(std::string_view value) {
  std::string escaped;
  for (const char c : value) {
    switch (c) {
      case '\\':
        escaped += "\\\\";
        break;
      case '\n':
        escaped += "\\n";
        break;
      case '\t':
        escaped += "\\t";
        break;
      case '\r':
        escaped += "\\r";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

}  // namespace

std::string DesktopExecArgument(const std::string& argument) {
  std::string quoted;
  const bool needsQuotes =
      argument.empty() || argument.find_first_of(kReservedInExec) != std::string::npos;
  for (const char c : argument) {
    if (needsQuotes && kEscapedInQuotes.find(c) != std::string_view::npos) quoted += '\\';
    // A lone % would start a field code.
    quoted += c == '%' ? std::string("%%") : std::string(1, c);
  }
  return EscapedString(needsQuotes ? "\"" + quoted + "\"" : quoted);
}

std::string ShellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (const char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// xdg-open without a desktop environment splits Exec at every blank and keeps quotes as they
// are, so the paths that may hold blanks live in the script and Exec names only the script.
// Only a data folder with blanks puts quotes into Exec; xdg-open's own search could not find
// the entry there anyway, as it splits its list of data folders at blanks too.
// The name and comment in every language, each keyed by its locale (pt_BR) as the desktop
// looks them up; the same entry whatever language the launcher speaks.
std::string DesktopEntryText(const std::string& scriptPath) {
  std::string names = "Name=" + TextIn(kEnglish, "desktop.name") +
                      "\nComment=" + TextIn(kEnglish, "desktop.comment") + "\n";
  for (std::size_t language = kEnglish + 1; language < LanguageCount(); ++language) {
    std::string locale(LanguageTag(language));
    std::replace(locale.begin(), locale.end(), '-', '_');
    names += "Name[" + locale + "]=" + TextIn(language, "desktop.name") + "\nComment[" + locale +
             "]=" + TextIn(language, "desktop.comment") + "\n";
  }
  return "[Desktop Entry]\n"
         "Type=Application\n" +
         names +
         "NoDisplay=true\n"
         "MimeType=x-scheme-handler/tribes;\n"
         "Exec=sh " +
         DesktopExecArgument(scriptPath) + " %u\n";
}

std::string OpenLinkScriptText(const WineProgram& program) {
  return "#!/bin/sh\n"
         "# Written by Cindermoor Launcher's Install: opens a tribes:// link with the launcher\n"
         "# in the Wine prefix it was installed from.\n"
         "WINEPREFIX=" +
         ShellQuoted(program.prefix) +
         "\n"
         "export WINEPREFIX\n"
         "exec " +
         ShellQuoted(program.loader) + " " + ShellQuoted(program.program) + " \"$@\"\n";
}

bool ScriptStartsProgram(const std::string& script, const WineProgram& program) {
  const std::string prefixLine = "\nWINEPREFIX=" + ShellQuoted(program.prefix) + "\n";
  const std::string programCall = " " + ShellQuoted(program.program) + " \"$@\"\n";
  return script.find(prefixLine) != std::string::npos &&
         AsciiLowered(script).find(AsciiLowered(programCall)) != std::string::npos;
}

}  // namespace cindermoor
