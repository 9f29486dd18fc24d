// Roger Wilco: found by its installer's App Paths entry, started with a /join1 command line
// for the channel, and shut down by the quit click with /shutdown.
#include <memory>

#include "common/config.h"
#include "common/folder_path.h"
#include "external/outside_programs.h"
#include "text/text.h"
#include "voice/voice_client.h"

namespace cindermoor {
namespace {

constexpr const char* kProgram = "roger.exe";
constexpr const char* kAppPathsKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\roger.exe";
constexpr std::string_view kJoinToken = " /join1 ";
constexpr const char* kShutdownArgs = " /shutdown";

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
          Text("main.notice.roger_wilco", {{"download_page", config::kRogerWilcoDownloadPage}}),
      .missing = Text("main.client_missing.roger_wilco"),
      .nameHint = "",
      .shuttingDown = Text("quit.shutting_down.roger_wilco"),
  };
}

// " /join1 <server>/<channel> <password>", with no quoting: the community channel's name comes
// from a validated link, and the own server's boxes are the user's own.
std::string JoinArgs(const std::string& server, const std::string& channel,
                     const std::string& password) {
  return std::string(kJoinToken) + server + "/" + channel + " " + password;
}

// The password comes from the settings and may hold blanks, so everything after the server
// and channel goes.
std::string WithJoinPasswordMasked(std::string_view text) {
  const std::string_view join = kJoinToken.substr(1);
  std::string masked(text);
  const std::size_t at = masked.find(join);
  if (at == std::string::npos) return masked;
  const std::size_t blank = masked.find(' ', at + join.size());
  if (blank != std::string::npos) masked.replace(blank + 1, std::string::npos, kMasked);
  return masked;
}

class RogerWilco : public VoiceClient {
 public:
  explicit RogerWilco(OutsidePrograms& programs) : programs_(programs) {}

  const char* StoredName() const override { return "RogerWilco"; }
  const VoiceTexts& Texts() const override { return texts_; }
  bool Installed() override { return !Folder().empty(); }

  // A voice mode that names no server starts Roger Wilco without a channel.
  Outcome PlanStart(const GameLink& link, const VoiceJoin& join,
                    std::optional<std::string>& start) override {
    const VoiceFields& own = join.ownServer;
    switch (join.mode) {
      case VoiceMode::Community:
        start = JoinArgs(config::kCommunityRogerWilcoHost, ChannelDigitsOf(link.serverAddress),
                         config::kCommunityRogerWilcoPassword);
        break;
      case VoiceMode::OwnServer:
        start = JoinArgs(own.server, own.channel, own.password);
        break;
      case VoiceMode::None:
        start = "";
        break;
    }
    return Outcome::Success();
  }

  bool StartsAfterGame() const override { return false; }

  // Starting by bare name would run whatever roger.exe a search happens to find.
  Outcome Start(const std::string& args) override {
    const std::string folder = Folder();
    if (folder.empty()) throw FatalError(Text("roger_wilco.cannot_start"));
    StartInFolder(folder, args, ShowCommand::Minimized);
    return Outcome::Success();
  }

  // Without Roger Wilco installed there is no running one to shut down.
  void Quit() override {
    const std::string folder = Folder();
    if (!folder.empty()) StartInFolder(folder, kShutdownArgs, ShowCommand::Normal);
  }

  TextMasking Masking() const override { return WithJoinPasswordMasked; }

 private:
  // Read on every call: the user may install it while the launcher runs.
  std::string Folder() { return programs_.InstallFolder(kAppPathsKey); }
  void StartInFolder(const std::string& folder, std::string_view args, ShowCommand show) {
    programs_.StartProgram(
        {JoinFolder(folder, kProgram), folder, kProgram + std::string(args), show});
  }

  OutsidePrograms& programs_;
  const VoiceTexts texts_ = RogerWilcoTexts();
};

}  // namespace

std::unique_ptr<VoiceClient> MakeRogerWilco(const VoiceServices& services) {
  return std::make_unique<RogerWilco>(services.programs);
}

}  // namespace cindermoor
