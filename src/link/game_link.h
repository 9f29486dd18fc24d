// Turns a game link into the voice client's and the game's command lines.
// Positions are 1-based, as the link's layout is described in them.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace cindermoor {

// Where the server address starts: the scheme "tribes://" is skipped unread.
inline constexpr std::size_t kAddressStart = 10;

// How the voice client joins a channel, from the UseTWRW setting.
enum class VoiceMode { Community, OwnServer, None };

// "" and any text that is not a number give Community; 1 gives Community, 0 OwnServer,
// any other number None.
VoiceMode ParseVoiceMode(std::string_view useTwrw);

// Position of the first "/" at or after kAddressStart; 0 when there is none.
std::size_t SlashPositionOf(std::string_view link);

// The text between kAddressStart and the slash; "" for a link with no slash.
std::string ServerAddressOf(std::string_view link);

// The address without its "." and ":" characters: the community voice channel's name.
std::string ChannelDigitsOf(std::string_view address);

// The text after the first `tag` found at or after position `from` (letter case ignored),
// running to the end of the link; nullopt when the tag is absent.
std::optional<std::string> OptionValue(std::string_view link, std::string_view tag,
                                       std::size_t from);

// The voice client's argument tail (leading space), or "" for VoiceMode::None.
std::string BuildVoiceArgs(VoiceMode mode, std::string_view server, std::string_view channel,
                           std::string_view password, std::string_view link);

// The game's argument tail: " +connect <address>" and the password options.
std::string BuildGameArgs(std::string_view link);

std::string VoiceCommand(std::string_view voiceArgs);
std::string GameCommand(std::string_view gameArgs);

}  // namespace cindermoor
