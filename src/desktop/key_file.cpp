#include "desktop/key_file.h"

#include <algorithm>

namespace cindermoor {

namespace {

// A carriage return counts as a blank: files kept with CRLF read as the same entries.
constexpr std::string_view kBlanks = " \t\r";

char FoldedLetter(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::string_view KeyFileTrimmed(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
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

bool SameMimeType(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return FoldedLetter(x) == FoldedLetter(y); });
}

bool ListHoldsMimeType(std::string_view list, std::string_view mimeType) {
  const std::vector<std::string_view> items = ListItems(list);
  return std::any_of(items.begin(), items.end(),
                     [&](std::string_view item) { return SameMimeType(item, mimeType); });
}

}  // namespace cindermoor
