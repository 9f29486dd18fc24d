#include "log/event_log.h"

#include "log/log_lines.h"

namespace cindermoor {

void EventLog::KeepSecret(std::string_view value) {
  if (!value.empty()) secrets_.emplace_back(value);
}

void EventLog::Write(std::string_view event) {
  held_.push_back({file_.Now(), std::string(event)});
  if (!holding_) Flush();
}

// Masked only here, so a secret learnt after an event was held still masks it. The file's
// failures are not looked at: the log is a help for later, and nothing the player does
// now may wait for it or stop because of it.
void EventLog::Flush() {
  holding_ = false;
  if (held_.empty()) return;
  const unsigned long processId = file_.ProcessId();
  std::string text;
  for (const Event& event : held_)
    text += LogLine(event.time, processId, Redacted(event.text, secrets_, maskings_));
  held_.clear();
  if (MustRotate(file_.Size(), text.size())) file_.Rotate();
  file_.Append(text);
}

}  // namespace cindermoor
