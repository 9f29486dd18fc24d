// The part of a program's command line that follows its own name.
#pragma once

#include <string>
#include <string_view>

namespace cindermoor {

// Everything after the program name and the blanks (spaces, tabs) that follow it, exactly
// as written: not split, not unquoted. A name in double quotes ends at the closing quote, an
// unquoted one at the first blank.
std::string CommandLineTail(std::string_view commandLine);

// The link the program was started with: the tail, without one pair of double quotes that
// encloses all of it.
std::string LinkOnCommandLine(std::string_view commandLine);

}  // namespace cindermoor
