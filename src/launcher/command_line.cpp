#include "launcher/command_line.h"

namespace cindermoor {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Where the program name ends: after its closing quote, or at the first blank. The
// name's own quotes are the only ones that mean anything here; Windows finds the name
// the same way, and a folder with blanks is only written in quotes.
std::size_t EndOfProgramName(std::string_view commandLine) {
  if (!commandLine.empty() && commandLine.front() == '"') {
    const std::size_t closingQuote = commandLine.find('"', 1);
    return closingQuote == std::string_view::npos ? commandLine.size() : closingQuote + 1;
  }
  std::size_t end = 0;
  while (end < commandLine.size() && !IsBlank(commandLine[end])) ++end;
  return end;
}

// Registrations that write "%1" in quotes, a player typing launcher.exe "tribes://...", and
// Wine handing on a link with a blank all wrap the link in one pair of quotes. Any other quote
// stays where it is, for the link's validation to refuse.
std::string_view WithoutEnclosingQuotes(std::string_view tail) {
  if (tail.size() >= 2 && tail.front() == '"' && tail.back() == '"' &&
      tail.find('"', 1) == tail.size() - 1) {
    return tail.substr(1, tail.size() - 2);
  }
  return tail;
}

}  // namespace

std::string CommandLineTail(std::string_view commandLine) {
  std::size_t start = EndOfProgramName(commandLine);
  while (start < commandLine.size() && IsBlank(commandLine[start])) ++start;
  return std::string(commandLine.substr(start));
}

std::string LinkOnCommandLine(std::string_view commandLine) {
  return std::string(WithoutEnclosingQuotes(CommandLineTail(commandLine)));
}

}  // namespace cindermoor
