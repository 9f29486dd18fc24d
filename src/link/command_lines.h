// The game's command line, built from a parsed game link, and what the voice clients take
// from the link and the settings alike.
#pragma once

#include <string>
#include <string_view>

#include "link/game_link.h"

namespace cindermoor {

// How the voice client joins a channel, from the UseTWRW setting.
enum class VoiceMode { Community, OwnServer, None };

// "" and any text that is not a number give Community; 1 gives Community, 0 OwnServer,
// any other number None.
VoiceMode ParseVoiceMode(std::string_view useTwrw);

// The address without its "." and ":" characters: the community voice channel's name.
std::string ChannelDigitsOf(std::string_view address);

// The game's argument tail: " +connect <address>" and the password options.
std::string BuildGameArgs(const GameLink& link);

std::string GameCommand(std::string_view gameArgs);

// The text with the game's "+password" values masked wherever they stand.
std::string WithGamePasswordsMasked(std::string_view text);

}  // namespace cindermoor
