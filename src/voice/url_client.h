// The part every client joined by a URL of its own scheme shares: it is there when something
// opens that scheme, what a served link starts is the URL, handed over just after the game
// and never waited for, and the quit click leaves the client running.
#pragma once

#include <optional>
#include <string>

#include "external/url_opener.h"
#include "voice/voice_client.h"

namespace cindermoor {

class UrlClient : public VoiceClient {
 public:
  bool Installed() override { return urls_.Opens(scheme_); }
  // A URL the system would not hand over whole refuses, as PlanUrl's refusals do.
  Outcome PlanStart(const GameLink& link, const VoiceJoin& join,
                    std::optional<std::string>& start) final {
    if (Outcome planned = PlanUrl(link, join, start); !planned.Succeeded() || !start) {
      return planned;
    }
    return urls_.CheckCarries(ToOpen(*start));
  }
  bool StartsAfterGame() const final { return true; }
  Outcome Start(const std::string& url) final { return urls_.Open(ToOpen(url)); }
  void Quit() final {}

 protected:
  UrlClient(UrlOpener& urls, const char* scheme) : urls_(urls), scheme_(scheme) {}
  // The URL a served link opens (nullopt: none), or a refusal for a message.
  virtual Outcome PlanUrl(const GameLink& link, const VoiceJoin& join,
                          std::optional<std::string>& url) = 0;

 private:
  UrlToOpen ToOpen(const std::string& url) const { return {url, Masking()(url), Texts().option}; }

  UrlOpener& urls_;
  const char* scheme_;
};

}  // namespace cindermoor
