// Glowing captions and shapes: the halo is the same drawing in darker colours, spread a
// pixel or two around, with the bright drawing on top.
#include "window_kit/win32/glowing_text.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <utility>

namespace cindermoor::win32 {
namespace {

// Arial exists on every Windows; Wine maps it to a metric twin.
constexpr wchar_t kFace[] = L"Arial";
// Large enough that the measured capital height has little rounding in it.
constexpr int kReferenceEmHeight = 200;
// Brightness of the innermost halo ring; each further ring is darker.
constexpr double kHaloBrightness = 0.35;

UniqueHfont CreateSansSerif(int emHeight, int width, int weight) {
  LOGFONTW font{};
  font.lfHeight = -emHeight;  // negative: the em height, without internal leading
  font.lfWidth = width;
  font.lfWeight = weight;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfOutPrecision = OUT_TT_PRECIS;
  font.lfQuality = ANTIALIASED_QUALITY;
  font.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
  wcscpy_s(font.lfFaceName, kFace);
  return UniqueHfont(::CreateFontIndirectW(&font));
}

// Height of the capital H's ink, which is what the design gives for every text.
int MeasureCapitalHeight(HDC dc, HFONT font) {
  SelectedObject selected(dc, font);
  GLYPHMETRICS metrics{};
  const MAT2 identity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
  if (::GetGlyphOutlineW(dc, L'H', GGO_METRICS, &metrics, 0, nullptr, &identity) != GDI_ERROR) {
    return static_cast<int>(metrics.gmBlackBoxY);
  }
  // Fonts without outlines: the ascent less the leading is close to the capitals' height.
  TEXTMETRICW text{};
  ::GetTextMetricsW(dc, &text);
  return text.tmAscent - text.tmInternalLeading;
}

int MeasureTextWidth(HDC dc, HFONT font, std::wstring_view text) {
  SelectedObject selected(dc, font);
  SIZE size{};
  ::GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
  return size.cx;
}

int AverageCharacterWidth(HDC dc, HFONT font) {
  SelectedObject selected(dc, font);
  TEXTMETRICW text{};
  ::GetTextMetricsW(dc, &text);
  return text.tmAveCharWidth;
}

// Hinting rounds capital heights differently at each size, so the first estimate is
// checked against its neighbours and the closest match wins.
int FindEmHeight(HDC dc, int capitalHeight, int weight) {
  const UniqueHfont reference = CreateSansSerif(kReferenceEmHeight, 0, weight);
  const int referenceCapital = std::max(1, MeasureCapitalHeight(dc, reference.get()));
  const int estimate =
      std::max(1, (kReferenceEmHeight * capitalHeight + referenceCapital / 2) / referenceCapital);
  int best = estimate;
  int bestError = capitalHeight;
  for (int em = std::max(1, estimate - 2); em <= estimate + 2; ++em) {
    const UniqueHfont candidate = CreateSansSerif(em, 0, weight);
    const int error = std::abs(MeasureCapitalHeight(dc, candidate.get()) - capitalHeight);
    if (error < bestError) {
      best = em;
      bestError = error;
    }
  }
  return best;
}

// Columns holding ink when the selected font draws text from x = 0. Drawn off screen rather
// than computed from advance widths: small hinted fonts do not always draw as wide as they
// measure, which pushes a caption visibly off centre.
std::optional<std::pair<int, int>> InkColumns(HDC dc, std::wstring_view text) {
  SIZE extent{};
  TEXTMETRICW metrics{};
  ::GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &extent);
  ::GetTextMetricsW(dc, &metrics);
  const int margin = metrics.tmHeight;  // room for overhanging first and last letters
  const int width = extent.cx + 2 * margin;
  const int height = metrics.tmHeight;
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(info.bmiHeader), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  const UniqueHdc scratch(::CreateCompatibleDC(dc));
  const UniqueHbitmap bitmap(::CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!scratch || !bitmap || width <= 0 || height <= 0) return std::nullopt;
  SelectedObject selectedBitmap(scratch.get(), bitmap.get());
  SelectedObject selectedFont(scratch.get(), ::GetCurrentObject(dc, OBJ_FONT));
  ::SetTextColor(scratch.get(), RGB(255, 255, 255));
  ::SetBkColor(scratch.get(), RGB(0, 0, 0));
  ::SetTextAlign(scratch.get(), TA_TOP | TA_LEFT | TA_NOUPDATECP);
  ::ExtTextOutW(scratch.get(), margin, 0, ETO_OPAQUE, nullptr, text.data(),
                static_cast<UINT>(text.size()), nullptr);
  ::GdiFlush();
  const auto* pixels = static_cast<const DWORD*>(bits);
  int first = width, last = -1;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if ((pixels[y * width + x] & 0xffffff) == 0) continue;
      first = std::min(first, x);
      last = std::max(last, x);
    }
  }
  if (last < 0) return std::nullopt;
  return std::pair{first - margin, last - margin};
}

