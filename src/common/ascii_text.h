// Letter case and blanks of ASCII only: the names, tags, schemes and files these compare are
// ASCII by design, and a locale must not change how they compare.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

namespace cindermoor {

constexpr char AsciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

inline std::string AsciiLowered(std::string_view text) {
  std::string lowered(text);
  std::transform(lowered.begin(), lowered.end(), lowered.begin(), AsciiLower);
  return lowered;
}

constexpr bool SameLettersIgnoringCase(char a, char b) { return AsciiLower(a) == AsciiLower(b); }

inline bool SameIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), SameLettersIgnoringCase);
}

// Without the spaces and tabs at either end.
constexpr std::string_view Trimmed(std::string_view text) {
  constexpr std::string_view kBlanks = " \t";
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

}  // namespace cindermoor
