// The lines of the desktop's key files (desktop entries, mimeinfo.cache, mimeapps.list):
// "[Group]" headers, "key=value" entries and ";"-separated lists, blanks round each ignored.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace cindermoor {

std::string_view KeyFileTrimmed(std::string_view text);

bool IsGroupHeaderLine(std::string_view line);

struct KeyFileEntry {
  std::string_view key;
  std::string_view value;
};

// The trimmed key and value of a "key=value" line; nullopt for a comment or any other line.
std::optional<KeyFileEntry> EntryOfLine(std::string_view line);

// The items of a ";"-separated list, trimmed; empty ones are left out.
std::vector<std::string_view> ListItems(std::string_view list);

// MIME types are compared ignoring ASCII letter case.
bool SameMimeType(std::string_view a, std::string_view b);

// Whether the list holds the MIME type.
bool ListHoldsMimeType(std::string_view list, std::string_view mimeType);

// Calls `onEntry(key, value)` for each entry of the group named `header` ("[Desktop Entry]"),
// until it returns false.
template <typename OnEntry>
void ForEachEntryOf(std::string_view text, std::string_view header, OnEntry onEntry) {
  bool inGroup = false;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = text.substr(start, end - start);
    start = end + 1;
    if (IsGroupHeaderLine(line)) {
      inGroup = KeyFileTrimmed(line) == header;
      continue;
    }
    const std::optional<KeyFileEntry> entry = EntryOfLine(line);
    if (inGroup && entry && !onEntry(entry->key, entry->value)) return;
  }
}

}  // namespace cindermoor
