#include "ui/quit_form.h"

#include "external/outside_programs.h"
#include "state/launcher_settings.h"
#include "text/text.h"
#include "ui/program_control.h"

namespace cindermoor {

QuitForm::QuitForm(LauncherSettings& settings, OutsidePrograms& programs, ProgramControl& program,
                   QuitFormView& view)
    : settings_(settings),
      programs_(programs),
      program_(program),
      view_(view),
      caption_(Text("quit.click_here")) {}

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
  if (VoiceClientWanted()) {
    SetCaption(Text("quit.shutting_down.roger_wilco"));
    programs_.StopVoiceClient();
  }
  SetCaption(Text("quit.thank_you"));
  program_.EndProgram();
}

}  // namespace cindermoor
