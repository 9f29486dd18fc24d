// The quit window's behaviour: its one text line, whose click does the chosen voice client's
// quit when the user wants it started with games, and ends the program.
#pragma once

#include <string>

namespace cindermoor {

class EventLog;
class LauncherSettings;
class ProgramControl;
class VoiceClients;

// What the quit window's behaviour asks of its face on screen.
class QuitFormView {
 public:
  virtual ~QuitFormView() = default;
  virtual void SetCaption(const std::string& caption) = 0;
  virtual void Show() = 0;
};

class QuitForm {
 public:
  QuitForm(LauncherSettings& settings, VoiceClients& voiceClients, ProgramControl& program,
           QuitFormView& view, EventLog& log);

  void Show();
  // A click anywhere on the text line, or a request to close the window.
  void OnQuitClicked();
  // The text line's caption.
  const std::string& Caption() const { return caption_; }

 private:
  void SetCaption(const std::string& caption);
  bool VoiceClientWanted();

  LauncherSettings& settings_;
  VoiceClients& voiceClients_;
  ProgramControl& program_;
  QuitFormView& view_;
  EventLog& log_;
  std::string caption_;
};

}  // namespace cindermoor
