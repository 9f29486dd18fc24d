// The main window's fixed design: every control's place and size in twips, from the top-left
// corner of the client area (the voice settings' own places already include their frame's).
#pragma once

#include <array>

#include "common/settings_table.h"
#include "text/text.h"
#include "window_kit/twips.h"

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
// The voice clients' options stand in one row, each as wide as its client says, this far
// apart; the note has the row below them to itself, between the options and the Name box.
inline constexpr int kVoiceClientOptionsLeft = 240;
inline constexpr int kVoiceClientOptionGap = 105;
constexpr TwipRect VoiceClientOption(int left, int width) {
  return InFrame(left, 2160, width, 255);
}
inline constexpr TwipRect kVoiceClientNote = InFrame(240, 2415, 4215, 225);
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
// In the free corner left of the logo, in the compact window too, centred in it so that a
// caption that widens the button has room on both sides.
inline constexpr TwipPoint kServersButtonPosition{120, 120};

// Check boxes that each show and store one flag setting, "1" ticked and "0" not: a new one is
// a row. Each is made after the other controls, so it joins the Tab order last.
struct SettingBox {
  const char* setting;  // a Flag row of common/settings_table.h, shown in the main window
  TextKey caption;
  TwipRect place;  // the box with its caption
};
inline constexpr std::array<SettingBox, 0> kSettingBoxes{};

// The two olive rules run from x 120 to 4800.
inline constexpr int kRuleLeft = 120;
inline constexpr int kRuleRight = 4800;
inline constexpr int kUpperRuleY = 3240;
inline constexpr int kLowerRuleY = 3720;

}  // namespace cindermoor::main_layout
