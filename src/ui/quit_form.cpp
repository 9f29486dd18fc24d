#include "ui/quit_form.h"

#include "log/event_log.h"
#include "state/launcher_settings.h"
#include "text/text.h"
#include "ui/program_control.h"
#include "voice/voice_clients.h"

namespace cindermoor {

QuitForm::QuitForm(LauncherSettings& settings, VoiceClients& voiceClients, ProgramControl& program,
                   QuitFormView& view, EventLog& log)
    : settings_(settings),
      voiceClients_(voiceClients),
      program_(program),
      view_(view),
      log_(log),
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
  return FlagOf(settings_.Read(setting::kRogerWilcoLaunch)) == 1;
}

// A failing shutdown start propagates: the caller reports it and ends the run, so
// "Thank-you!" is not shown then.
void QuitForm::OnQuitClicked() {
  log_.Write("Quit clicked");
  if (VoiceClientWanted()) {
    VoiceClient& client =
        voiceClients_.At(voiceClients_.Chosen(settings_.Read(setting::kVoiceClient)));
    const std::string& shuttingDown = client.Texts().shuttingDown;
    if (!shuttingDown.empty()) SetCaption(shuttingDown);
    client.Quit();
  }
  SetCaption(Text("quit.thank_you"));
  program_.EndProgram();
}

}  // namespace cindermoor
