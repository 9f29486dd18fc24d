// The pictures' design table and the resolution arithmetic shared with the window layouts.
#include "ui/pictures.h"

#include <cstdint>
#include <iterator>

namespace cindermoor {
namespace {

constexpr int kDesignDpi = 96;
constexpr int kTwipsPerInch = 1440;

constexpr PictureDesign kDesigns[] = {
    {66, 27, true, {1, 4, 62, 22}, "change", kPictureYellow},
    {58, 33, true, {4, 6, 54, 24}, "Install", kPictureYellow},
    // The wide margin keeps this frame where Install's frame is, so the two can swap places.
    {145, 51, true, {36, 15, 110, 33}, "Un-Install", kPictureYellow},
    {38, 33, true, {3, 6, 33, 24}, "OK", kPictureYellow},
    {145, 51, false, {}, "", kLogoYellow},
    {240, 128, false, {}, "", kLogoYellow},
};
static_assert(std::size(kDesigns) == static_cast<int>(Picture::QuitLogo) + 1, "one design per picture");

// value * numerator / denominator rounded half away from zero, as Windows' MulDiv does,
// so layouts computed here match what the system computes for the same numbers.
int MultiplyDivide(int value, int numerator, int denominator) {
  const std::int64_t product = static_cast<std::int64_t>(value) * numerator;
  const std::int64_t half = denominator / 2;
  const std::int64_t rounded = product >= 0 ? (product + half) / denominator : (product - half) / denominator;
  return static_cast<int>(rounded);
}

}  // namespace

const PictureDesign& DesignOf(Picture picture) { return kDesigns[static_cast<int>(picture)]; }

int ScaleForDpi(int pixels96, int dpi) { return MultiplyDivide(pixels96, dpi, kDesignDpi); }

int TwipsToPixels(int twips, int dpi) { return MultiplyDivide(twips, dpi, kTwipsPerInch); }

}  // namespace cindermoor
