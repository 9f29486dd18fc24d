// The launcher's settings by their stored names, shared with earlier versions: names never
// change.
#pragma once

namespace cindermoor {

namespace setting {
inline constexpr const char* kTribesPath = "TribesPath";
inline constexpr const char* kServer = "Server";
inline constexpr const char* kChannel = "Channel";
inline constexpr const char* kPassword = "Password";
inline constexpr const char* kRogerWilcoLaunch = "RogerWilcoLaunch";
inline constexpr const char* kUseTWRW = "UseTWRW";
inline constexpr const char* kInstalled = "Installed";
inline constexpr const char* kPath = "Path";
// Which voice client a served link starts (a client's stored name, src/voice/; any other
// value chooses the first client), and the player's name in voice ("" lets the client ask).
inline constexpr const char* kVoiceClient = "VoiceClient";
inline constexpr const char* kVoiceName = "VoiceName";
// The language of every text ("de", "pt-BR", …; see src/text/languages/languages.txt); empty
// or unknown: Windows' display language.
inline constexpr const char* kLanguage = "Language";
// What Install changed in the Linux desktop's mimeapps.list, so that Un-Install can give it
// back: the earlier default for tribes:// links, and the file's length in bytes before Install
// appended its [Default Applications] group ("none": there was no file).
inline constexpr const char* kLinuxTribesDefault = "LinuxTribesDefault";
inline constexpr const char* kLinuxMimeAppsLength = "LinuxMimeAppsLength";
// The Linux-side problem a start last told the user of, so that it is told once.
inline constexpr const char* kLinuxProblemTold = "LinuxProblemTold";
// The servers window's lists: blank-separated host:port entries. Recent holds the servers links
// joined, newest first; Favourites the ones the player added, in that order. MasterServers
// names the master servers (host or host:port); empty, the community's masters.
inline constexpr const char* kRecentServers = "RecentServers";
inline constexpr const char* kFavouriteServers = "FavouriteServers";
inline constexpr const char* kMasterServers = "MasterServers";
}  // namespace setting

}  // namespace cindermoor
