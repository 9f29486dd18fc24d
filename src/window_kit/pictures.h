// Design data of the drawn pictures: the picture buttons and the two logos.
#pragma once

#include "text/text.h"
#include "window_kit/twips.h"

namespace cindermoor {

enum class Picture {
  ChangeButton,
  InstallButton,
  UninstallButton,
  OkButton,
  Logo,
  QuitLogo,
  ServersButton,
  JoinButton,
  RefreshButton,
  AddFavouriteButton,
  RemoveFavouriteButton,
  CancelButton,
};

struct Rgb {
  int red;
  int green;
  int blue;
  friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kPictureYellow{231, 209, 0};
inline constexpr Rgb kLogoYellow{232, 210, 0};

// Pixel rectangle with both corners inside it.
struct InclusiveRect {
  int left;
  int top;
  int right;
  int bottom;
};

struct PictureDesign {
  int width;  // bitmap size in pixels at 96 DPI
  int height;
  bool framed;          // picture buttons have a frame and a caption
  InclusiveRect frame;  // meaningful only when framed
  TextKey name;         // a button's caption; what a logo's click opens, for screen readers
  Rgb colour;           // frame, caption and logo drawing
};

const PictureDesign& DesignOf(Picture picture);

// Capital height of the texts, in pixels at 96 DPI.
inline constexpr int kButtonCapitalHeight = 11;
inline constexpr int kLogoCapitalHeight = 11;
inline constexpr int kQuitLogoCapitalHeight = 18;

}  // namespace cindermoor
