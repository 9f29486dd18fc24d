// Mumble: found by whoever opens mumble:// links, handed such a link for the channel and
// never waited for; the quit click leaves it running, as it has no command that ends it.
#include <memory>

#include "common/config.h"
#include "external/mumble_opener.h"
#include "external/mumble_url.h"
#include "text/text.h"
#include "voice/voice_client.h"

namespace cindermoor {
namespace {

VoiceTexts MumbleTexts() {
  return {
      .option = Text("main.client_option.mumble"),
      .optionWidth = 975,
      .frameCaption = Text("main.frame.mumble"),
      .launchQuestion = Text("main.launch_question.mumble"),
      .communityOption =
          Text("main.community_option.mumble", {{"community", config::kCommunitySiteName}}),
      .ownServerOption = Text("main.own_server_option.mumble"),
      .notice = Text("main.notice.mumble", {{"download_page", config::kMumbleDownloadPage}}),
      .missing = Text("main.client_missing.mumble"),
      .nameHint = Text("main.voice_name_hint"),
      .shuttingDown = "",
  };
}

class Mumble : public VoiceClient {
 public:
  explicit Mumble(MumbleOpener& opener) : opener_(opener) {}

  const char* StoredName() const override { return "Mumble"; }
  const VoiceTexts& Texts() const override { return texts_; }
  bool Installed() override { return opener_.Available(); }

  // Community: the channel named by the validated link's address, as Roger Wilco's. A Server
  // box Mumble cannot use refuses, as does a URL the system would not hand over whole; a
  // voice mode that names no server joins nothing.
  Outcome PlanStart(const GameLink& link, const VoiceJoin& join,
                    std::optional<std::string>& start) override {
    MumbleJoin mumbleJoin;
    switch (join.mode) {
      case VoiceMode::Community:
        mumbleJoin = CommunityMumbleJoin(ChannelDigitsOf(link.serverAddress), join.name);
        break;
      case VoiceMode::OwnServer: {
        const VoiceFields& own = join.ownServer;
        const Outcome built =
            OwnServerMumbleJoin(own.server, own.channel, own.password, join.name, mumbleJoin);
        if (!built.Succeeded()) return built;
        break;
      }
      case VoiceMode::None:
        return Outcome::Success();
    }
    start = MumbleUrl(mumbleJoin);
    return opener_.CheckCarries(*start);
  }

  bool StartsAfterGame() const override { return true; }

  Outcome Start(const std::string& url) override { return opener_.Open(url); }

  void Quit() override {}

 private:
  MumbleOpener& opener_;
  const VoiceTexts texts_ = MumbleTexts();
};

}  // namespace

std::unique_ptr<VoiceClient> MakeMumble(const VoiceServices& services) {
  return std::make_unique<Mumble>(services.mumble);
}

}  // namespace cindermoor
