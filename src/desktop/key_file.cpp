#include "desktop/key_file.h"

#include <algorithm>

#include "common/ascii_text.h"

namespace cindermoor {

// A line's carriage return counts as a blank: files kept with CRLF read as the same entries.
std::string_view KeyFileTrimmed(std::string_view text) {
  if (text.ends_with('\r')) text.remove_suffix(1);
  return Trimmed(text);
}

bool IsGroupHeaderLine(std::string_view line) { return KeyFileTrimmed(line).starts_with('['); }

std::optional<KeyFileEntry> EntryOfLine(std::string_view line) {
  const std::size_t equals = line.find('=');
  if (line.starts_with('#') || equals == std::string_view::npos || IsGroupHeaderLine(line)) {
    return std::nullopt;
  }
  return KeyFileEntry{KeyFileTrimmed(line.substr(0, equals)),
                      KeyFileTrimmed(line.substr(equals + 1))};
}

std::vector<std::string_view> ListItems(std::string_view list) {
  std::vector<std::string_view> items;
  for (std::size_t start = 0; start <= list.size();) {
    const std::size_t end = std::min(list.find(';', start), list.size());
    const std::string_view item = KeyFileTrimmed(list.substr(start, end - start));
    if (!item.empty()) items.push_back(item);
    start = end + 1;
  }
  return items;
}

bool SameMimeType(std::string_view a, std::string_view b) { return SameIgnoringCase(a, b); }

bool ListHoldsMimeType(std::string_view list, std::string_view mimeType) {
  const std::vector<std::string_view> items = ListItems(list);
  return std::any_of(items.begin(), items.end(),
                     [&](std::string_view item) { return SameMimeType(item, mimeType); });
}

}  // namespace cindermoor
