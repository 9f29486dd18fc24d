// Hosts and names of the community and product sites, kept in one place.
#pragma once

namespace cindermoor::config {

// The community's Roger Wilco server every game server's channel lives on.
inline constexpr const char* kCommunityRogerWilcoHost = "rw.cindermoor.example";
// That server's channel password, the same for every channel.
inline constexpr const char* kCommunityRogerWilcoPassword = "vortamb";
// The community's Mumble server, where the same channels live for players on Mumble.
inline constexpr const char* kCommunityMumbleHost = "mumble.cindermoor.example";
inline constexpr int kCommunityMumblePort = 64738;
// The master servers the community's game servers report to, asked when the MasterServers
// setting names none: host or host:port, blank-separated, as that setting is written.
inline constexpr const char* kCommunityMasterServers =
    "t1m1.pu.net t1m1.tribes0.com t1m1.kigen.co t1m2.kigen.co t1m1.tribesmasterserver.com";
// The community's TeamSpeak server (on TeamSpeak's own port), with the same channels.
inline constexpr const char* kCommunityTeamSpeakHost = "teamspeak.cindermoor.example";
// The community site's name, as the main window's voice option names it.
inline constexpr const char* kCommunitySiteName = "Cindermoor";
// The product web site's host (home page and registration page).
inline constexpr const char* kProductWebHost = "www.cindermoor.example";
// Where each voice client can be downloaded.
inline constexpr const char* kRogerWilcoDownloadPage = "http://rogerwilco.example/download";
inline constexpr const char* kMumbleDownloadPage = "https://www.mumble.info/";
inline constexpr const char* kTeamSpeakDownloadPage = "https://teamspeak.com/en/downloads/";

}  // namespace cindermoor::config
