#include "window_kit/twips.h"

#include <cstdint>

namespace cindermoor {
namespace {

constexpr int kDesignDpi = 96;
constexpr int kTwipsPerInch = 1440;

// value * numerator / denominator rounded half away from zero, as Windows' MulDiv does,
// so layouts computed here match what the system computes for the same numbers.
int MultiplyDivide(int value, int numerator, int denominator) {
  const std::int64_t product = static_cast<std::int64_t>(value) * numerator;
  const std::int64_t half = denominator / 2;
  const std::int64_t rounded =
      product >= 0 ? (product + half) / denominator : (product - half) / denominator;
  return static_cast<int>(rounded);
}

}  // namespace

int ScaleForDpi(int pixels96, int dpi) { return MultiplyDivide(pixels96, dpi, kDesignDpi); }

int TwipsToPixels(int twips, int dpi) { return MultiplyDivide(twips, dpi, kTwipsPerInch); }

}  // namespace cindermoor
