// Hosts and names of the community and product sites, kept in one place.
#pragma once

namespace cindermoor::config {

// The community voice server every game server's channel lives on.
inline constexpr const char* kCommunityVoiceHost = "rw.cindermoor.example";
// The community voice server's channel password, the same for every channel.
inline constexpr const char* kCommunityChannelPassword = "vortamb";
// The community's Mumble server, where the same channels live for players on Mumble.
inline constexpr const char* kCommunityMumbleHost = "mumble.cindermoor.example";
inline constexpr int kCommunityMumblePort = 64738;
// The master servers the community's game servers report to, asked when the MasterServers
// setting names none: host or host:port, blank-separated, as that setting is written.
inline constexpr const char* kCommunityMasterServers =
    "t1m1.pu.net t1m1.tribes0.com t1m1.kigen.co t1m2.kigen.co t1m1.tribesmasterserver.com";
// The community site's name, as the main window's voice option names it.
inline constexpr const char* kCommunitySiteName = "Cindermoor";
// The product web site's host (home page and registration page).
inline constexpr const char* kProductWebHost = "www.cindermoor.example";
// Where the voice client can be downloaded.
inline constexpr const char* kVoiceClientDownloadPage = "http://rogerwilco.example/download";
// Where Mumble can be downloaded.
inline constexpr const char* kMumbleDownloadPage = "https://www.mumble.info/";

}  // namespace cindermoor::config
