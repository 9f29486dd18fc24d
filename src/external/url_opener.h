// Opening a URL of any scheme, as the voice clients that join by links need, with whatever
// the system opens that scheme with, as the web opener opens web pages with the browser.
#pragma once

#include <string>
#include <string_view>

#include "common/outcome.h"

namespace cindermoor {

// A URL to hand over, and how a message speaks of it.
struct UrlToOpen {
  std::string url;
  std::string shown;    // the URL as a message may show it: no password
  std::string program;  // what it is meant for, as messages name it
};

// The scheme a URL begins with, before its ":".
std::string SchemeOf(std::string_view url);

class UrlOpener {
 public:
  virtual ~UrlOpener() = default;
  // Whether the system can open links of the scheme at all.
  virtual bool Opens(const std::string& scheme) = 0;
  // Whether Open would hand this URL over exactly as it is; when not, why and what to do
  // instead, for one message. A system that cannot open such links at all passes here: Open
  // says so.
  virtual Outcome CheckCarries(const UrlToOpen& url) = 0;
  // Hands the URL over without waiting for the program; a failure says why, for one message.
  virtual Outcome Open(const UrlToOpen& url) = 0;
};

// Whether a command line of this many characters, made to hand over a URL, reaches the program
// whole; when not, a message saying why and what to do instead.
Outcome CheckCommandLineCarries(std::size_t commandLineLength, std::string_view program);

}  // namespace cindermoor
