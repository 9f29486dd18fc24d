// Opening mumble:// links: the system's way to Mumble, as the web opener is to the browser.
#pragma once

#include <string>

#include "common/outcome.h"

namespace cindermoor {

class MumbleOpener {
 public:
  virtual ~MumbleOpener() = default;
  // Whether the system can open mumble:// links at all.
  virtual bool Available() = 0;
  // Whether Open would hand this URL over exactly as it is; when not, why and what to do
  // instead, for one message. A system that cannot open such links at all passes here: Open
  // says so.
  virtual Outcome CheckCarries(const std::string& url) = 0;
  // Hands the link over without waiting for Mumble; a failure says why, for one message.
  virtual Outcome Open(const std::string& url) = 0;
};

}  // namespace cindermoor
