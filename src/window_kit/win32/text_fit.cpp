#include "window_kit/win32/text_fit.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <vector>

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

bool Contains(const RECT& outer, const RECT& inner) {
  return outer.left <= inner.left && outer.top <= inner.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

// The largest rectangle round the control that no other control takes: inside the frame that
// holds it (or the window), up to the nearest control beside it and below it. Hidden controls
// count too, as they show in turns.
RECT FreeRoomOf(HWND control, int dpi) {
  const RECT at = PlaceInParent(control);
  const int gap = ScaleForDpi(2, dpi);
  RECT room{};
  ::GetClientRect(::GetParent(control), &room);
  ::InflateRect(&room, -ScaleForDpi(6, dpi), -ScaleForDpi(6, dpi));
  std::vector<RECT> others;
  for (HWND other = ::GetWindow(::GetParent(control), GW_CHILD); other;
       other = ::GetWindow(other, GW_HWNDNEXT)) {
    if (other == control) continue;
    RECT place = PlaceInParent(other);
    if (Contains(place, at)) {
      ::InflateRect(&place, -ScaleForDpi(6, dpi), -ScaleForDpi(6, dpi));
      ::IntersectRect(&room, &room, &place);
    } else {
      others.push_back(place);
    }
  }
  for (const RECT& other : others) {
    if (other.top < at.bottom && other.bottom > at.top) {
      if (other.left >= at.right) room.right = std::min<LONG>(room.right, other.left - gap);
      if (other.right <= at.left) room.left = std::max<LONG>(room.left, other.right + gap);
    }
  }
  for (const RECT& other : others) {
    if (other.top >= at.bottom && other.left < room.right && other.right > room.left) {
      room.bottom = std::min<LONG>(room.bottom, other.top - gap);
    }
  }
  return room;
}

}  // namespace

RECT PlaceInParent(HWND control) {
  RECT place{};
  ::GetWindowRect(control, &place);
  ::MapWindowPoints(nullptr, ::GetParent(control), reinterpret_cast<POINT*>(&place), 2);
  return place;
}

bool GrowToFitText(HWND control, HFONT font) {
  const std::wstring text = WindowText(control);
  const WindowDc dc(control);
  if (text.empty() || Fits(control, dc.get(), font, text).value_or(true)) return true;
  const SelectedObject selected(dc.get(), font);
  const std::optional<TextPlace> place = PlaceOfText(control, dc.get());
  const RECT at = PlaceInParent(control);
  const RECT room = FreeRoomOf(control, ::GetDeviceCaps(dc.get(), LOGPIXELSX));
  // What the control draws beside its text, an option's glyph, stays as it is.
  const int beside = (at.right - at.left) - place->width;
  RECT line{0, 0, 0, 0};
  ::DrawTextW(dc.get(), text.c_str(), -1, &line, place->format | DT_CALCRECT | DT_SINGLELINE);
  const int width =
      std::clamp<int>(line.right + beside, at.right - at.left, room.right - room.left);
  int height = at.bottom - at.top;
  if (place->format & DT_WORDBREAK) {
    RECT wrapped{0, 0, width - beside, 0};
    ::DrawTextW(dc.get(), text.c_str(), -1, &wrapped, place->format | DT_CALCRECT);
    height = std::clamp<int>(wrapped.bottom, height, room.bottom - at.top);
  }
  // Right-aligned text grows to its left, the rest to its right; either takes room from the
  // other side once its own is used up.
  const bool towardsLeft = (::GetWindowLongW(control, GWL_STYLE) & SS_TYPEMASK) == SS_RIGHT &&
                           IsClass(control, L"Static");
  LONG left = towardsLeft ? std::max<LONG>(room.left, at.right - width) : at.left;
  left = std::max<LONG>(room.left, std::min<LONG>(left, room.right - width));
  ::SetWindowPos(control, nullptr, left, at.top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  return false;
}

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
