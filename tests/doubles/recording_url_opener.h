// A URL opener that records the URLs it is given and fails when the test says so.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "external/url_opener.h"

namespace cindermoor {

class RecordingUrlOpener : public UrlOpener {
 public:
  bool Opens(const std::string& scheme) override {
    ++lookups;
    return schemes.contains(scheme);
  }
  Outcome CheckCarries(const UrlToOpen&) override {
    return uncarried.empty() ? Outcome::Success() : Outcome::Failure(uncarried);
  }
  Outcome Open(const UrlToOpen& url) override {
    urls.push_back(url.url);
    shown.push_back(url.shown);
    return refusal.empty() ? Outcome::Success() : Outcome::Failure(refusal);
  }

  std::set<std::string> schemes{"mumble", "ts3server"};  // what the system opens
  std::string refusal;    // "" opens; otherwise the reason every Open fails with
  std::string uncarried;  // "" carries every URL; otherwise the reason every check fails with
  std::vector<std::string> urls;
  std::vector<std::string> shown;  // each URL as a message would show it
  int lookups = 0;                 // calls of Opens
};

}  // namespace cindermoor
