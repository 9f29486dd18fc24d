// The whole start-up: adapts the main window to what is installed, finds the game, loads the
// settings into the windows, re-points the protocol handler and serves a link when given one.
#pragma once

#include <functional>
#include <string>

#include "ui/dialogs.h"

namespace cindermoor {

class EventLog;
class LauncherSettings;
class MainForm;
class OutsidePrograms;
class ProtocolHandler;
class SessionLaunchers;
class VoiceClients;

struct StartupServices {
  LauncherSettings& settings;
  OutsidePrograms& programs;
  ProtocolHandler& protocol;
  MainForm& mainWindow;  // shown from the stored values, which raises no handler
  Dialogs& dialogs;
  VoiceClients& voiceClients;
  SessionLaunchers& launchers;
  EventLog& log;
  std::function<void()> showQuitWindow;
};

// What is on screen when start-up is done.
enum class StartupOutcome {
  MainWindow,     // no link: show the main window
  LocatorWindow,  // the game locator is open; the main window waits hidden
  ServingLink,    // the quit window is up and the programs were started
  End,            // nothing to show: the program ends
};

// Runs the start-up steps in order. Program start failures (FatalError) propagate.
StartupOutcome RunStartup(StartupServices services, const std::string& link);

}  // namespace cindermoor
