// One voice client behind one shape: its texts in the window, whether this system has it,
// what a served link starts and what the quit click does. Start-up, the windows and the
// program ask the chosen client through this shape and name none.
#pragma once

#include <optional>
#include <string>

#include "common/outcome.h"
#include "link/command_lines.h"
#include "link/game_link.h"
#include "log/log_lines.h"

namespace cindermoor {

class EventLog;
class OutsidePrograms;
class UrlOpener;

// The system's services a client may stand on, and the log that must mask its secrets.
struct VoiceServices {
  OutsidePrograms& programs;
  UrlOpener& urls;
  EventLog& log;
};

// The own-server boxes of the voice settings, as typed.
struct VoiceFields {
  std::string server;
  std::string channel;
  std::string password;
};

// The stored voice settings a served link joins with.
struct VoiceJoin {
  VoiceMode mode = VoiceMode::Community;
  VoiceFields ownServer;
  std::string name;  // the player's name in voice, as stored
};

// Everything the window says of one client, kept together so that each client's words
// live in one place.
struct VoiceTexts {
  std::string option;  // the client's option in the choice of clients
  int optionWidth;     // that option's width in twips, room for its caption
  std::string frameCaption;
  std::string launchQuestion;
  std::string communityOption;
  std::string ownServerOption;
  std::string notice;        // under the game folder: how to get the client
  std::string missing;       // beside the choice when it is chosen but not installed
  std::string nameHint;      // under the Name box; "" for a client that takes no name
  std::string shuttingDown;  // the quit line while the click stops it; "" when nothing stops
};

class VoiceClient {
 public:
  virtual ~VoiceClient() = default;

  // The VoiceClient setting's value that chooses it; shared with earlier versions.
  virtual const char* StoredName() const = 0;
  virtual const VoiceTexts& Texts() const = 0;
  // Asked afresh each time: the player may install it while the launcher runs.
  virtual bool Installed() = 0;
  // What a served link starts (nullopt: nothing). A refusal stops the link before anything
  // starts, its reason shown with the link.
  virtual Outcome PlanStart(const GameLink& link, const VoiceJoin& join,
                            std::optional<std::string>& start) = 0;
  // Whether what it starts comes just after the game rather than before: the game need not
  // wait for a client handed a link that starts another program.
  virtual bool StartsAfterGame() const = 0;
  // Starts what PlanStart gave, without waiting for it. A failure the game need not wait
  // for is returned, to be told once the game runs; one the program cannot go on after
  // throws FatalError.
  virtual Outcome Start(const std::string& start) = 0;
  // The quit window's click, when the player wanted the client started with games.
  virtual void Quit() = 0;
  // Masks the passwords in what it starts, wherever that stands in a text: every event of the
  // log goes through it.
  virtual TextMasking Masking() const = 0;
};

}  // namespace cindermoor