// Where to start the text so its ink is centred on centreX.
int InkCentredLeft(HDC dc, std::wstring_view text, int centreX) {
  if (const auto ink = InkColumns(dc, text)) return centreX - (ink->first + ink->second + 1) / 2;
  SIZE extent{};
  ::GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &extent);
  return centreX - extent.cx / 2;
}

}  // namespace

UniqueHfont CreateCapitalFont(HDC dc, const FontRequest& request) {
  const int em = FindEmHeight(dc, request.capitalHeight, request.weight);
  UniqueHfont font = CreateSansSerif(em, 0, request.weight);
  if (request.fillText.empty() || !font) return font;
  const int natural = MeasureTextWidth(dc, font.get(), request.fillText);
  if (natural <= 0) return font;
  const int width = AverageCharacterWidth(dc, font.get()) * request.fillWidth / natural;
  return CreateSansSerif(em, std::max(1, width), request.weight);
}

COLORREF Dimmed(COLORREF colour, double fraction) {
  const auto dim = [fraction](BYTE channel) {
    return static_cast<BYTE>(std::lround(channel * fraction));
  };
  return RGB(dim(GetRValue(colour)), dim(GetGValue(colour)), dim(GetBValue(colour)));
}

void DrawGlowingText(HDC dc, HFONT font, int centreX, int baseline, std::wstring_view text,
                     COLORREF colour, int haloRadius) {
  if (text.empty()) return;
  SelectedObject selected(dc, font);
  ::SetTextAlign(dc, TA_BASELINE | TA_LEFT | TA_NOUPDATECP);
  ::SetBkMode(dc, TRANSPARENT);
  const int length = static_cast<int>(text.size());
  const int x = InkCentredLeft(dc, text, centreX);
  // Outer rings first, so the brighter inner ones cover them.
  for (int radius = haloRadius; radius >= 1; --radius) {
    ::SetTextColor(dc, Dimmed(colour, kHaloBrightness / radius));
    for (int dy = -radius; dy <= radius; ++dy) {
      for (int dx = -radius; dx <= radius; ++dx) {
        if (std::max(std::abs(dx), std::abs(dy)) != radius) continue;
        ::TextOutW(dc, x + dx, baseline + dy, text.data(), length);
      }
    }
  }
  ::SetTextColor(dc, colour);
  ::TextOutW(dc, x, baseline, text.data(), length);
}

void FillGlowingPolygon(HDC dc, const POINT* points, int count, COLORREF colour, int haloRadius) {
  ::SetPolyFillMode(dc, WINDING);
  for (int radius = haloRadius; radius >= 1; --radius) {
    const COLORREF halo = Dimmed(colour, kHaloBrightness / radius);
    // A round pen as wide as the ring around the filled shape makes the halo's outline.
    const UniqueHpen ringPen(::CreatePen(PS_SOLID, 2 * radius + 1, halo));
    const UniqueHbrush ringBrush(::CreateSolidBrush(halo));
    SelectedObject pen(dc, ringPen.get());
    SelectedObject brush(dc, ringBrush.get());
    ::Polygon(dc, points, count);
  }
  const UniqueHbrush fill(::CreateSolidBrush(colour));
  SelectedObject pen(dc, ::GetStockObject(NULL_PEN));
  SelectedObject brush(dc, fill.get());
  ::Polygon(dc, points, count);
}

}  // namespace cindermoor::win32
