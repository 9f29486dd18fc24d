// Design measures: places and sizes in twips (1/1440 inch; 15 twips per pixel at 96 DPI),
// turned into pixels for the screen at hand.
#pragma once

namespace cindermoor {

struct TwipRect {
  int left;
  int top;
  int width;
  int height;
};

struct TwipPoint {
  int left;
  int top;
};

// A length of the 96-DPI design at another resolution, rounded to the nearest pixel.
int ScaleForDpi(int pixels96, int dpi);
// Twips to pixels at the given resolution, rounded to the nearest pixel.
int TwipsToPixels(int twips, int dpi);

}  // namespace cindermoor
