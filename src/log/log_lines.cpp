// Masking works on the finished event text, not on the places that write it: a new event
// that carries a link, a command line or a URL is masked without anyone remembering to. What
// the voice clients start is masked by each client's own masking, which the log is given.
// Each password is masked by where it stands and, when it is long enough to turn up by
// accident rarely, also by its known value wherever it stands: a one-character password
// masked everywhere would mask that character in every server address and version number.
#include "log/log_lines.h"

#include <algorithm>
#include <cstdio>

#include "common/ascii_text.h"
#include "link/command_lines.h"
#include "link/game_link.h"

namespace cindermoor {
namespace {

constexpr std::string_view kLinkScheme = "tribes://";
constexpr std::size_t kShortestMaskedEverywhere = 4;  // characters

std::size_t CharacterCount(std::string_view text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

void MaskValue(std::string& text, std::string_view secret) {
  for (std::size_t at = text.find(secret); at != std::string::npos;
       at = text.find(secret, at + kMasked.size())) {
    text.replace(at, secret.size(), kMasked);
  }
}

// A link stands last in any event that carries one, so the link's own masking applies from
// "tribes://" (any letter case) to the end; with no link at all, to the whole event. Starting at
// the scheme keeps a refusal's own words about "p=" readable.
void MaskLinkPasswords(std::string& text) {
  const std::string lower = AsciiLowered(text);
  const std::size_t scheme = lower.find(kLinkScheme);
  const std::size_t from = scheme == std::string::npos ? 0 : scheme;
  text.replace(from, std::string::npos, LinkForMessages(std::string_view(text).substr(from)));
}

}  // namespace

std::string LogLine(const LocalTime& time, unsigned long processId, std::string_view event) {
  char stamp[48];
  std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d %02d:%02d:%02d.%03d [%lu] ", time.year,
                time.month, time.day, time.hour, time.minute, time.second, time.millisecond,
                processId);
  std::string line = stamp;
  for (std::size_t at = 0; at < event.size(); ++at) {
    const char c = event[at];
    const bool lineBreak = c == '\r' || c == '\n';
    if (!lineBreak) {
      line += static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
    } else if (at + 1 == event.size() || (event[at + 1] != '\r' && event[at + 1] != '\n')) {
      line += " | ";
    }
  }
  return line + "\r\n";
}

std::string Redacted(std::string_view event, const std::vector<std::string>& secrets,
                     const std::vector<TextMasking>& maskings) {
  std::string text(event);
  // Longest first, so a secret that holds a shorter one is masked whole.
  std::vector<std::string> longestFirst = secrets;
  std::sort(longestFirst.begin(), longestFirst.end(),
            [](const std::string& a, const std::string& b) { return a.size() > b.size(); });
  for (const std::string& secret : longestFirst) {
    if (CharacterCount(secret) >= kShortestMaskedEverywhere) MaskValue(text, secret);
  }
  for (TextMasking masking : maskings) text = masking(text);
  text = WithGamePasswordsMasked(text);
  MaskLinkPasswords(text);
  return text;
}

bool MustRotate(std::uint64_t currentSize, std::uint64_t adding) {
  return currentSize > 0 && currentSize + adding > kLogSizeLimit;
}

}  // namespace cindermoor
