#include "desktop/mime_apps_list.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

#include "common/ascii_text.h"

namespace cindermoor {

namespace {

constexpr std::string_view kDefaultsGroup = "[Default Applications]";

// One line as it was written: its text and its own line end ("\n", "\r\n", or "" for a last
// line without one), so that lines we do not touch come out byte for byte.
struct Line {
  std::string text;
  std::string end;
};

std::vector<Line> SplitLines(std::string_view text) {
  std::vector<Line> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t newline = text.find('\n', start);
    const std::size_t stop = newline == std::string_view::npos ? text.size() : newline + 1;
    const std::string_view whole = text.substr(start, stop - start);
    std::size_t endLength = 0;
    if (whole.ends_with("\r\n")) {
      endLength = 2;
    } else if (whole.ends_with('\n')) {
      endLength = 1;
    }
    lines.push_back({std::string(whole.substr(0, whole.size() - endLength)),
                     std::string(whole.substr(whole.size() - endLength))});
    start = stop;
  }
  return lines;
}

std::string JoinLines(const std::vector<Line>& lines) {
  std::string text;
  for (const Line& line : lines) text += line.text + line.end;
  return text;
}

bool IsBlank(const Line& line) { return Trimmed(line.text).empty(); }
bool IsGroupHeader(const Line& line) { return Trimmed(line.text).starts_with('['); }
bool IsDefaultsGroup(const Line& line) { return Trimmed(line.text) == kDefaultsGroup; }

// The key of a "key=value" line; comments and other lines have none.
std::optional<std::string_view> KeyOf(const Line& line) {
  const std::string_view text = line.text;
  const std::size_t equals = text.find('=');
  if (text.starts_with('#') || equals == std::string_view::npos) return std::nullopt;
  return Trimmed(text.substr(0, equals));
}

// New lines end as the file's lines do, so a file kept with CRLF stays CRLF.
std::string LineEndOf(const std::vector<Line>& lines) {
  return lines.empty() || lines.front().end.empty() ? "\n" : lines.front().end;
}

// Index one past the last line of the group whose header is at `header`.
std::size_t GroupEnd(const std::vector<Line>& lines, std::size_t header) {
  std::size_t end = header + 1;
  while (end < lines.size() && !IsGroupHeader(lines[end])) ++end;
  return end;
}

// Where a line added to a group goes: after its last line that is not blank, as xdg-mime adds it.
void InsertAtGroupEnd(std::vector<Line>& lines, std::size_t header, Line added) {
  std::size_t at = GroupEnd(lines, header);
  while (at > header + 1 && IsBlank(lines[at - 1])) --at;
  if (lines[at - 1].end.empty()) lines[at - 1].end = added.end;
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), std::move(added));
}

void AppendDefaultsGroup(std::vector<Line>& lines, const std::string& entry,
                         const std::string& lineEnd) {
  if (!lines.empty()) {
    if (lines.back().end.empty()) lines.back().end = lineEnd;
    if (!IsBlank(lines.back())) lines.push_back({"", lineEnd});
  }
  lines.push_back({std::string(kDefaultsGroup), lineEnd});
  lines.push_back({entry, lineEnd});
}

std::vector<std::string> SplitList(std::string_view value) {
  std::vector<std::string> items;
  std::size_t start = 0;
  while (start <= value.size()) {
    const std::size_t stop = std::min(value.find(';', start), value.size());
    const std::string_view item = Trimmed(value.substr(start, stop - start));
    if (!item.empty()) items.emplace_back(item);
    start = stop + 1;
  }
  return items;
}

// A byte-order mark before the first line is kept as it is and edited around.
std::string_view ByteOrderMarkOf(std::string_view text) {
  constexpr std::string_view kMark = "\xEF\xBB\xBF";
  return text.starts_with(kMark) ? kMark : std::string_view();
}

// Each [Default Applications] line for mimeType, in file order; the desktop merges groups of
// the same name, and where a type is named twice the last line counts.
std::vector<std::size_t> DefaultLinesFor(const std::vector<Line>& lines,
                                         std::string_view mimeType) {
  std::vector<std::size_t> found;
  bool inDefaults = false;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (IsGroupHeader(lines[i])) inDefaults = IsDefaultsGroup(lines[i]);
    if (inDefaults && KeyOf(lines[i]) == mimeType) found.push_back(i);
  }
  return found;
}

std::string ValueOf(const Line& line) {
  return std::string(Trimmed(std::string_view(line.text).substr(line.text.find('=') + 1)));
}

}  // namespace

std::string WithDefaultApplication(const std::string& text, const std::string& mimeType,
                                   const std::string& desktopId) {
  const std::string_view mark = ByteOrderMarkOf(text);
  std::vector<Line> lines = SplitLines(std::string_view(text).substr(mark.size()));
  const std::string lineEnd = LineEndOf(lines);
  const std::string entry = mimeType + "=" + desktopId;
  const std::vector<std::size_t> named = DefaultLinesFor(lines, mimeType);
  if (!named.empty()) {
    // The first line for the type becomes ours; later ones, in any group, would override it.
    lines[named.front()].text = entry;
    for (auto later = named.rbegin(); later + 1 != named.rend(); ++later) {
      lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(*later));
    }
    return std::string(mark) + JoinLines(lines);
  }
  std::size_t header = lines.size();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (IsDefaultsGroup(lines[i])) header = i;
  }
  if (header == lines.size()) {
    AppendDefaultsGroup(lines, entry, lineEnd);
  } else {
    InsertAtGroupEnd(lines, header, {entry, lineEnd});
  }
  return std::string(mark) + JoinLines(lines);
}

std::string WithoutDefaultApplication(const std::string& text, const std::string& mimeType,
                                      const std::string& desktopId, const std::string& restored) {
  const std::string_view mark = ByteOrderMarkOf(text);
  std::vector<Line> lines = SplitLines(std::string_view(text).substr(mark.size()));
  const std::vector<std::size_t> named = DefaultLinesFor(lines, mimeType);
  for (auto at = named.rbegin(); at != named.rend(); ++at) {
    Line& line = lines[*at];
    std::vector<std::string> handlers = SplitList(ValueOf(line));
    const std::size_t count = handlers.size();
    std::erase(handlers, desktopId);
    if (handlers.size() == count) continue;
    if (handlers.empty() && restored.empty()) {
      lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(*at));
    } else if (handlers.empty()) {
      line.text = mimeType + "=" + restored;
    } else {
      std::string rest;
      for (const std::string& handler : handlers) rest += handler + ";";
      line.text = line.text.substr(0, line.text.find('=') + 1) + rest;
    }
  }
  return std::string(mark) + JoinLines(lines);
}

std::string DefaultApplicationOf(const std::string& text, const std::string& mimeType) {
  const std::vector<Line> lines =
      SplitLines(std::string_view(text).substr(ByteOrderMarkOf(text).size()));
  const std::vector<std::size_t> named = DefaultLinesFor(lines, mimeType);
  return named.empty() ? std::string() : ValueOf(lines[named.back()]);
}

std::vector<std::string> DesktopIdsIn(const std::string& value) { return SplitList(value); }

std::string WithoutAddedDefaultsGroup(const std::string& text, std::size_t lengthBefore) {
  if (text.size() <= lengthBefore) return text;
  std::string added = text.substr(lengthBefore);
  const std::size_t header = added.find(kDefaultsGroup);
  if (header == std::string::npos) return text;
  added.erase(header, kDefaultsGroup.size());
  if (added.find_first_not_of("\r\n") != std::string::npos) return text;
  return text.substr(0, lengthBefore);
}

}  // namespace cindermoor
