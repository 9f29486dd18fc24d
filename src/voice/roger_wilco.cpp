// Roger Wilco: found by its installer's App Paths entry, started with a /join1 command line
// for the channel, and shut down by the quit click with /shutdown.
#include <memory>

#include "common/config.h"
#include "external/outside_programs.h"
#include "voice/voice_client.h"

namespace cindermoor {
namespace {

VoiceTexts RogerWilcoTexts() {
  return {
      .option = "Roger Wilco",
      .optionWidth = 1335,
      .frameCaption = "Roger Wilco Settings",
      .launchQuestion = "Launch RogerWilco on game connection?",
      .communityOption = std::string("Use ") + config::kCommunitySiteName + " RW server.",
      .ownServerOption = "Use your own RogerWilco server.",
      .notice = std::string("In order to use the Roger Wilco features of Cindermoor Launcher, "
                            "you must have installed a working copy of RogerWilco.  You can "
                            "download RogerWilco at ") +
                config::kVoiceClientDownloadPage + " or any of its various mirrors.",
      .missing = "Roger Wilco is not installed.",
      .nameHint = "",
      .shuttingDown = "Shutting down RogerWilco . . .",
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
