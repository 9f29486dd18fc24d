// A Mumble opener that records the links it is given and fails when the test says so.
#pragma once

#include <string>
#include <vector>

#include "external/mumble_opener.h"

namespace cindermoor {

class RecordingMumbleOpener : public MumbleOpener {
 public:
  bool Available() override {
    ++lookups;
    return available;
  }
  Outcome CheckCarries(const std::string&) override {
    return uncarried.empty() ? Outcome::Success() : Outcome::Failure(uncarried);
  }
  Outcome Open(const std::string& url) override {
    urls.push_back(url);
    return refusal.empty() ? Outcome::Success() : Outcome::Failure(refusal);
  }

  bool available = true;
  std::string refusal;    // "" opens; otherwise the reason every Open fails with
  std::string uncarried;  // "" carries every URL; otherwise the reason every check fails with
  std::vector<std::string> urls;
  int lookups = 0;  // calls of Available
};

}  // namespace cindermoor
