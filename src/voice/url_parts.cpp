#include "voice/url_parts.h"

#include <algorithm>
#include <charconv>

#include "text/text.h"

namespace cindermoor {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsHexDigit(char c) { return IsDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f'); }
bool IsUnreserved(char c) {
  return IsLetter(c) || IsDigit(c) || c == '-' || c == '.' || c == '_' || c == '~';
}
bool AllDigits(std::string_view text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

std::vector<std::string_view> SplitAt(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find(separator, start);
    parts.push_back(text.substr(start, end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

std::optional<int> NumberUpTo(std::string_view digits, int largest) {
  if (!AllDigits(digits) || digits.size() > 5) return std::nullopt;
  int value = 0;
  std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (value > largest) return std::nullopt;
  return value;
}

// Four decimal numbers 0 to 255; a leading zero is refused, as some resolvers read it as octal.
bool IsIpv4(std::string_view text) {
  const std::vector<std::string_view> parts = SplitAt(text, '.');
  if (parts.size() != 4) return false;
  for (std::string_view part : parts) {
    if (!NumberUpTo(part, 255) || (part.size() > 1 && part[0] == '0')) return false;
  }
  return true;
}

// Labels of letters, digits and inner hyphens. A name ending in a number is an address or
// nothing, so "10.0.0.300" is refused rather than looked up as a name.
bool IsHostName(std::string_view text) {
  if (text.empty() || text.size() > 253) return false;
  const std::vector<std::string_view> labels = SplitAt(text, '.');
  if (AllDigits(labels.back())) return IsIpv4(text);
  for (std::string_view label : labels) {
    if (label.empty() || label.size() > 63 || label.front() == '-' || label.back() == '-') {
      return false;
    }
    for (char c : label) {
      if (!IsLetter(c) && !IsDigit(c) && c != '-') return false;
    }
  }
  return true;
}

// Counts the 16-bit groups of a run of hex groups; an IPv4 tail counts two. -1 when malformed.
int Ipv6Groups(std::string_view run, bool ipv4TailAllowed) {
  if (run.empty()) return 0;
  const std::vector<std::string_view> groups = SplitAt(run, ':');
  int count = 0;
  for (std::size_t i = 0; i < groups.size(); ++i) {
    const std::string_view group = groups[i];
    if (ipv4TailAllowed && i + 1 == groups.size() && group.find('.') != std::string_view::npos) {
      if (!IsIpv4(group)) return -1;
      count += 2;
      continue;
    }
    if (group.empty() || group.size() > 4) return -1;
    for (char c : group) {
      if (!IsHexDigit(c)) return -1;
    }
    ++count;
  }
  return count;
}

// The text between the brackets: eight groups, or fewer with one "::" standing for the rest.
// Zone names ("%eth0") are refused: they mean nothing to another machine.
bool IsIpv6(std::string_view text) {
  const std::size_t gap = text.find("::");
  if (gap == std::string_view::npos) return Ipv6Groups(text, true) == 8;
  const std::string_view head = text.substr(0, gap);
  const std::string_view tail = text.substr(gap + 2);
  if (tail.find("::") != std::string_view::npos) return false;
  const int headGroups = Ipv6Groups(head, false);
  const int tailGroups = Ipv6Groups(tail, true);
  return headGroups >= 0 && tailGroups >= 0 && headGroups + tailGroups <= 7;
}

std::string_view WithoutSurroundingBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

Outcome ServerBoxRefused(std::string_view box) {
  if (box.empty()) return Outcome::Failure(Text("voice.server_box_empty"));
  return Outcome::Failure(Text("voice.server_box_invalid", {{"server", box}}));
}

}  // namespace

std::string PercentEncoded(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string encoded;
  for (char c : text) {
    if (IsUnreserved(c)) {
      encoded += c;
    } else {
      const auto byte = static_cast<unsigned char>(c);
      encoded += {'%', kHex[byte >> 4], kHex[byte & 0x0F]};
    }
  }
  return encoded;
}

Outcome ParseServerBox(std::string_view box, VoiceServer& server) {
  const std::string_view text = WithoutSurroundingBlanks(box);
  std::string_view host = text;
  std::optional<std::string_view> port;
  bool hostIsValid = false;
  if (text.starts_with('[')) {
    const std::size_t close = text.find(']');
    if (close == std::string_view::npos) return ServerBoxRefused(text);
    host = text.substr(0, close + 1);
    const std::string_view rest = text.substr(close + 1);
    if (!rest.empty()) {
      if (rest.front() != ':') return ServerBoxRefused(text);
      port = rest.substr(1);
    }
    hostIsValid = IsIpv6(host.substr(1, host.size() - 2));
  } else {
    const std::size_t colon = text.find(':');
    if (colon != std::string_view::npos) {
      host = text.substr(0, colon);
      port = text.substr(colon + 1);
    }
    hostIsValid = IsHostName(host);
  }
  std::optional<int> portNumber;
  if (port) {
    portNumber = NumberUpTo(*port, 65535);
    if (!portNumber || *portNumber == 0) return ServerBoxRefused(text);
  }
  if (!hostIsValid) return ServerBoxRefused(text);
  server = {std::string(host), portNumber};
  return Outcome::Success();
}

std::vector<std::string> ChannelPathOf(std::string_view channelBox) {
  std::vector<std::string> path;
  for (std::string_view part : SplitAt(channelBox, '/')) {
    if (!part.empty()) path.emplace_back(part);
  }
  return path;
}

std::string EncodedChannelPath(const std::vector<std::string>& path) {
  std::string encoded;
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (i > 0) encoded += "/";
    encoded += PercentEncoded(path[i]);
  }
  return encoded;
}

}  // namespace cindermoor
