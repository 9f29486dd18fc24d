// The pictures are drawn from their design data instead of being stored as bitmaps, so
// they stay sharp at every resolution.
#include "window_kit/win32/picture_drawing.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "text/text.h"
#include "win32/text.h"
#include "win32/unique_handle.h"
#include "window_kit/win32/glowing_text.h"

namespace cindermoor::win32 {
namespace {

constexpr wchar_t kFirstLogoLine[] = L"CINDERMOOR";
constexpr wchar_t kSecondLogoLine[] = L"LAUNCHER";

COLORREF ToColorRef(Rgb colour) { return RGB(colour.red, colour.green, colour.blue); }

void FillSolid(HDC dc, const RECT& area, COLORREF colour) {
  const UniqueHbrush brush(::CreateSolidBrush(colour));
  ::FillRect(dc, &area, brush.get());
}

// Restores the caller's text colour, alignment and the like after drawing.
class SavedDcState {
 public:
  explicit SavedDcState(HDC dc) : dc_(dc), saved_(::SaveDC(dc)) {}
  SavedDcState(const SavedDcState&) = delete;
  SavedDcState& operator=(const SavedDcState&) = delete;
  ~SavedDcState() { ::RestoreDC(dc_, saved_); }

 private:
  HDC dc_;
  int saved_;
};

// The frame's edges are lines as thick as one design pixel at this resolution, laid
// inside the scaled corners so the corners themselves are always on the frame.
void DrawFrame(HDC dc, const RECT& frame, int dpi, COLORREF colour) {
  const auto [left, top, right, bottom] = frame;
  const int thickness = std::max(1, dpi / 96);
  FillSolid(dc, {left, top, right, top + thickness}, colour);
  FillSolid(dc, {left, bottom - thickness, right, bottom}, colour);
  FillSolid(dc, {left, top, left + thickness, bottom}, colour);
  FillSolid(dc, {right - thickness, top, right, bottom}, colour);
}

// Baseline that centres capitals of the given height on the inclusive rows top..bottom.
int CentredBaseline(int top, int bottom, int capitalHeight) {
  return (top + bottom + capitalHeight + 1) / 2;
}

void DrawButton(HDC dc, const RECT& frame, COLORREF colour, int dpi, HFONT font,
                const std::wstring& caption) {
  DrawFrame(dc, frame, dpi, colour);
  const int capital = ScaleForDpi(kButtonCapitalHeight, dpi);
  const int centre = (frame.left + frame.right) / 2;
  DrawGlowingText(dc, font, centre, CentredBaseline(frame.top, frame.bottom - 1, capital), caption,
                  colour, 1);
}

// Pixels a button's frame must grow by to hold its caption between its sides; every English
// caption fits its design frame, longer ones in other languages widen it.

int WideningFor(const PictureDesign& design, int dpi, HFONT font, const std::wstring& caption) {
  if (!design.framed) return 0;
  const UniqueHdc measuring(::CreateCompatibleDC(nullptr));
  const HGDIOBJ old = ::SelectObject(measuring.get(), font);
  SIZE text{};
  ::GetTextExtentPoint32W(measuring.get(), caption.c_str(), static_cast<int>(caption.size()),
                          &text);
  ::SelectObject(measuring.get(), old);
  const int inside = ScaleForDpi(design.frame.right, dpi) - ScaleForDpi(design.frame.left, dpi);
  return std::max(0, static_cast<int>(text.cx) - inside);
}

// Two lines of capitals, centred across the width, the second one gap pixels below the first.
struct LogoText {
  int capitalHeight;
  int firstLineTop;
  int gap;
  int centreX;
  int fillWidth;  // width of the first line; 0 for the font's natural width
  int haloRadius;
};

constexpr LogoText kLogoText{kLogoCapitalHeight, 11, 7, 73, 0, 1};
constexpr LogoText kQuitLogoText{kQuitLogoCapitalHeight, 41, 10, 130, 190, 2};

FontRequest LogoFont(const LogoText& text, int dpi) {
  const int fillWidth = ScaleForDpi(text.fillWidth, dpi);
  return {ScaleForDpi(text.capitalHeight, dpi), FW_BOLD, fillWidth > 0 ? kFirstLogoLine : L"",
          fillWidth};
}

void DrawLogoText(HDC dc, const LogoText& text, int dpi, COLORREF colour, HFONT font) {
  const int capital = ScaleForDpi(text.capitalHeight, dpi);
  const int firstBaseline = ScaleForDpi(text.firstLineTop, dpi) + capital;
  const int secondBaseline = firstBaseline + ScaleForDpi(text.gap, dpi) + capital;
  const int x = ScaleForDpi(text.centreX, dpi);
  const int halo = ScaleForDpi(text.haloRadius, dpi);
  DrawGlowingText(dc, font, x, firstBaseline, kFirstLogoLine, colour, halo);
  DrawGlowingText(dc, font, x, secondBaseline, kSecondLogoLine, colour, halo);
}

// The swoosh follows an ellipse from straight above its centre, counter-clockwise round
// the left side, to the lower left; its width swells from nothing at the two tips to the
// most on the left, on the inside of the curve.
std::vector<POINT> SwooshOutline(int dpi) {
  constexpr double kCentreX = 120, kCentreY = 64, kRadiusX = 116, kRadiusY = 61;
  constexpr double kStart = 90, kEnd = 240, kWidest = 17;
  constexpr int kSteps = 60;
  const double scale = dpi / 96.0;
  const auto pointAt = [&](double degrees, double inset) {
    const double angle = degrees * std::numbers::pi / 180;
    return POINT{std::lround((kCentreX + (kRadiusX - inset) * std::cos(angle)) * scale),
                 std::lround((kCentreY - (kRadiusY - inset) * std::sin(angle)) * scale)};
  };
  std::vector<POINT> outline;
  for (int step = 0; step <= kSteps; ++step)
    outline.push_back(pointAt(kStart + (kEnd - kStart) * step / kSteps, 0));
  for (int step = kSteps; step >= 0; --step) {
    const double along = static_cast<double>(step) / kSteps;
    outline.push_back(
        pointAt(kStart + (kEnd - kStart) * along, kWidest * std::sin(std::numbers::pi * along)));
  }
  return outline;
}

void DrawQuitLogo(HDC dc, int dpi, COLORREF colour, HFONT font) {
  const std::vector<POINT> swoosh = SwooshOutline(dpi);
  FillGlowingPolygon(dc, swoosh.data(), static_cast<int>(swoosh.size()), colour,
                     ScaleForDpi(2, dpi));
  DrawLogoText(dc, kQuitLogoText, dpi, colour, font);
}

// Each picture has one text face: the button's caption or the logo's two lines. Glyph sizes
// in pixels are the same on every display DC, so a memory DC serves to measure them.
UniqueHfont CreatePictureFont(Picture picture, int dpi) {
  const UniqueHdc measuring(::CreateCompatibleDC(nullptr));
  if (DesignOf(picture).framed) {
    return CreateCapitalFont(measuring.get(),
                             {ScaleForDpi(kButtonCapitalHeight, dpi), FW_NORMAL, {}, 0});
  }
  return CreateCapitalFont(measuring.get(),
                           LogoFont(picture == Picture::QuitLogo ? kQuitLogoText : kLogoText, dpi));
}

}  // namespace

SIZE PictureSize(Picture picture, int dpi) {
  const PictureDesign& design = DesignOf(picture);
  return {ScaleForDpi(design.width, dpi), ScaleForDpi(design.height, dpi)};
}

// Finding a font whose capitals have the design height takes several trial fonts, too many
// to make on every paint: the painter makes its one font when it is made.
PicturePainter::PicturePainter(Picture picture, int dpi)
    : picture_(picture),
      dpi_(dpi),
      font_(CreatePictureFont(picture, dpi)),
      caption_(DesignOf(picture).framed ? Widen(Text(DesignOf(picture).name)) : L""),
      widening_(WideningFor(DesignOf(picture), dpi, font_.get(), caption_)) {}

SIZE PicturePainter::Size() const {
  const SIZE design = PictureSize(picture_, dpi_);
  return {design.cx + widening_, design.cy};
}

// The frame's pixels, both corners inside it as in the design, right and bottom exclusive.
RECT PicturePainter::FramePixels() const {
  const InclusiveRect& frame = DesignOf(picture_).frame;
  return {ScaleForDpi(frame.left, dpi_), ScaleForDpi(frame.top, dpi_),
          ScaleForDpi(frame.right, dpi_) + 1 + widening_, ScaleForDpi(frame.bottom, dpi_) + 1};
}

void PicturePainter::Draw(HDC dc) const {
  const SavedDcState saved(dc);
  const PictureDesign& design = DesignOf(picture_);
  const SIZE size = Size();
  FillSolid(dc, {0, 0, size.cx, size.cy}, ToColorRef(kBlack));
  const COLORREF colour = ToColorRef(design.colour);
  if (design.framed) {
    DrawButton(dc, FramePixels(), colour, dpi_, font_.get(), caption_);
  } else if (picture_ == Picture::QuitLogo) {
    DrawQuitLogo(dc, dpi_, colour, font_.get());
  } else {
    DrawLogoText(dc, kLogoText, dpi_, colour, font_.get());
  }
}

// Two design pixels outside the frame, which leaves one black pixel between the two; where the
// frame is closer to the picture's edge than that (change's left side), the cue runs along the
// edge. Every other pixel is set, so the cue is a dotted line as a push button's focus is.
void PicturePainter::DrawFocusCue(HDC dc) const {
  const PictureDesign& design = DesignOf(picture_);
  const SIZE size = Size();
  RECT cue{0, 0, size.cx, size.cy};
  if (design.framed) {
    const int gap = ScaleForDpi(2, dpi_);
    const RECT frame = FramePixels();
    cue = {std::max<LONG>(0, frame.left - gap), std::max<LONG>(0, frame.top - gap),
           std::min<LONG>(size.cx, frame.right + gap), std::min<LONG>(size.cy, frame.bottom + gap)};
  }
  const COLORREF colour = ToColorRef(design.colour);
  const auto dot = [&](int x, int y) {
    if ((x + y) % 2 == 0) ::SetPixelV(dc, x, y, colour);
  };
  for (int x = cue.left; x < cue.right; ++x) {
    dot(x, cue.top);
    dot(x, cue.bottom - 1);
  }
  for (int y = cue.top; y < cue.bottom; ++y) {
    dot(cue.left, y);
    dot(cue.right - 1, y);
  }
}

}  // namespace cindermoor::win32
