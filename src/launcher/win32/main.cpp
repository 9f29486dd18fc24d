// Cindermoor Launcher: started plainly it shows its settings; started by the shell with a
// tribes:// link it starts the voice client and the game for that server.
#include <windows.h>

#include "launcher/command_line.h"
#include "launcher/win32/application.h"
#include "win32/text.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // No COM apartment here: the screen readers' objects and the shell's calls set one up
  // when first needed, so a served link does not wait for it.
  // The wide command line: no character of the link is best-fit mapped on the way in.
  const std::string link =
      cindermoor::LinkOnCommandLine(cindermoor::win32::Narrow(::GetCommandLineW()));
  cindermoor::win32::ChooseProgramLanguage();
  cindermoor::win32::Application application;
  return application.Run(link);
}
