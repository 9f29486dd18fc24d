// The `tribes` URL protocol class that makes game links open with this program.
#pragma once

#include <functional>
#include <string>

#include "common/folder_path.h"
#include "common/outcome.h"
#include "desktop/desktop_handler.h"
#include "desktop/unix_desktop.h"
#include "state/launcher_settings.h"
#include "state/registry.h"

namespace cindermoor {

// The command the shell runs for a link: the program (its full path) and the link as "%1".
std::string HandlerCommand(const std::string& program);

class ProtocolHandler {
 public:
  // program: the running program as the platform reports it. Under Wine, unixDesktop's side
  // is kept in step with the Windows class.
  ProtocolHandler(Registry& registry, LauncherSettings& settings, UnixDesktop& unixDesktop,
                  ProgramFile program);

  // Each fails when neither the machine-wide nor the per-user class store took it, or when,
  // under Wine, the Linux desktop could not be kept in step; the reason names all of it.
  Outcome InstallProtocol();
  // Fails, keeping the Installed setting, when a class is left that Windows would not remove.
  Outcome UninstallProtocol();
  // Points the command of each class that is there at this program; writes no class itself.
  // telling: whether a Linux-side problem may be told (once per cause) or never; a Windows
  // one is always told.
  Refreshed RefreshHandlerCommand(
      DesktopHandler::Telling telling = DesktopHandler::Telling::OncePerCause);
  // As RefreshHandlerCommand, and the icon too.
  Outcome ReregisterProtocol();
  // Whether the Installed setting says a handler is in place: what the main window's buttons show.
  bool IsInstalled();

 private:
  // Where a class can live: a root and the path of the class key under it.
  struct ClassStore {
    RegRoot root;
    std::string classKey;
  };
  using StoreWriter = std::function<Outcome(const ClassStore&)>;

  Outcome WriteToEitherStore(const StoreWriter& write);
  Outcome RepointExistingClass(const StoreWriter& repoint);
  Outcome RemoveClass(const ClassStore& store);
  bool HasClass(const ClassStore& store);
  Outcome WriteWholeClass(const ClassStore& store, const std::string& tribesPath);
  Outcome WriteIcon(const ClassStore& store, const std::string& tribesPath);
  Outcome WriteCommand(const ClassStore& store);

  Registry& registry_;
  LauncherSettings& settings_;
  ProgramFile program_;
  DesktopHandler desktop_;
};

}  // namespace cindermoor
