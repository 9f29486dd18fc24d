#include "state/protocol_handler.h"

#include <utility>

#include "text/text.h"

namespace cindermoor {

namespace {

// The machine-wide class serves every user but needs administrator rights; the per-user class
// store is honoured by the shell for that user alone and is always writable by them.
const std::string kMachineClass = "Software\\CLASSES\\tribes";
const std::string kUserClass = "Software\\Classes\\tribes";

const char* const kIconKey = "\\DefaultIcon";
const char* const kShellKey = "\\shell";
const char* const kOpenKey = "\\shell\\open";
const char* const kCommandKey = "\\shell\\open\\command";

// The messages give the reason Windows gave for each store it refused.
Outcome NotRegistered(const Outcome& machine, const Outcome& user) {
  return Outcome::Failure(Text("handler.register_failed", {{"machine_reason", machine.Reason()},
                                                           {"user_reason", user.Reason()}}));
}
Outcome UserClassNotUpdated(const Outcome& user) {
  return Outcome::Failure(Text("handler.update_failed", {{"reason", user.Reason()}}));
}
Outcome NotRemoved(const Outcome& machine) {
  return Outcome::Failure(Text("handler.machine_remove_failed", {{"reason", machine.Reason()}}));
}
Outcome UserClassNotRemoved(const Outcome& user) {
  return Outcome::Failure(Text("handler.user_remove_failed", {{"reason", user.Reason()}}));
}

// Runs the steps in turn until one fails; the outcome is that of the last one run.
template <typename... Steps>
Outcome InTurn(const Steps&... steps) {
  Outcome outcome = Outcome::Success();
  (... && (outcome = steps(), outcome.Succeeded()));
  return outcome;
}

// The Linux desktop follows the Windows class and never stops it; what failed on either side
// reaches the user in one message.
Outcome BothSides(Outcome windows, Outcome linux) {
  if (linux.Succeeded()) return windows;
  if (windows.Succeeded()) return linux;
  return Outcome::Failure(windows.Reason() + "\r\r" + linux.Reason());
}

// The icon entry is joined without looking at the folder's last character: that is how it has
// always been written, and the shell reads a doubled separator fine.
std::string IconEntry(const std::string& tribesPath) { return tribesPath + "\\tribes.exe,0"; }

}  // namespace

std::string HandlerCommand(const std::string& program) {
  // The shell splits an unquoted command at its first blank, so a path such as
  // "C:\Program Files\..." would start "C:\Program". "%1" stays bare: the shell puts the link
  // in its place as it is.
  const bool needsQuotes = program.find_first_of(" \t") != std::string::npos;
  return (needsQuotes ? "\"" + program + "\"" : program) + " %1";
}

ProtocolHandler::ProtocolHandler(Registry& registry, LauncherSettings& settings,
                                 UnixDesktop& unixDesktop, ProgramFile program)
    : registry_(registry),
      settings_(settings),
      program_(std::move(program)),
      desktop_(unixDesktop, settings, program_.Path()) {}

Outcome ProtocolHandler::InstallProtocol() {
  const std::string tribesPath = settings_.Read(setting::kTribesPath);
  Outcome written = WriteToEitherStore(
      [&](const ClassStore& store) { return WriteWholeClass(store, tribesPath); });
  // Marking it installed when no class exists would offer Un-Install for a handler that is
  // not there; for the same reason the Linux desktop is set up only after the class.
  if (!written.Succeeded()) return written;
  settings_.Write(setting::kPath, program_.folder);
  settings_.Write(setting::kInstalled, "1");
  settings_.Write(setting::kUseTWRW, "1");
  return desktop_.Install();
}

// Both stores are tried whatever the first gives: the class may be in either, depending on
// who installed it. Installed is cleared only when no class is left, so the main window never
// offers Install for a handler that still opens links.
Outcome ProtocolHandler::UninstallProtocol() {
  const Outcome machine = RemoveClass({RegRoot::LocalMachine, kMachineClass});
  const Outcome user = RemoveClass({RegRoot::CurrentUser, kUserClass});
  Outcome linux = desktop_.Uninstall();
  if (!machine.Succeeded()) return BothSides(NotRemoved(machine), std::move(linux));
  if (!user.Succeeded()) return BothSides(UserClassNotRemoved(user), std::move(linux));
  settings_.Remove(setting::kInstalled);
  return linux;
}

bool ProtocolHandler::IsInstalled() { return settings_.Read(setting::kInstalled) == "1"; }

// A single key delete refuses a key with sub-keys, which would leave the handler working.
Outcome ProtocolHandler::RemoveClass(const ClassStore& store) {
  return registry_.DeleteRegTree(store.root, store.classKey);
}

// Only a class that is there is re-pointed: after Un-Install, neither a start nor OK may bring
// back a half class (a command without "URL Protocol" or icon) that the user removed. A
// machine-wide class refused to this user is re-pointed in the user's own store, as Install
// would.
Outcome ProtocolHandler::RepointExistingClass(const StoreWriter& repoint) {
  const ClassStore user{RegRoot::CurrentUser, kUserClass};
  if (HasClass({RegRoot::LocalMachine, kMachineClass})) return WriteToEitherStore(repoint);
  if (!HasClass(user)) return Outcome::Success();
  Outcome own = repoint(user);
  return own.Succeeded() ? own : UserClassNotUpdated(own);
}

Refreshed ProtocolHandler::RefreshHandlerCommand(DesktopHandler::Telling telling) {
  Outcome windows = RepointExistingClass([&](const ClassStore& store) {
    return InTurn([&] { return registry_.DeleteRegKey(store.root, store.classKey + kCommandKey); },
                  [&] { return WriteCommand(store); });
  });
  Refreshed linux = desktop_.Refresh(telling);
  return {BothSides(windows, std::move(linux.happened)),
          BothSides(windows, std::move(linux.toTell))};
}

Outcome ProtocolHandler::ReregisterProtocol() {
  const std::string tribesPath = settings_.Read(setting::kTribesPath);
  Outcome windows = RepointExistingClass([&](const ClassStore& store) {
    return InTurn([&] { return WriteIcon(store, tribesPath); },
                  [&] { return WriteCommand(store); });
  });
  return BothSides(std::move(windows), desktop_.Refresh().toTell);
}

// The shell prefers a user's own class to the machine-wide one, so a per-user class left from
// an install without administrator rights is kept current as well, or it would go on
// pointing at an old program.
Outcome ProtocolHandler::WriteToEitherStore(const StoreWriter& write) {
  const ClassStore user{RegRoot::CurrentUser, kUserClass};
  if (Outcome machine = write({RegRoot::LocalMachine, kMachineClass}); !machine.Succeeded()) {
    Outcome own = write(user);
    return own.Succeeded() ? own : NotRegistered(machine, own);
  }
  if (!HasClass(user)) return Outcome::Success();
  Outcome own = write(user);
  return own.Succeeded() ? own : UserClassNotUpdated(own);
}

bool ProtocolHandler::HasClass(const ClassStore& store) {
  return !registry_.GetRegString(store.root, store.classKey + kCommandKey, "", "").empty();
}

Outcome ProtocolHandler::WriteWholeClass(const ClassStore& store, const std::string& tribesPath) {
  const RegRoot root = store.root;
  const std::string& key = store.classKey;
  return InTurn([&] { return registry_.CreateRegKey(root, key); },
                [&] { return registry_.SetRegString(root, key, "", "URL: Tribes Protocol"); },
                [&] { return registry_.SetRegString(root, key, "URL Protocol", ""); },
                [&] { return registry_.CreateRegKey(root, key + kIconKey); },
                [&] { return WriteIcon(store, tribesPath); },
                [&] { return registry_.CreateRegKey(root, key + kShellKey); },
                [&] { return registry_.CreateRegKey(root, key + kOpenKey); },
                [&] { return registry_.CreateRegKey(root, key + kCommandKey); },
                [&] { return WriteCommand(store); });
}

Outcome ProtocolHandler::WriteIcon(const ClassStore& store, const std::string& tribesPath) {
  return registry_.SetRegString(store.root, store.classKey + kIconKey, "", IconEntry(tribesPath));
}

Outcome ProtocolHandler::WriteCommand(const ClassStore& store) {
  return registry_.SetRegString(store.root, store.classKey + kCommandKey, "",
                                HandlerCommand(program_.Path()));
}

}  // namespace cindermoor
