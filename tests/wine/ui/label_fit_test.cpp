// The main window's texts, in every language, fit their controls in any Wine prefix, with no
// two controls over each other, at the screen's DPI (the fonts driver,
// tests/wine/window_fonts_test.py, runs these at 96 and 144 DPI in a prefix of its own with
// only the fonts of a plain Linux desktop). Such a Wine lacks its own fonts and
// falls back to a wider face that cuts the texts. Each case must run in a process of its own:
// the first request for the window face decides what the process gets for it.
#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "desktop/win32/unix_desktop_win32.h"
#include "doubles/memory_server_queries.h"
#include "host/ui/forms_world.h"
#include "text/language.h"
#include "ui/locator_form.h"
#include "ui/quit_form.h"
#include "ui/win32/file_system_win32.h"
#include "ui/win32/locator_window.h"
#include "ui/win32/main_window.h"
#include "ui/win32/quit_window.h"
#include "ui/win32/servers_window.h"
#include "win32/text.h"
#include "win32/unique_handle.h"
#include "window_kit/twips.h"
#include "window_kit/win32/default_font.h"
#include "window_kit/win32/window_instance.h"
#include "window_kit/win32/wine_window_font.h"
#include "window_pixels.h"

namespace cindermoor::win32 {
namespace {

// The screen's DPI, checked against the one the fonts driver set for the prefix.
int TestDpi() {
  const int dpi = ScreenDpi();
  if (const char* expected = std::getenv("CINDERMOOR_EXPECTED_DPI")) {
    EXPECT_EQ(dpi, std::atoi(expected)) << "the prefix's LogPixels did not take effect";
  }
  return dpi;
}

std::wstring FaceOf(HFONT font) {
  const UniqueHdc dc(::CreateCompatibleDC(nullptr));
  const SelectedObject selected(dc.get(), font);
  wchar_t face[LF_FACESIZE] = {};
  ::GetTextFaceW(dc.get(), LF_FACESIZE, face);
  return face;
}

TEST(WindowFontTest, WineOwnFaceStandsInWhenTheSystemLacksIt) {
  UnixDesktopWin32 desktop;
  // As the program asks for it: when the quit window's text line is about to be made, after
  // the window itself.
  fakes::FormsWorld world;
  QuitWindow quitWindow([&] { ProvideWindowFaceUnderWine(desktop, kEnglish); });
  QuitForm quitForm{world.settings, world.voiceClients, world.program, quitWindow, world.log};
  quitWindow.Create(quitForm);
  testing::HandlePendingMessages();
  const HWND line = ::FindWindowExW(quitWindow.Handle(), nullptr, L"Static", nullptr);
  EXPECT_EQ(FaceOf(reinterpret_cast<HFONT>(::SendMessageW(line, WM_GETFONT, 0, 0))),
            L"MS Sans Serif");
  const UniqueHfont font = CreateDefaultFont(TestDpi());
  EXPECT_EQ(FaceOf(font.get()), L"MS Sans Serif");
  // The title bar's buttons are letters of Marlett.
  ProvideTitleBarSymbolsUnderWine(desktop);
  const UniqueHfont symbols(::CreateFontW(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                          SYMBOL_CHARSET, 0, 0, 0, 0, L"Marlett"));
  EXPECT_EQ(FaceOf(symbols.get()), L"Marlett");
}

bool IsClass(HWND control, const wchar_t* name) {
  wchar_t found[32] = {};
  ::GetClassNameW(control, found, 32);
  return ::lstrcmpiW(found, name) == 0;
}

// The room a control's text has, and how it is laid out there: a static text breaks lines
// between words unless told not to; an option's caption is one line after its round glyph
// (13 pixels at 96 DPI) and half a digit; a frame's caption one line between its corners.
// Nothing for a control without a fixed text of its own.
std::optional<std::pair<RECT, UINT>> TextRoom(HWND control, HDC dc, int dpi) {
  RECT room{};
  ::GetClientRect(control, &room);
  const LONG style = ::GetWindowLongW(control, GWL_STYLE);
  if (IsClass(control, L"Static")) {
    const bool oneLine = (style & SS_TYPEMASK) == SS_LEFTNOWORDWRAP;
    return std::pair{room, UINT(oneLine ? DT_SINGLELINE : DT_WORDBREAK)};
  }
  if (!IsClass(control, L"Button")) return std::nullopt;
  INT digit = 0;
  ::GetCharWidth32W(dc, L'0', L'0', &digit);
  switch (style & BS_TYPEMASK) {
    case BS_RADIOBUTTON:
      room.right -= ScaleForDpi(13, dpi) + digit / 2;
      return std::pair{room, UINT(DT_SINGLELINE)};
    case BS_GROUPBOX:
      room.right -= 2 * digit;
      return std::pair{room, UINT(DT_SINGLELINE)};
  }
  return std::nullopt;  // the launch box, whose caption is hidden by design
}

RECT PlaceOf(HWND control) {
  RECT place{};
  ::GetWindowRect(control, &place);
  ::MapWindowPoints(nullptr, ::GetParent(control), reinterpret_cast<POINT*>(&place), 2);
  return place;
}

bool Contains(const RECT& outer, const RECT& inner) {
  return outer.left <= inner.left && outer.top <= inner.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

// Measures each control's text in the font the control really draws with, and looks for two
// controls over each other (a frame holds its controls, and Install and Un-Install take turns
// in one place). With Wine's own face no text may be shrunk to fit.
void ExpectControlsFit(HWND window, const std::string& where, bool mayShrink) {
  ASSERT_NE(window, nullptr) << where;
  const int dpi = TestDpi();
  std::vector<HWND> controls;
  for (HWND c = ::GetWindow(window, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) {
    controls.push_back(c);
  }
  for (HWND control : controls) {
    const std::wstring text = WindowText(control);
    SCOPED_TRACE(where + " at " + std::to_string(dpi) + " DPI: " + Narrow(text));
    // Every control, the pictures and lists too, clear of the others; a picture widened for
    // its caption stays in the window.
    RECT client{};
    ::GetClientRect(window, &client);
    if (IsClass(control, L"CindermoorPicture")) {
      EXPECT_TRUE(Contains(client, PlaceOf(control))) << "outside the window";
    }
    for (HWND other : controls) {
      RECT overlap{};
      const RECT a = PlaceOf(control);
      const RECT b = PlaceOf(other);
      const bool turns = ::IsWindowVisible(control) != ::IsWindowVisible(other) &&
                         IsClass(control, L"CindermoorPicture") &&
                         IsClass(other, L"CindermoorPicture");
      if (other == control || turns || Contains(a, b) || Contains(b, a)) continue;
      // The design lets a few controls touch by a pixel or two, where neither draws.
      if (::IntersectRect(&overlap, &a, &b)) {
        EXPECT_LE(std::min(overlap.right - overlap.left, overlap.bottom - overlap.top), 2)
            << "over " << Narrow(WindowText(other));
      }
    }
    const auto font = reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0));
    const UniqueHdc dc(::CreateCompatibleDC(nullptr));
    const SelectedObject selected(dc.get(), font);
    const auto room = TextRoom(control, dc.get(), dpi);
    if (text.empty() || !room) continue;
    LOGFONTW shape{};
    ASSERT_TRUE(::GetObjectW(font, sizeof shape, &shape));
    if (!mayShrink) EXPECT_EQ(shape.lfHeight, -::MulDiv(8, dpi, 72)) << "shrunk";
    RECT needed{0, 0, room->first.right, 0};
    ASSERT_GT(::DrawTextW(dc.get(), text.c_str(), -1, &needed,
                          room->second | DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS),
              0);
    EXPECT_LE(needed.right, room->first.right);
    EXPECT_LE(needed.bottom, room->first.bottom);
  }
}

class MainWindowLabelsTest : public ::testing::Test {
 protected:
  // Every window in every language, the main window with each voice client chosen and its note
  // shown.
  void ExpectEveryTextFits(bool mayShrink) {
    for (std::size_t language = 0; language < LanguageCount(); ++language) {
      UseLanguage(language);
      const std::string tag(LanguageTag(language));
      fakes::FormsWorld world;
      MainWindow window{[] {}};
      MainForm form{MainFormServices{world.settings, world.protocol, world.programs, world.dialogs,
                                     world.program, world.voiceClients, [] {}},
                    window};
      window.Connect(form);
      form.Show();
      for (size_t client = 0; client < world.voiceClients.Count(); ++client) {
        // Chosen while missing and the others there: its note shows as well.
        std::vector<bool> installed(world.voiceClients.Count(), true);
        installed[client] = false;
        form.ShowStoredVoiceClient(client, "Ann", installed);
        ExpectControlsFit(window.Handle(),
                          tag + " main window, " + world.voiceClients.At(client).Texts().option,
                          mayShrink);
      }
      QuitWindow quitWindow;
      QuitForm quitForm{world.settings, world.voiceClients, world.program, quitWindow, world.log};
      quitWindow.Create(quitForm);
      testing::HandlePendingMessages();
      ExpectControlsFit(quitWindow.Handle(), tag + " quit window", mayShrink);
      FileSystemWin32 files;
      LocatorWindow locatorWindow;
      LocatorForm locatorForm{world.settings, form, files, locatorWindow};
      locatorWindow.Create(locatorForm);
      ExpectControlsFit(locatorWindow.Handle(), tag + " locator", mayShrink);
      ServersWindow serversWindow;
      ServersForm serversForm{{world.settings,
                               [](ServerQueryListener& listener) {
                                 return std::make_unique<MemoryServerQueries>(listener);
                               },
                               {}},
                              serversWindow};
      serversWindow.Create(serversForm);
      ExpectControlsFit(serversWindow.Handle(), tag + " servers window", mayShrink);
    }
    UseLanguage(kEnglish);
  }
};

TEST_F(MainWindowLabelsTest, EveryTextFitsInWineOwnFace) {
  UnixDesktopWin32 desktop;
  for (std::size_t language = 0; language < LanguageCount(); ++language) {
    ProvideWindowFaceUnderWine(desktop, language);
  }
  ExpectEveryTextFits(false);
}

// Where no Wine font can be found, a stand-in face is shrunk for each text it would cut.
TEST_F(MainWindowLabelsTest, EveryTextFitsWhenNoWineFontIsFound) {
  ASSERT_FALSE(ProvideWindowFace({"Z:\\no such folder\\sserife.fon"}))
      << "this prefix has the window face already, so a stand-in is never tried";
  ExpectEveryTextFits(true);
}

}  // namespace
}  // namespace cindermoor::win32
