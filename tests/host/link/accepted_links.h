// Links that validation accepts, with the arguments the game and the community voice
// client must receive for each. Shared by the native and the Windows split checks.
#pragma once

#include <string>
#include <vector>

namespace cindermoor::testing {

using Argv = std::vector<std::string>;

struct AcceptedLink {
  const char* link;
  Argv game;
  Argv communityVoice;
};

inline Argv CommunityVoice(const std::string& digits) {
  return {"roger.exe", "/join1", "rw.cindermoor.example/" + digits, "vortamb"};
}

inline const std::vector<AcceptedLink>& AcceptedLinks() {
  static const std::vector<AcceptedLink> links = {
      {"tribes://10.0.0.1:28001/",
       {"tribes.exe", "+connect", "10.0.0.1:28001"},
       CommunityVoice("1000128001")},
      {"tribes://10.0.0.1:28001/p=secret",
       {"tribes.exe", "+connect", "10.0.0.1:28001", "+password", "secret"},
       CommunityVoice("1000128001")},
      {"tribes://10.0.0.1:28001/pr=secret",
       {"tribes.exe", "+connect", "10.0.0.1:28001", "+password", "secret", "+record"},
       CommunityVoice("1000128001")},
      {"tribes://10.0.0.1:28001/p=one&pr=two",
       {"tribes.exe", "+connect", "10.0.0.1:28001", "+password", "one&pr=two", "+password", "two",
        "+record"},
       CommunityVoice("1000128001")},
      {"tribes://10.0.0.1:28001/P=Secret",
       {"tribes.exe", "+connect", "10.0.0.1:28001", "+password", "Secret"},
       CommunityVoice("1000128001")},
      {"tribes://10.0.0.1:28001/p=",
       {"tribes.exe", "+connect", "10.0.0.1:28001", "+password"},
       CommunityVoice("1000128001")},
      {"tribes:///", {"tribes.exe", "+connect"}, CommunityVoice("")},
      {"tribes://play.example-host.net:28001/",
       {"tribes.exe", "+connect", "play.example-host.net:28001"},
       CommunityVoice("playexample-hostnet28001")},
      {"tribes://h:1/p=a%20b",
       {"tribes.exe", "+connect", "h:1", "+password", "a%20b"},
       CommunityVoice("h1")},
      {"tribes://h:1/p=back\\slash\\",
       {"tribes.exe", "+connect", "h:1", "+password", "back\\slash\\"},
       CommunityVoice("h1")},
      {"tribes://h:1/p=x/",
       {"tribes.exe", "+connect", "h:1", "+password", "x/"},
       CommunityVoice("h1")},
      {"TRIBES://h:1/ ignored words", {"tribes.exe", "+connect", "h:1"}, CommunityVoice("h1")},
  };
  return links;
}

}  // namespace cindermoor::testing
