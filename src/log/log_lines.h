// The log's lines: how each is stamped, what of it is masked, and when the file starts afresh.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "log/log_file.h"

namespace cindermoor {

// Past this size the log becomes the older file and a new one begins.
inline constexpr std::uint64_t kLogSizeLimit = 256 * 1024;
inline constexpr std::string_view kMasked = "****";

// "2026-12-08 17:13:32.042 [1234] event\r\n"; line breaks inside the event become " | ", so
// every event stays one line whatever text it carries.
std::string LogLine(const LocalTime& time, unsigned long processId, std::string_view event);

// The event with every password masked: whatever stands where a password goes in a link, a
// command line or a URL, known or not, and each known secret of 4 characters or more
// wherever it stands.
std::string Redacted(std::string_view event, const std::vector<std::string>& secrets);

// Whether the file must start afresh before `adding` more bytes are written to it.
bool MustRotate(std::uint64_t currentSize, std::uint64_t adding);

}  // namespace cindermoor
