// Every setting of the launcher, declared once: its stored name (shared with earlier versions:
// names never change), how its stored text is read, what it reads as when it is not there or
// not of its kind, and where the user sees it. A new setting is a name and a row.
#pragma once

#include <cmath>
#include <optional>
#include <string>
#include <string_view>

#include "common/setting_number.h"

namespace cindermoor {

namespace setting {
inline constexpr const char* kTribesPath = "TribesPath";
inline constexpr const char* kServer = "Server";
inline constexpr const char* kChannel = "Channel";
inline constexpr const char* kPassword = "Password";
// The launch box, for whichever voice client is chosen; its stored name is from the days of
// Roger Wilco alone.
inline constexpr const char* kLaunchVoiceClient = "RogerWilcoLaunch";
inline constexpr const char* kUseTWRW = "UseTWRW";
inline constexpr const char* kInstalled = "Installed";
inline constexpr const char* kPath = "Path";
inline constexpr const char* kVoiceClient = "VoiceClient";
inline constexpr const char* kVoiceName = "VoiceName";
inline constexpr const char* kLanguage = "Language";
inline constexpr const char* kLinuxTribesDefault = "LinuxTribesDefault";
inline constexpr const char* kLinuxMimeAppsLength = "LinuxMimeAppsLength";
inline constexpr const char* kLinuxProblemTold = "LinuxProblemTold";
inline constexpr const char* kRecentServers = "RecentServers";
inline constexpr const char* kFavouriteServers = "FavouriteServers";
inline constexpr const char* kMasterServers = "MasterServers";
}  // namespace setting

// How a setting's stored text is read.
enum class Reading {
  Text,    // as stored
  Flag,    // "0" or "1"; a number that rounds to one of them counts ("0.6" is "1")
  Number,  // a number as NumberOf reads it ("01", " 1" and "1.0" are 1)
  Choice,  // one of a list's stored names, matched by the list's owner (any other: its first)
};

// Where the user sees and changes a setting. Start-up reads the main window's.
enum class Shown { MainWindow, ServersWindow, Nowhere };

struct SettingRow {
  const char* name;
  Reading reading;
  const char* byDefault;  // for a text that is not there or not of its kind
  Shown shown;
};

inline constexpr SettingRow kSettingRows[] = {
    {setting::kTribesPath, Reading::Text, "", Shown::MainWindow},
    // The user's own voice server.
    {setting::kServer, Reading::Text, "", Shown::MainWindow},
    {setting::kChannel, Reading::Text, "", Shown::MainWindow},
    {setting::kPassword, Reading::Text, "", Shown::MainWindow},
    // The launch box: a first run ticks it.
    {setting::kLaunchVoiceClient, Reading::Flag, "1", Shown::MainWindow},
    // 1: the community server, 0: the user's own, any other number: no voice joined.
    {setting::kUseTWRW, Reading::Number, "1", Shown::MainWindow},
    // "1" while the tribes class is installed.
    {setting::kInstalled, Reading::Text, "", Shown::MainWindow},
    // The folder Install registered the program from.
    {setting::kPath, Reading::Text, "", Shown::Nowhere},
    // Which voice client a served link starts (a client's stored name, src/voice/), and the
    // player's name in voice ("" lets the client ask).
    {setting::kVoiceClient, Reading::Choice, "", Shown::MainWindow},
    {setting::kVoiceName, Reading::Text, "", Shown::MainWindow},
    // The language of every text ("de", "pt-BR", …; src/text/languages/languages.txt); empty
    // or unknown: Windows' display language.
    {setting::kLanguage, Reading::Choice, "", Shown::Nowhere},
    // What Install changed in the Linux desktop's mimeapps.list, so that Un-Install can give it
    // back: the earlier default for tribes:// links, and the file's length in bytes before
    // Install appended its [Default Applications] group ("none": there was no file).
    {setting::kLinuxTribesDefault, Reading::Text, "", Shown::Nowhere},
    {setting::kLinuxMimeAppsLength, Reading::Text, "", Shown::Nowhere},
    // The Linux-side problem a start last told the user of, so that it is told once.
    {setting::kLinuxProblemTold, Reading::Text, "", Shown::Nowhere},
    // The servers window's lists, blank-separated host:port entries read as servers/server_lists.h
    // reads them: Recent, the servers links joined, newest first (start-up records each once its
    // game has started); Favourites, the ones the player added, in that order; and the master
    // servers (host or host:port; empty: the community's, config.h).
    {setting::kRecentServers, Reading::Text, "", Shown::ServersWindow},
    {setting::kFavouriteServers, Reading::Text, "", Shown::ServersWindow},
    {setting::kMasterServers, Reading::Text, "", Shown::ServersWindow},
};

// The launch box's reading, wherever it is read: 0 or 1, a number that rounds to one of them
// included; anything else is nullopt.
inline std::optional<int> FlagOf(std::string_view stored) {
  const std::optional<double> number = NumberOf(stored);
  if (!number) return std::nullopt;
  const double whole = std::nearbyint(*number);
  if (whole != 0 && whole != 1) return std::nullopt;
  return static_cast<int>(whole);
}

// A stored text as its row reads it ("0.6" as the flag "1"); nullopt when it is not of the
// row's kind, and then the row's default stands. "" is not there.
inline std::optional<std::string> ReadAs(const SettingRow& row, const std::string& stored) {
  switch (row.reading) {
    case Reading::Flag:
      if (const std::optional<int> flag = FlagOf(stored)) return std::to_string(*flag);
      return std::nullopt;
    case Reading::Number:
      if (NumberOf(stored)) return stored;
      return std::nullopt;
    case Reading::Text:
    case Reading::Choice:
      break;
  }
  if (stored.empty()) return std::nullopt;
  return stored;
}

}  // namespace cindermoor
