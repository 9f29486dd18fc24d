// Draws the picture buttons and the logos with GDI, into any device context.
#pragma once

#include <windows.h>

#include <string>

#include "win32/unique_handle.h"
#include "window_kit/pictures.h"

namespace cindermoor::win32 {

// The picture's bitmap size at the given resolution (the design size at 96 DPI).
SIZE PictureSize(Picture picture, int dpi);

// One picture ready to draw at one resolution, its font made once for every paint.
class PicturePainter {
 public:
  PicturePainter(Picture picture, int dpi);

  // Wider than the design by what a long caption needs.
  SIZE Size() const;
  // Draws the whole picture, ground included, with its top-left corner at (0, 0).
  void Draw(HDC dc) const;
  // The keyboard focus cue: a dotted rectangle in the picture's colour round a button's
  // frame, or along the edge of a picture without one.
  void DrawFocusCue(HDC dc) const;

 private:
  Picture picture_;
  int dpi_;
  UniqueHfont font_;  // the caption's, or the logo lines'
  std::wstring caption_;
  int widening_;  // pixels the frame grows by to hold the caption
  RECT FramePixels() const;
};

}  // namespace cindermoor::win32
