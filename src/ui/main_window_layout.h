// The main window's fixed design: every control's place and size in twips, from the top-left
// corner of the client area (the voice settings' own places already include their frame's).
#pragma once

#include <string>

#include "common/config.h"
#include "ui/twips.h"

namespace cindermoor::main_layout {

inline constexpr int kClientWidth = 4920;
// Room below the server options for the voice client's choice and the name in voice; the
// controls above keep their places.
inline constexpr int kClientHeight = 7695;
// The compact window's outer height is 3465 twips, which leaves this much client area.
inline constexpr int kCompactClientHeight = 3090;

inline constexpr int kFrameLeft = 120;
inline constexpr int kFrameTop = 4080;
inline constexpr TwipRect kVoiceFrame{kFrameLeft, kFrameTop, 4575, 3540};

// Controls inside the voice settings frame, placed from the frame's corner.
constexpr TwipRect InFrame(int left, int top, int width, int height) {
  return {kFrameLeft + left, kFrameTop + top, width, height};
}
inline constexpr TwipRect kPasswordBox = InFrame(1200, 1080, 3255, 285);
inline constexpr TwipRect kChannelBox = InFrame(1200, 720, 3255, 285);
inline constexpr TwipRect kServerBox = InFrame(1200, 360, 3255, 285);
inline constexpr TwipRect kOwnServerOption = InFrame(840, 1800, 2895, 255);
inline constexpr TwipRect kCommunityOption = InFrame(840, 1560, 3255, 255);
inline constexpr TwipRect kPasswordLabel = InFrame(360, 1080, 735, 255);
inline constexpr TwipRect kChannelLabel = InFrame(240, 720, 855, 255);
inline constexpr TwipRect kServerLabel = InFrame(480, 360, 615, 255);
inline constexpr TwipRect kRogerWilcoOption = InFrame(240, 2160, 1335, 255);
inline constexpr TwipRect kMumbleOption = InFrame(1680, 2160, 975, 255);
// Beside the choice, two lines high: the note wraps.
inline constexpr TwipRect kVoiceClientNote = InFrame(2760, 2100, 1695, 420);
inline constexpr TwipRect kVoiceNameLabel = InFrame(480, 2640, 615, 255);
inline constexpr TwipRect kVoiceNameBox = InFrame(1200, 2640, 3255, 285);
inline constexpr TwipRect kVoiceNameHint = InFrame(240, 3000, 4215, 420);

inline constexpr TwipRect kLaunchBox{840, 3360, 255, 255};
inline constexpr TwipRect kNoticeLabel{240, 2280, 4455, 855};
inline constexpr TwipRect kLaunchQuestionLabel{1080, 3360, 3135, 255};
inline constexpr TwipRect kGameFolderLabel{1200, 1920, 3495, 255};

// Picture positions; their size is the bitmap's own.
inline constexpr TwipPoint kChangeButtonPosition{120, 1800};
inline constexpr TwipPoint kInstallButtonPosition{2040, 1200};
inline constexpr TwipPoint kUninstallButtonPosition{1440, 1080};
inline constexpr TwipPoint kOkButtonPosition{4200, 120};
inline constexpr TwipPoint kLogoPosition{1320, 0};

// The two olive rules run from x 120 to 4800.
inline constexpr int kRuleLeft = 120;
inline constexpr int kRuleRight = 4800;
inline constexpr int kUpperRuleY = 3240;
inline constexpr int kLowerRuleY = 3720;

inline constexpr const char* kCaption = ".: Cindermoor :.";
inline constexpr const char* kFrameCaption = "Roger Wilco Settings";
inline constexpr const char* kServerLabelText = "Server:";
inline constexpr const char* kChannelLabelText = "Channel:";
inline constexpr const char* kPasswordLabelText = "Password:";
inline constexpr const char* kLaunchQuestionText = "Launch RogerWilco on game connection?";
inline constexpr const char* kOwnServerOptionText = "Use your own RogerWilco server.";
inline constexpr const char* kRogerWilcoOptionText = "Roger Wilco";
inline constexpr const char* kMumbleOptionText = "Mumble";
inline constexpr const char* kVoiceNameLabelText = "Name:";
inline constexpr const char* kVoiceNameHintText =
    "Your name in Mumble. Left empty, Mumble asks for one and the password cannot go along.";

inline std::string CommunityOptionText() {
  return std::string("Use ") + config::kCommunitySiteName + " RW server.";
}

inline std::string VoiceClientNotice() {
  return std::string(
             "In order to use the Roger Wilco features of Cindermoor Launcher, you must have "
             "installed a working copy of RogerWilco.  You can download RogerWilco at ") +
         config::kVoiceClientDownloadPage + " or any of its various mirrors.";
}

}  // namespace cindermoor::main_layout
