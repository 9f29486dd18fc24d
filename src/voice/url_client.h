// The part every client joined by a URL of its own scheme shares: it is there when something
// opens that scheme, what a served link starts is the URL, handed over just after the game
// and never waited for, and the quit click leaves the client running.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "external/url_opener.h"
#include "voice/url_parts.h"
#include "voice/voice_client.h"

namespace cindermoor {

class UrlClient : public VoiceClient {
 public:
  bool Installed() override { return urls_.Opens(scheme_); }
  // Community: the client's community server, in the channel named by the validated link's
  // address, as every client's. A Server box the client cannot use refuses, as does a URL the
  // system would not hand over whole; a voice mode that names no server joins nothing.
  Outcome PlanStart(const GameLink& link, const VoiceJoin& join,
                    std::optional<std::string>& start) final;
  bool StartsAfterGame() const final { return true; }
  Outcome Start(const std::string& url) final { return urls_.Open(ToOpen(url)); }
  void Quit() final {}

 protected:
  UrlClient(UrlOpener& urls, const char* scheme) : urls_(urls), scheme_(scheme) {}
  virtual VoiceServer CommunityServer() const = 0;
  // The URL that joins the server's channel (its sub-channel names in order) as the name,
  // with the server's password; an empty name or password is left out.
  virtual std::string UrlOf(const VoiceServer& server, const std::vector<std::string>& channelPath,
                            const std::string& name, const std::string& password) const = 0;

 private:
  UrlToOpen ToOpen(const std::string& url) const { return {url, Masking()(url), Texts().option}; }

  UrlOpener& urls_;
  const char* scheme_;
};

}  // namespace cindermoor
