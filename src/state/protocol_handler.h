// The `tribes` URL protocol class that makes game links open with this program.
#pragma once

#include <functional>
#include <string>

#include "state/launcher_settings.h"
#include "state/registry.h"

namespace cindermoor {

// The command the shell runs for a link: the program's "launcher.exe" and the link as "%1".
std::string HandlerCommand(const std::string& programFolder);

class ProtocolHandler {
 public:
  // programFolder: the folder of the running program as the platform reports it.
  ProtocolHandler(Registry& registry, LauncherSettings& settings, std::string programFolder);

  // Each returns false only when neither the machine-wide nor the per-user class store took it.
  bool InstallProtocol();
  void UninstallProtocol();
  bool RefreshHandlerCommand();
  bool ReregisterProtocol();

 private:
  // Where a class can live: a root and the path of the class key under it.
  struct ClassStore {
    RegRoot root;
    std::string classKey;
  };
  using StoreWriter = std::function<bool(const ClassStore&)>;

  bool WriteToEitherStore(const StoreWriter& write);
  bool HasClass(const ClassStore& store);
  bool WriteWholeClass(const ClassStore& store, const std::string& tribesPath);
  bool WriteIcon(const ClassStore& store, const std::string& tribesPath);
  bool WriteCommand(const ClassStore& store);

  Registry& registry_;
  LauncherSettings& settings_;
  std::string programFolder_;
};

}  // namespace cindermoor
