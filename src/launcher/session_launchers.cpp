#include "launcher/session_launchers.h"

#include <algorithm>

namespace cindermoor {

// A server takes one password at a time, and its game already runs beside that launcher: a
// link that differs only in its passwords is the same game, not a second one to ask about.
StartDecision DecideStart(const std::optional<GameLink>& arriving,
                          const std::vector<RunningLauncher>& running) {
  const auto first = [&](auto matches) -> std::optional<size_t> {
    const auto found = std::find_if(running.begin(), running.end(), matches);
    if (found == running.end()) return std::nullopt;
    return static_cast<size_t>(found - running.begin());
  };
  if (!arriving) {
    const auto settings = first([](const RunningLauncher& r) { return !r.servedServer; });
    return settings ? StartDecision{StartAction::FrontAndEnd, *settings} : StartDecision{};
  }
  if (const auto same = first(
          [&](const RunningLauncher& r) { return r.servedServer == arriving->serverAddress; })) {
    return {StartAction::FrontAndEnd, *same};
  }
  const auto other = first([](const RunningLauncher& r) { return r.servedServer.has_value(); });
  return other ? StartDecision{StartAction::AskFirst, *other} : StartDecision{};
}

}  // namespace cindermoor
