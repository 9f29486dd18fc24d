// TeamSpeak: found by whoever opens ts3server:// links, handed such a link for the server and
// channel and never waited for; the quit click leaves it running, as it has no command that
// ends it.
#include <memory>

#include "common/config.h"
#include "text/text.h"
#include "voice/url_client.h"
#include "voice/url_parts.h"
#include "voice/voice_client.h"

namespace cindermoor {
namespace {

// TeamSpeak's own port, for a Server box that names none.
constexpr int kDefaultPort = 9987;
constexpr std::string_view kPasswordParameter = "password=";

VoiceTexts TeamSpeakTexts() {
  return {
      .option = Text("main.client_option.teamspeak"),
      .optionWidth = 1215,
      .frameCaption = Text("main.frame.teamspeak"),
      .launchQuestion = Text("main.launch_question.teamspeak"),
      .communityOption =
          Text("main.community_option.teamspeak", {{"community", config::kCommunitySiteName}}),
      .ownServerOption = Text("main.own_server_option.teamspeak"),
      .notice = Text("main.notice.teamspeak", {{"download_page", config::kTeamSpeakDownloadPage}}),
      .missing = Text("main.client_missing.teamspeak"),
      .nameHint = Text("main.voice_name_hint.teamspeak"),
      .shuttingDown = "",
  };
}

// ts3server://HOST?port=PORT[&nickname=NAME][&password=PASSWORD][&channel=CHANNEL]. Every
// value is percent-encoded, so none can hold a "&", "=" or "#" that would start another
// parameter; an IPv6 host keeps its brackets.
std::string TeamSpeakUrl(const VoiceServer& server, const std::vector<std::string>& channelPath,
                         const std::string& name, const std::string& password) {
  std::string url = "ts3server://" + server.host;
  url += "?port=" + std::to_string(server.port.value_or(kDefaultPort));
  if (!name.empty()) url += "&nickname=" + PercentEncoded(name);
  if (!password.empty()) url += "&" + std::string(kPasswordParameter) + PercentEncoded(password);
  if (!channelPath.empty()) url += "&channel=" + EncodedChannelPath(channelPath);
  return url;
}

// Each "password=" value of a query, to the end of its parameter.
std::string WithPasswordParametersMasked(std::string_view text) {
  std::string masked(text);
  for (std::size_t at = masked.find(kPasswordParameter); at != std::string::npos;
       at = masked.find(kPasswordParameter, at + 1)) {
    if (at == 0 || (masked[at - 1] != '?' && masked[at - 1] != '&')) continue;
    const std::size_t value = at + kPasswordParameter.size();
    const std::size_t end = std::min(masked.find_first_of("&# \"", value), masked.size());
    masked.replace(value, end - value, kMasked);
  }
  return masked;
}

class TeamSpeak : public UrlClient {
 public:
  explicit TeamSpeak(UrlOpener& urls) : UrlClient(urls, "ts3server") {}

  const char* StoredName() const override { return "TeamSpeak"; }
  const VoiceTexts& Texts() const override { return texts_; }
  TextMasking Masking() const override { return WithPasswordParametersMasked; }

 protected:
  VoiceServer CommunityServer() const override {
    return {config::kCommunityTeamSpeakHost, std::nullopt};
  }
  std::string UrlOf(const VoiceServer& server, const std::vector<std::string>& channelPath,
                    const std::string& name, const std::string& password) const override {
    return TeamSpeakUrl(server, channelPath, name, password);
  }

 private:
  const VoiceTexts texts_ = TeamSpeakTexts();
};

}  // namespace

std::unique_ptr<VoiceClient> MakeTeamSpeak(const VoiceServices& services) {
  return std::make_unique<TeamSpeak>(services.urls);
}

}  // namespace cindermoor
