// Reading a stored setting as a number, as the program's readers compare them.
#pragma once

#include <charconv>
#include <cmath>
#include <optional>
#include <string_view>

#include "common/ascii_text.h"

namespace cindermoor {

// "01", " 1" and "1.0" all read as 1; text that is not a number reads as nothing.
inline std::optional<double> NumberOf(std::string_view text) {
  text = Trimmed(text);
  if (text.empty()) return std::nullopt;
  if (text.front() == '+') text.remove_prefix(1);
  double value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc{} || stop != end || !std::isfinite(value)) {
    return std::nullopt;
  }
  return value;
}

}  // namespace cindermoor
