#include "desktop/desktop_handler.h"

#include <algorithm>
#include <charconv>
#include <utility>
#include <vector>

#include "desktop/mime_apps_list.h"
#include "desktop/wine_paths.h"
#include "text/text.h"

namespace cindermoor {

namespace {

constexpr const char* kMimeType = "x-scheme-handler/tribes";
constexpr const char* kDesktopId = "cindermoor-launcher.desktop";
// Beside the entry, so that Un-Install leaves no folder of ours behind; the desktop's tools
// look only at the .desktop files there.
constexpr const char* kScriptName = "cindermoor-launcher.sh";

std::string LinksWillNotOpen(const std::string& reason) {
  return Text("desktop.links_will_not_open", {{"reason", reason}});
}
std::string LinksMayStillOpen(const std::string& reason) {
  return Text("desktop.links_may_still_open", {{"reason", reason}});
}
// The value of the length setting when Install found no mimeapps.list.
constexpr const char* kNoFile = "none";

}  // namespace

DesktopHandler::DesktopHandler(UnixDesktop& desktop, SettingValues& settings, std::string program)
    : desktop_(desktop), settings_(settings), program_(std::move(program)) {}

Outcome DesktopHandler::Install() {
  if (!desktop_.UnderWine()) return Outcome::Success();
  Outcome outcome = SetUp();
  RememberTold(outcome);
  return outcome;
}

Outcome DesktopHandler::SetUp() {
  std::string whyNot;
  const std::optional<Places> places = FindPlaces(whyNot);
  if (!places) return Outcome::Failure(LinksWillNotOpen(whyNot));
  // The default goes last: it must never name an entry that is not there.
  for (const auto& [path, text] : {std::pair{places->script, OpenLinkScriptText(places->program)},
                                   std::pair{places->entry, DesktopEntryText(places->script)}}) {
    if (Outcome written = WriteIfChanged(path, text); !written.Succeeded()) {
      return Outcome::Failure(LinksWillNotOpen(written.Reason()));
    }
  }
  Outcome defaulted = SetDefault(places->mimeApps);
  if (!defaulted.Succeeded()) return Outcome::Failure(LinksWillNotOpen(defaulted.Reason()));
  return Outcome::Success();
}

Outcome DesktopHandler::Uninstall() {
  if (!desktop_.UnderWine()) return Outcome::Success();
  std::string whyNot;
  const std::optional<Places> places = FindPlaces(whyNot);
  if (!places) return Outcome::Failure(LinksMayStillOpen(whyNot));
  // Another copy, or this one in another prefix, may have made the handler its own since.
  const UnixFileRead script = desktop_.ReadUnixFile(places->script);
  if (script.state == UnixFileRead::State::Unreadable) {
    return Outcome::Failure(LinksMayStillOpen(script.text));
  }
  if (script.state == UnixFileRead::State::Read &&
      !ScriptStartsProgram(script.text, places->program)) {
    return Outcome::Failure(Text("desktop.another_copys_handler", {{"script", places->script}}));
  }
  // Each step is tried even when one before it failed: whatever can go, goes.
  std::string failures;
  for (Outcome step : {RemoveDefault(*places), desktop_.RemoveUnixFile(places->entry),
                       desktop_.RemoveUnixFile(places->script)}) {
    if (!step.Succeeded()) failures += (failures.empty() ? "" : "\r") + step.Reason();
  }
  if (!failures.empty()) return Outcome::Failure(LinksMayStillOpen(failures));
  return Outcome::Success();
}

// Runs at every start, links included: when all is current it only reads three small files.
// A link is served at once, so nothing about the Linux side stands before the game; a plain
// start tells a problem once, and again only when its cause changes or it came back.
Refreshed DesktopHandler::Refresh(Telling telling) {
  if (!desktop_.UnderWine() || settings_.Read(setting::kInstalled) != "1") {
    return {Outcome::Success(), Outcome::Success()};
  }
  Outcome outcome = SetUp();
  if (!outcome.Succeeded() && (telling == Telling::Never ||
                               settings_.Read(setting::kLinuxProblemTold) == outcome.Reason())) {
    return {std::move(outcome), Outcome::Success()};
  }
  RememberTold(outcome);
  return {outcome, outcome};
}

// What was told is kept until the problem is gone.
void DesktopHandler::RememberTold(const Outcome& told) {
  if (!told.Succeeded()) {
    settings_.Write(setting::kLinuxProblemTold, told.Reason());
  } else if (!settings_.Read(setting::kLinuxProblemTold).empty()) {
    settings_.Remove(setting::kLinuxProblemTold);
  }
}

std::optional<DesktopHandler::Places> DesktopHandler::FindPlaces(std::string& whyNot) {
  const std::optional<std::string> loader = desktop_.Environment("WINELOADER");
  const std::optional<std::string> prefix = UnixFolderNamedBy("WINECONFIGDIR");
  if (!loader || !prefix) {
    whyNot = Text("desktop.no_wine_places");
    return std::nullopt;
  }
  const std::optional<std::string> data = XdgFolder("XDG_DATA_HOME", "/.local/share");
  const std::optional<std::string> config = XdgFolder("XDG_CONFIG_HOME", "/.config");
  if (!data || !config) {
    whyNot = Text("desktop.home_unreachable");
    return std::nullopt;
  }
  const std::string applications = WithoutTrailingSlash(*data) + "/applications/";
  return Places{{*loader, *prefix, program_},
                applications + kDesktopId,
                applications + kScriptName,
                WithoutTrailingSlash(*config) + "/mimeapps.list",
                ApplicationFolders(applications)};
}

// Where the desktop looks for entries: the user's own folder first, then those of
// XDG_DATA_DIRS (relative ones do not count).
std::vector<std::string> DesktopHandler::ApplicationFolders(const std::string& own) {
  std::vector<std::string> folders{own};
  const std::string dataDirs =
      desktop_.Environment("XDG_DATA_DIRS").value_or("/usr/local/share/:/usr/share/");
  std::size_t start = 0;
  while (start <= dataDirs.size()) {
    const std::size_t stop = std::min(dataDirs.find(':', start), dataDirs.size());
    const std::string folder = dataDirs.substr(start, stop - start);
    if (folder.starts_with('/')) folders.push_back(WithoutTrailingSlash(folder) + "/applications/");
    start = stop + 1;
  }
  return folders;
}

std::optional<std::string> DesktopHandler::UnixFolderNamedBy(const std::string& variable) {
  const std::optional<std::string> ntPath = desktop_.Environment(variable);
  if (!ntPath) return std::nullopt;
  return desktop_.UnixPath(WindowsPathOfNtPath(*ntPath));
}

// The XDG variables count only when they hold an absolute path; otherwise the folder is the
// usual one under the Unix home.
std::optional<std::string> DesktopHandler::XdgFolder(const std::string& variable,
                                                     const std::string& underHome) {
  const std::optional<std::string> set = desktop_.Environment(variable);
  if (set && set->starts_with('/')) return set;
  const std::optional<std::string> home = UnixFolderNamedBy("WINEHOMEDIR");
  if (!home) return std::nullopt;
  return WithoutTrailingSlash(*home) + underHome;
}

Outcome DesktopHandler::WriteIfChanged(const std::string& path, const std::string& text) {
  const UnixFileRead current = desktop_.ReadUnixFile(path);
  if (current.state == UnixFileRead::State::Read && current.text == text) {
    return Outcome::Success();
  }
  return desktop_.WriteUnixFile(path, text);
}

// The user's own file: one we cannot read is left alone rather than replaced by our line.
Outcome DesktopHandler::SetDefault(const std::string& mimeApps) {
  const UnixFileRead current = desktop_.ReadUnixFile(mimeApps);
  if (current.state == UnixFileRead::State::Unreadable) return Outcome::Failure(current.text);
  const std::string edited = WithDefaultApplication(current.text, kMimeType, kDesktopId);
  if (current.state == UnixFileRead::State::Read && edited == current.text) {
    return Outcome::Success();
  }
  Outcome written = desktop_.WriteUnixFile(mimeApps, edited);
  if (written.Succeeded()) RememberWhatWasChanged(current, edited);
  return written;
}

// What Un-Install needs to give the file back: the default we replaced, and where the group we
// appended begins.
void DesktopHandler::RememberWhatWasChanged(const UnixFileRead& before, const std::string& after) {
  if (before.state == UnixFileRead::State::Absent) {
    settings_.Write(setting::kLinuxMimeAppsLength, kNoFile);
    return;
  }
  const std::string earlier = DefaultApplicationOf(before.text, kMimeType);
  if (!earlier.empty() && earlier != kDesktopId) {
    settings_.Write(setting::kLinuxTribesDefault, earlier);
  }
  if (after.starts_with(before.text)) {
    settings_.Write(setting::kLinuxMimeAppsLength, std::to_string(before.text.size()));
  }
}

Outcome DesktopHandler::RemoveDefault(const Places& places) {
  const UnixFileRead current = desktop_.ReadUnixFile(places.mimeApps);
  if (current.state == UnixFileRead::State::Unreadable) return Outcome::Failure(current.text);
  Outcome result = Outcome::Success();
  if (current.state == UnixFileRead::State::Read) {
    const std::string lengthBefore = settings_.Read(setting::kLinuxMimeAppsLength);
    std::string edited =
        WithoutDefaultApplication(current.text, kMimeType, kDesktopId, EarlierDefault(places));
    std::size_t length = 0;
    const char* const end = lengthBefore.data() + lengthBefore.size();
    const bool recorded =
        lengthBefore == kNoFile ||
        (!lengthBefore.empty() && std::from_chars(lengthBefore.data(), end, length).ptr == end);
    if (recorded) edited = WithoutAddedDefaultsGroup(edited, length);
    if (edited.empty() && lengthBefore == kNoFile) {
      result = desktop_.RemoveUnixFile(places.mimeApps);
    } else if (edited != current.text) {
      result = desktop_.WriteUnixFile(places.mimeApps, edited);
    }
  }
  if (result.Succeeded()) {
    settings_.Remove(setting::kLinuxTribesDefault);
    settings_.Remove(setting::kLinuxMimeAppsLength);
  }
  return result;
}

// The default Install replaced, while one of the entries it names is still there; "" when
// there is nothing to give back.
std::string DesktopHandler::EarlierDefault(const Places& places) {
  const std::string earlier = settings_.Read(setting::kLinuxTribesDefault);
  for (const std::string& id : DesktopIdsIn(earlier)) {
    if (id == kDesktopId) continue;
    for (const std::string& folder : places.applicationFolders) {
      if (desktop_.ReadUnixFile(folder + id).state == UnixFileRead::State::Read) return earlier;
    }
  }
  return {};
}

}  // namespace cindermoor
