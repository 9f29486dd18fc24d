#include "external/url_opener.h"

#include "text/text.h"

namespace cindermoor {

std::string SchemeOf(std::string_view url) { return std::string(url.substr(0, url.find(':'))); }

// Windows keeps a command line to 32,767 characters, the closing null among them; longer ones
// are refused or arrive cut.
Outcome CheckCommandLineCarries(std::size_t commandLineLength, std::string_view program) {
  constexpr std::size_t kLongestCommandLine = 32766;
  if (commandLineLength <= kLongestCommandLine) return Outcome::Success();
  return Outcome::Failure(Text("url.too_long", {{"program", program},
                                                {"length", std::to_string(commandLineLength)},
                                                {"longest", std::to_string(kLongestCommandLine)}}));
}

}  // namespace cindermoor
