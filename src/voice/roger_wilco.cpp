// Roger Wilco: found by its installer's App Paths entry, started with a /join1 command line
// for the channel, and shut down by the quit click with /shutdown.
#include <memory>

#include "common/config.h"
#include "external/outside_programs.h"
#include "text/text.h"
#include "voice/voice_client.h"

namespace cindermoor {
namespace {

VoiceTexts RogerWilcoTexts() {
  return {
      .option = Text("main.client_option.roger_wilco"),
      .optionWidth = 1335,
      .frameCaption = Text("main.frame.roger_wilco"),
      .launchQuestion = Text("main.launch_question.roger_wilco"),
      .communityOption =
          Text("main.community_option.roger_wilco", {{"community", config::kCommunitySiteName}}),
      .ownServerOption = Text("main.own_server_option.roger_wilco"),
      .notice =
          Text("main.notice.roger_wilco", {{"download_page", config::kVoiceClientDownloadPage}}),
      .missing = Text("main.client_missing.roger_wilco"),
      .nameHint = "",
      .shuttingDown = Text("quit.shutting_down.roger_wilco"),
  };
}

class RogerWilco : public VoiceClient {
 public:
  explicit RogerWilco(OutsidePrograms& programs) : programs_(programs) {}

  const char* StoredName() const override { return "RogerWilco"; }
  const VoiceTexts& Texts() const override { return texts_; }
  bool Installed() override { return !programs_.VoiceClientFolder().empty(); }

  // A voice mode that names no server starts Roger Wilco without a channel.
  Outcome PlanStart(const GameLink& link, const VoiceJoin& join,
                    std::optional<std::string>& start) override {
    const VoiceFields& own = join.ownServer;
    start = BuildVoiceArgs(join.mode, own.server, own.channel, own.password, link);
    return Outcome::Success();
  }

  bool StartsAfterGame() const override { return false; }

  Outcome Start(const std::string& voiceArgs) override {
    programs_.StartVoiceClient(voiceArgs);
    return Outcome::Success();
  }

  void Quit() override { programs_.StopVoiceClient(); }

 private:
  OutsidePrograms& programs_;
  const VoiceTexts texts_ = RogerWilcoTexts();
};

}  // namespace

std::unique_ptr<VoiceClient> MakeRogerWilco(const VoiceServices& services) {
  return std::make_unique<RogerWilco>(services.programs);
}

}  // namespace cindermoor
