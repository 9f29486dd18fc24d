// The running program: the Windows services, the three windows, start-up and the message loop.
#pragma once

#include <memory>
#include <string>

#include "desktop/win32/unix_desktop_win32.h"
#include "external/logged_outside.h"
#include "external/outside_programs.h"
#include "external/win32/program_starter_win32.h"
#include "external/win32/url_opener_win32.h"
#include "external/win32/web_opener_win32.h"
#include "launcher/win32/session_launchers_win32.h"
#include "log/event_log.h"
#include "log/win32/log_file_win32.h"
#include "state/launcher_settings.h"
#include "state/protocol_handler.h"
#include "state/win32/registry_win32.h"
#include "state/win32/settings_store_win32.h"
#include "ui/logged_dialogs.h"
#include "ui/main_form.h"
#include "ui/program_control.h"
#include "ui/win32/main_window.h"
#include "ui/win32/message_boxes.h"
#include "voice/voice_clients.h"

namespace cindermoor::win32 {

// Chooses the language of every text: the Language setting, else Windows' display language.
// It runs before anything makes a text, the parts of Application included.
void ChooseProgramLanguage();

struct QuitWindowParts;
struct LocatorWindowParts;
struct ServersWindowParts;

class Application : public ProgramControl {
 public:
  Application();
  ~Application() override;

  // Runs start-up for the link ("" for none) and then the windows until the program ends.
  int Run(const std::string& link);

  void EndProgram() override;

 private:
  void ShowLocatorWindow();
  void ShowQuitWindow();
  void ShowServersWindow();
  void JoinServer(const std::string& link);
  void OnMainWindowClosed();
  int RunWindows(const std::string& link);
  void ProvideWindowFace();
  void ProvideFontsWithTitleBar();
  HWND FrontWindow() const;
  int MessageLoop();

  // First, so that it outlives everything that writes to it and is written out last.
  LogFileWin32 logFile_;
  EventLog log_{logFile_};
  RegistryWin32 registry_;
  SettingsStoreWin32 store_;
  LauncherSettings settings_{store_};
  ProgramStarterWin32 starter_;
  LoggedStarter loggedStarter_{starter_, log_};
  WebOpenerWin32 webOpener_{[this] { return mainWindow_.Handle(); }};
  LoggedWebOpener loggedWebOpener_{webOpener_, log_};
  OutsidePrograms programs_{registry_, settings_, loggedStarter_, loggedWebOpener_};
  UnixDesktopWin32 unixDesktop_;
  UrlOpenerWin32 urlOpener_{registry_, unixDesktop_};
  LoggedUrlOpener loggedUrlOpener_{urlOpener_, log_};
  VoiceClients voiceClients_{{programs_, loggedUrlOpener_, log_}};
  ProtocolHandler protocol_;
  MessageBoxes messageBoxes_{[this] {
    ProvideFontsWithTitleBar();
    return mainWindow_.Handle();
  }};
  LoggedDialogs dialogs_{messageBoxes_, log_};
  MainWindow mainWindow_;
  MainForm mainForm_;
  SessionLaunchersWin32 launchers_{[this] { return FrontWindow(); }};
  // Created on first use, then only hidden and shown.
  std::unique_ptr<QuitWindowParts> quit_;
  std::unique_ptr<LocatorWindowParts> locator_;
  std::unique_ptr<ServersWindowParts> servers_;
  bool windowFaceProvided_ = false;
  bool titleBarSymbolsProvided_ = false;
};

}  // namespace cindermoor::win32
