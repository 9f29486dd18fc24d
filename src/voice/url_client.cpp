#include "voice/url_client.h"

#include "link/command_lines.h"

namespace cindermoor {

Outcome UrlClient::PlanStart(const GameLink& link, const VoiceJoin& join,
                             std::optional<std::string>& start) {
  switch (join.mode) {
    case VoiceMode::Community:
      start = UrlOf(CommunityServer(), ChannelPathOf(ChannelDigitsOf(link.serverAddress)),
                    join.name, "");
      break;
    case VoiceMode::OwnServer: {
      const VoiceFields& own = join.ownServer;
      VoiceServer server;
      if (Outcome read = ParseServerBox(own.server, server); !read.Succeeded()) return read;
      start = UrlOf(server, ChannelPathOf(own.channel), join.name, own.password);
      break;
    }
    case VoiceMode::None:
      return Outcome::Success();
  }
  return urls_.CheckCarries(ToOpen(*start));
}

}  // namespace cindermoor
