// Under Wine, the Linux desktop's handler of tribes:// links, kept in step with the Windows class.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/outcome.h"
#include "common/settings_table.h"
#include "desktop/desktop_files.h"
#include "desktop/setting_values.h"
#include "desktop/unix_desktop.h"

namespace cindermoor {

// What a refresh did, and what of it the user is to hear: a problem told before, or one a
// link's start keeps quiet about, is in `happened` alone.
struct [[nodiscard]] Refreshed {
  Outcome happened;
  Outcome toTell;
};

class DesktopHandler {
 public:
  // Whether a refresh may tell the user of a problem on the Linux side.
  enum class Telling { OncePerCause, Never };

  // program: the running program as Windows names it ("C:\Games\launcher.exe").
  DesktopHandler(UnixDesktop& desktop, SettingValues& settings, std::string program);

  // Each does nothing when the program does not run under Wine.
  // Writes the desktop entry and its script, and makes the entry the tribes default. A
  // failure is always told, and counts as told for Refresh.
  Outcome Install();
  // Removes our files and our default, leaving everything else as it was: the default Install
  // replaced comes back while its entry is there. Leaves them all while the script starts
  // another copy or prefix, and says so.
  Outcome Uninstall();
  // While the handler is installed, rewrites whatever is missing or stale; writes nothing
  // when all is current. Its toTell fails only for a problem telling allows and not told
  // before.
  Refreshed Refresh(Telling telling = Telling::OncePerCause);

 private:
  struct Places {
    WineProgram program;
    std::string entry;                            // the desktop entry
    std::string script;                           // the script its Exec runs
    std::string mimeApps;                         // the user's mimeapps.list
    std::vector<std::string> applicationFolders;  // where desktop entries are looked for
  };

  Outcome SetUp();
  void RememberTold(const Outcome& told);
  std::optional<Places> FindPlaces(std::string& whyNot);
  std::optional<std::string> UnixFolderNamedBy(const std::string& variable);
  std::optional<std::string> XdgFolder(const std::string& variable, const std::string& underHome);
  Outcome WriteIfChanged(const std::string& path, const std::string& text);
  std::vector<std::string> ApplicationFolders(const std::string& own);
  Outcome SetDefault(const std::string& mimeApps);
  void RememberWhatWasChanged(const UnixFileRead& before, const std::string& after);
  Outcome RemoveDefault(const Places& places);
  std::string EarlierDefault(const Places& places);

  UnixDesktop& desktop_;
  SettingValues& settings_;
  std::string program_;
};

}  // namespace cindermoor
