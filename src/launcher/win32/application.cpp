#include "launcher/win32/application.h"

#include <functional>
#include <utility>

#include "launcher/startup_sequence.h"
#include "launcher/win32/start_event.h"
#include "servers/win32/server_queries_win32.h"
#include "text/language.h"
#include "text/win32/windows_language.h"
#include "ui/locator_form.h"
#include "ui/quit_form.h"
#include "ui/servers_form.h"
#include "ui/win32/file_system_win32.h"
#include "ui/win32/locator_window.h"
#include "ui/win32/quit_window.h"
#include "ui/win32/servers_window.h"
#include "win32/text.h"
#include "window_kit/win32/guarded_call.h"
#include "window_kit/win32/wine_window_font.h"

namespace cindermoor::win32 {

struct QuitWindowParts {
  QuitWindowParts(LauncherSettings& settings, VoiceClients& voiceClients, ProgramControl& program,
                  EventLog& log, std::function<void()> beforeText)
      : window(std::move(beforeText)), form(settings, voiceClients, program, window, log) {
    window.Create(form);
  }
  QuitWindow window;
  QuitForm form;
};

struct LocatorWindowParts {
  LocatorWindowParts(LauncherSettings& settings, MainForm& mainForm)
      : form(settings, mainForm, files, window) {
    window.Create(form);
  }
  FileSystemWin32 files;
  LocatorWindow window;
  LocatorForm form;
};

// The query engine, and with it Winsock, comes with the window's first opening.
struct ServersWindowParts {
  ServersWindowParts(LauncherSettings& settings, std::function<void(const std::string&)> join)
      : form({settings, [](ServerQueryListener& listener) { return MakeServerQueries(listener); },
              std::move(join)},
             window) {
    window.Create(form);
  }
  ServersWindow window;
  ServersForm form;
};

namespace {

// The running program as Windows reports it: "C:\Games" and "launcher.exe", or "C:\" for a
// drive root.
ProgramFile RunningProgram() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  const size_t separator = path.find_last_of(L'\\');
  std::wstring folder = path.substr(0, separator);
  if (folder.size() == 2 && folder[1] == L':') folder += L'\\';
  return {Narrow(folder), Narrow(path.substr(separator + 1))};
}

}  // namespace

Application::Application()
    : protocol_(registry_, settings_, unixDesktop_, RunningProgram()),
      mainWindow_([this] { OnMainWindowClosed(); }, [this] { ProvideFontsWithTitleBar(); }),
      mainForm_(MainFormServices{settings_, protocol_, programs_, dialogs_, *this, voiceClients_,
                                 [this] { ShowLocatorWindow(); }, [this] { ShowServersWindow(); }},
                mainWindow_) {}

Application::~Application() = default;

void ChooseProgramLanguage() {
  SettingsStoreWin32 store;
  LauncherSettings settings{store};
  UseLanguage(ChooseLanguage(settings.Read(setting::kLanguage), WindowsDisplayLanguage()));
}

int Application::Run(const std::string& link) {
  log_.Write(StartEvent());
  const int exitCode = RunWindows(link);
  log_.Write("End, exit code " + std::to_string(exitCode));
  return exitCode;
}

// The log is held until start-up is done, the game started: the link's road to the game
// does not wait for a file.
int Application::RunWindows(const std::string& link) {
  mainWindow_.Connect(mainForm_);
  try {
    const StartupOutcome outcome =
        RunStartup({settings_, programs_, protocol_, mainForm_, dialogs_, voiceClients_, launchers_,
                    log_, [this] { ShowQuitWindow(); }},
                   link);
    log_.Flush();
    if (outcome == StartupOutcome::End) return 0;
    if (outcome == StartupOutcome::MainWindow) mainForm_.Show();
  } catch (const std::exception& failure) {
    log_.Write(std::string("Message shown: Cindermoor Launcher: ") + failure.what());
    log_.Flush();
    ReportFatalError(mainWindow_.Handle(), failure.what());
    return 1;
  }
  return MessageLoop();
}

void Application::EndProgram() { ::PostQuitMessage(0); }

void Application::ShowLocatorWindow() {
  if (!locator_) {
    ProvideWindowFace();
    locator_ = std::make_unique<LocatorWindowParts>(settings_, mainForm_);
  }
  locator_->form.Show();
}

void Application::ShowQuitWindow() {
  if (!quit_) {
    quit_ = std::make_unique<QuitWindowParts>(settings_, voiceClients_, *this, log_,
                                              [this] { ProvideWindowFace(); });
  }
  quit_->form.Show();
}

void Application::ShowServersWindow() {
  if (!servers_) {
    ProvideWindowFace();
    servers_ = std::make_unique<ServersWindowParts>(
        settings_, [this](const std::string& link) { JoinServer(link); });
  }
  servers_->form.Show();
}

// A server is joined by starting this program with its link, on the command line the tribes
// class gives the shell: the new start checks the link, asks about another game still running,
// joins voice and shows its quit window exactly as for a click, and records the server once its
// game has started. This launcher goes on showing its windows.
void Application::JoinServer(const std::string& link) {
  const ProgramFile program = RunningProgram();
  const std::string path = program.Path();
  std::string commandLine = HandlerCommand(path);
  commandLine.replace(commandLine.rfind("%1"), 2, link);
  loggedStarter_.Start({path, program.folder, commandLine, ShowCommand::Normal, false});
}

// Closing the main window ends the run, except while the quit window serves a link.
void Application::OnMainWindowClosed() {
  if (quit_) {
    mainForm_.Hide();
    return;
  }
  EndProgram();
}

// Wine's own fonts are loaded for this process when a window first needs them: a served
// link starts its game first.
void Application::ProvideWindowFace() {
  if (std::exchange(windowFaceProvided_, true)) return;
  ProvideWindowFaceUnderWine(unixDesktop_, LanguageInUse());
}

// Only the main window and the message boxes have a title bar: a served link, which shows
// neither, does not wait for the font of its buttons.
void Application::ProvideFontsWithTitleBar() {
  ProvideWindowFace();
  if (std::exchange(titleBarSymbolsProvided_, true)) return;
  ProvideTitleBarSymbolsUnderWine(unixDesktop_);
}

// The window a later start of the same link, or a second plain start, brings to the front.
HWND Application::FrontWindow() const {
  if (quit_) return quit_->window.Handle();
  if (locator_ && ::IsWindowVisible(locator_->window.Handle())) return locator_->window.Handle();
  return mainWindow_.Handle();
}

// Windows may fail to hand over one message (Wine fails one sent from another program that is
// too large to copy): the launcher goes on serving, and only a loop that keeps failing ends,
// as a failure. The first failure of a row is logged, so a flood of them cannot fill the log.
int Application::MessageLoop() {
  constexpr int kFailuresToGiveUp = 1000;
  MSG message;
  for (int failures = 0; failures < kFailuresToGiveUp;) {
    const BOOL got = ::GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(message.wParam);
    if (got == -1) {
      if (failures++ == 0) {
        log_.Write(DescribeError("Waiting for a window message failed", ::GetLastError()));
      }
      continue;
    }
    failures = 0;
    if (OfferShortcutKey(message)) continue;
    HWND active = ::GetActiveWindow();
    if (active && ::IsDialogMessageW(active, &message)) continue;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
  }
  log_.Write("Waiting for window messages failed " + std::to_string(kFailuresToGiveUp) +
             " times in a row: giving up");
  return 1;
}

}  // namespace cindermoor::win32
