#include "ui/quit_form.h"

#include "external/outside_programs.h"
#include "log/event_log.h"
#include "state/launcher_settings.h"
#include "ui/program_control.h"

namespace cindermoor {
namespace {

constexpr const char* kClickHere = "Click here to quit.";
constexpr const char* kShuttingDown = "Shutting down RogerWilco . . .";
constexpr const char* kThankYou = "Thank-you!";

}  // namespace

QuitForm::QuitForm(LauncherSettings& settings, OutsidePrograms& programs, ProgramControl& program,
                   QuitFormView& view, EventLog& log)
    : settings_(settings),
      programs_(programs),
      program_(program),
      view_(view),
      log_(log),
      caption_(kClickHere) {}

void QuitForm::Show() { view_.Show(); }

void QuitForm::SetCaption(const std::string& caption) {
  caption_ = caption;
  view_.SetCaption(caption);
}

// As start-up read the settings, or as the user changed them since: the voice client this run
// started is the one shut down. A value start-up would not take is "no", so a hand-edited
// setting cannot keep the user from quitting.
bool QuitForm::VoiceClientWanted() {
  // Mumble has no command that ends it: the player leaves it running, or closes it.
  if (ParseVoiceClient(settings_.Read(setting::kVoiceClient)) == VoiceClient::Mumble) {
    return false;
  }
  return ParseLaunchBox(settings_.Read(setting::kRogerWilcoLaunch)) == 1;
}

// A failing shutdown start propagates: the caller reports it and ends the run, so
// "Thank-you!" is not shown then.
void QuitForm::OnQuitClicked() {
  log_.Write("Quit clicked");
  if (VoiceClientWanted()) {
    SetCaption(kShuttingDown);
    programs_.StopVoiceClient();
  }
  SetCaption(kThankYou);
  program_.EndProgram();
}

}  // namespace cindermoor
