// The voice client's and the game's command lines, built from a parsed game link.
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

// The voice client's argument tail (leading space), or "" for VoiceMode::None. server,
// channel and password are the user's own voice server, used in OwnServer mode.
std::string BuildVoiceArgs(VoiceMode mode, std::string_view server, std::string_view channel,
                           std::string_view password, const GameLink& link);

// The game's argument tail: " +connect <address>" and the password options.
std::string BuildGameArgs(const GameLink& link);

std::string VoiceCommand(std::string_view voiceArgs);
std::string GameCommand(std::string_view gameArgs);

}  // namespace cindermoor
