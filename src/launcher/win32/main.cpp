// Cindermoor Launcher: started plainly it shows its settings; started by the shell with a
// tribes:// link it starts the voice client and the game for that server.
#include <windows.h>
#include <objbase.h>

#include "launcher/command_line.h"
#include "launcher/win32/application.h"
#include "win32/text.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  // A single-threaded apartment: screen readers in other processes reach the picture buttons'
  // accessible objects through COM, and the shell's calls expect one too. Without it the
  // windows still work, only unseen by screen readers.
  const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  // The wide command line: no character of the link is best-fit mapped on the way in.
  const std::string link =
      cindermoor::LinkOnCommandLine(cindermoor::win32::Narrow(::GetCommandLineW()));
  cindermoor::win32::ChooseProgramLanguage();
  int result = 0;
  {
    cindermoor::win32::Application application;
    result = application.Run(link);
  }
  if (SUCCEEDED(com)) ::CoUninitialize();
  return result;
}
