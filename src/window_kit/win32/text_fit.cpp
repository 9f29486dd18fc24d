#include "window_kit/win32/text_fit.h"

#include <cstdlib>
#include <optional>

#include "win32/device_context.h"
#include "window_kit/twips.h"
#include "window_kit/win32/window_instance.h"

namespace cindermoor::win32 {
namespace {

// Below this share of its em height a text would be harder to read than cut.
constexpr int kSmallestPercent = 60;

struct TextPlace {
  int width;
  int height;
  UINT format;
};

bool IsClass(HWND control, const wchar_t* name) {
  wchar_t found[32] = {};
  ::GetClassNameW(control, found, 32);
  return ::lstrcmpiW(found, name) == 0;
}

// Where and how the control draws its text with the font selected into dc: a static text
// breaks lines between words unless told not to; a check box's or option's caption is one
// line that begins after its glyph and half a digit, as the system's buttons draw it.
std::optional<TextPlace> PlaceOfText(HWND control, HDC dc) {
  RECT client{};
  ::GetClientRect(control, &client);
  TextPlace place{client.right, client.bottom, DT_NOPREFIX | DT_EXPANDTABS};
  const LONG style = ::GetWindowLongW(control, GWL_STYLE);
  if (IsClass(control, L"Static")) {
    const LONG type = style & SS_TYPEMASK;
    if (type == SS_LEFTNOWORDWRAP) {
      place.format |= DT_SINGLELINE;
    } else if (type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT) {
      place.format |= DT_WORDBREAK;
    } else {
      return std::nullopt;
    }
    return place;
  }
  const LONG type = style & BS_TYPEMASK;
  if (!IsClass(control, L"Button") ||
      (type != BS_CHECKBOX && type != BS_AUTOCHECKBOX && type != BS_RADIOBUTTON &&
       type != BS_AUTORADIOBUTTON && type != BS_3STATE && type != BS_AUTO3STATE)) {
    return std::nullopt;
  }
  INT digit = 0;
  ::GetCharWidth32W(dc, L'0', L'0', &digit);
  place.width -= ScaleForDpi(13, ::GetDeviceCaps(dc, LOGPIXELSX)) + digit / 2;
  place.format = DT_NOPREFIX | DT_SINGLELINE;
  return place;
}

// Nullopt when the control draws no text of its own to fit.
std::optional<bool> Fits(HWND control, HDC dc, HFONT font, const std::wstring& text) {
  const SelectedObject selected(dc, font);
  const std::optional<TextPlace> place = PlaceOfText(control, dc);
  if (!place) return std::nullopt;
  RECT needed{0, 0, place->width, 0};
  ::DrawTextW(dc, text.c_str(), -1, &needed, place->format | DT_CALCRECT);
  return needed.right <= place->width && needed.bottom <= place->height;
}

}  // namespace

UniqueHfont FontFittingText(HWND control, HFONT font) {
  const std::wstring text = WindowText(control);
  LOGFONTW shape{};
  if (text.empty() || !::GetObjectW(font, sizeof shape, &shape)) return {};
  const WindowDc dc(control);
  if (Fits(control, dc.get(), font, text).value_or(true)) return {};
  // One pixel at a time: the largest size that fits stays closest to the design.
  const int em = std::abs(shape.lfHeight);
  UniqueHfont smaller;
  for (int height = em - 1; height * 100 >= em * kSmallestPercent; --height) {
    shape.lfHeight = shape.lfHeight < 0 ? -height : height;
    shape.lfWidth = 0;
    smaller = UniqueHfont(::CreateFontIndirectW(&shape));
    if (!smaller || *Fits(control, dc.get(), smaller.get(), text)) break;
  }
  return smaller;
}

}  // namespace cindermoor::win32
