// Launchers already running in the user's session, and what a new start does about them: a
// link that is already served, or a settings window already open, is brought to the front
// rather than started twice.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "link/game_link.h"

namespace cindermoor {

// One launcher that was running when this one started. Launchers tell each other only the
// server a link joins, never its passwords.
struct RunningLauncher {
  std::optional<std::string> servedServer;  // none: it shows its settings window
};

enum class StartAction {
  GoOn,         // start as if no other launcher ran
  FrontAndEnd,  // bring that launcher to the front and end this start
  AskFirst,     // that one serves another server: serve this one too only if the player says so
};

struct StartDecision {
  StartAction action = StartAction::GoOn;
  size_t launcher = 0;  // the running launcher meant, for every action but GoOn
};

// `arriving` is this start's link, none for a plain start. A link to the server already
// served is that launcher's, whatever its passwords.
StartDecision DecideStart(const std::optional<GameLink>& arriving,
                          const std::vector<RunningLauncher>& running);

class SessionLaunchers {
 public:
  virtual ~SessionLaunchers() = default;
  // What the launchers running in this session show. From here this start holds the session's
  // turn: no other start decides until Announce, or until this program ends.
  virtual std::vector<RunningLauncher> TakeTurn() = 0;
  // Makes this launcher known to later starts as serving the link's server, or with none as
  // showing its settings, and gives the turn back. A later call corrects what it told.
  virtual void Announce(const std::optional<GameLink>& served) = 0;
  // Hands the right to take the foreground to a launcher of TakeTurn's list and asks it to
  // bring its window to the front.
  virtual void BringToFront(size_t launcher) = 0;
};

}  // namespace cindermoor
