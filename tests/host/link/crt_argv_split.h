// Splits a command line the way the Microsoft C runtime builds argv, so tests can see
// the arguments a started program will receive.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace cindermoor::testing {

inline bool IsArgvBlank(char c) { return c == ' ' || c == '\t'; }

// The program name: quotes only group, backslashes are plain characters.
inline std::string TakeProgramName(std::string_view line, std::size_t& i) {
  std::string name;
  bool quoted = false;
  for (; i < line.size() && (quoted || !IsArgvBlank(line[i])); ++i) {
    if (line[i] == '"') {
      quoted = !quoted;
    } else {
      name += line[i];
    }
  }
  return name;
}

// One argument after the program name: 2n backslashes before a quote give n backslashes
// and the quote toggles grouping, 2n+1 give n backslashes and a literal quote, "" inside
// a group gives a literal quote; backslashes elsewhere are plain.
inline std::string TakeArgument(std::string_view line, std::size_t& i) {
  std::string arg;
  bool quoted = false;
  while (true) {
    std::size_t backslashes = 0;
    for (; i < line.size() && line[i] == '\\'; ++i) ++backslashes;
    if (i < line.size() && line[i] == '"') {
      arg.append(backslashes / 2, '\\');
      if (backslashes % 2 == 1) {
        arg += '"';
        ++i;
      } else if (quoted && i + 1 < line.size() && line[i + 1] == '"') {
        arg += '"';
        i += 2;
      } else {
        quoted = !quoted;
        ++i;
      }
      continue;
    }
    arg.append(backslashes, '\\');
    if (i >= line.size() || (!quoted && IsArgvBlank(line[i]))) return arg;
    arg += line[i++];
  }
}

inline std::vector<std::string> SplitLikeCrt(std::string_view line) {
  std::size_t i = 0;
  std::vector<std::string> args{TakeProgramName(line, i)};
  while (true) {
    while (i < line.size() && IsArgvBlank(line[i])) ++i;
    if (i >= line.size()) return args;
    args.push_back(TakeArgument(line, i));
  }
}

}  // namespace cindermoor::testing
