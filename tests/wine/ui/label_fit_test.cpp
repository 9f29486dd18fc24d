// The main window's fixed texts fit their labels in any Wine prefix, at the screen's DPI (the
// fonts driver, tests/wine/window_fonts_test.py, runs these at 96 and 144 DPI in a prefix of
// its own with only the fonts of a plain Linux desktop). Such a Wine lacks its own fonts and
// falls back to a wider face that cuts the texts. Each case must run in a process of its own:
// the first request for the window face decides what the process gets for it.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "desktop/win32/unix_desktop_win32.h"
#include "host/ui/forms_world.h"
#include "ui/main_window_layout.h"
#include "ui/win32/main_window.h"
#include "win32/text.h"
#include "win32/unique_handle.h"
#include "window_kit/twips.h"
#include "window_kit/win32/default_font.h"
#include "window_kit/win32/window_instance.h"
#include "window_kit/win32/wine_window_font.h"

namespace cindermoor::win32 {
namespace {

namespace layout = main_layout;

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
  ProvideWindowFaceUnderWine(desktop);
  const UniqueHfont font = CreateDefaultFont(TestDpi());
  EXPECT_EQ(FaceOf(font.get()), L"MS Sans Serif");
  // The title bar's buttons are letters of Marlett.
  ProvideTitleBarSymbolsUnderWine(desktop);
  const UniqueHfont symbols(::CreateFontW(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                                          SYMBOL_CHARSET, 0, 0, 0, 0, L"Marlett"));
  EXPECT_EQ(FaceOf(symbols.get()), L"Marlett");
}

// How a label lays its text out: a static control breaks lines between words; an option's
// caption is one line, beginning after its round glyph (13 pixels at 96 DPI) and half a digit.
enum class Layout { WrapsWords, OptionCaption };

struct Label {
  const char* name;
  TwipRect place;
  std::string text;
  Layout layout;
};

class MainWindowLabelsTest : public ::testing::Test {
 protected:
  // Measures each label's text in the font its control really draws with, every voice
  // client's texts while it is chosen.
  void ExpectEveryTextFits() {
    window.Connect(form);
    form.Show();
    ASSERT_NE(window.Handle(), nullptr);
    for (size_t client = 0; client < world.voiceClients.Count(); ++client) {
      form.SelectVoiceClient(client);
      const VoiceTexts& texts = world.voiceClients.At(client).Texts();
      const Label labels[] = {
          {"server", layout::kServerLabel, layout::kServerLabelText, Layout::WrapsWords},
          {"channel", layout::kChannelLabel, layout::kChannelLabelText, Layout::WrapsWords},
          {"password", layout::kPasswordLabel, layout::kPasswordLabelText, Layout::WrapsWords},
          {"launch question", layout::kLaunchQuestionLabel, texts.launchQuestion,
           Layout::WrapsWords},
          {"notice", layout::kNoticeLabel, texts.notice, Layout::WrapsWords},
          {"community option", layout::kCommunityOption, texts.communityOption,
           Layout::OptionCaption},
          {"own server option", layout::kOwnServerOption, texts.ownServerOption,
           Layout::OptionCaption},
      };
      for (const Label& label : labels) ExpectFits(label, texts.option);
    }
  }

  void ExpectFits(const Label& label, const std::string& client) {
    const int dpi = TestDpi();
    SCOPED_TRACE(client + ": " + label.name + " at " + std::to_string(dpi) + " DPI");
    const std::wstring text = Widen(label.text);
    // The launch box bears its question too: the label is the static control.
    const wchar_t* className = label.layout == Layout::WrapsWords ? L"Static" : L"Button";
    HWND control = ::FindWindowExW(window.Handle(), nullptr, className, text.c_str());
    ASSERT_NE(control, nullptr);
    const UniqueHdc dc(::CreateCompatibleDC(nullptr));
    const SelectedObject selected(
        dc.get(), reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0)));
    int width = TwipsToPixels(label.place.width, dpi);
    UINT format = DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS | DT_WORDBREAK;
    if (label.layout == Layout::OptionCaption) {
      INT digit = 0;
      ASSERT_TRUE(::GetCharWidth32W(dc.get(), L'0', L'0', &digit));
      width -= ScaleForDpi(13, dpi) + digit / 2;
      format = DT_CALCRECT | DT_NOPREFIX | DT_SINGLELINE;
    }
    RECT needed{0, 0, width, 0};
    ASSERT_GT(::DrawTextW(dc.get(), text.c_str(), -1, &needed, format), 0);
    EXPECT_LE(needed.right, width);
    EXPECT_LE(needed.bottom, TwipsToPixels(label.place.height, dpi));
  }

  fakes::FormsWorld world;
  MainWindow window{[] {}};
  MainForm form{MainFormServices{world.settings, world.protocol, world.programs, world.dialogs,
                                 world.program, world.voiceClients, [] {}},
                window};
};

TEST_F(MainWindowLabelsTest, EveryTextFitsInWineOwnFace) {
  UnixDesktopWin32 desktop;
  ProvideWindowFaceUnderWine(desktop);
  ExpectEveryTextFits();
}

// Where no Wine font can be found, a stand-in face is shrunk for each text it would cut.
TEST_F(MainWindowLabelsTest, EveryTextFitsWhenNoWineFontIsFound) {
  ASSERT_FALSE(ProvideWindowFace({"Z:\\no such folder\\sserife.fon"}))
      << "this prefix has the window face already, so a stand-in is never tried";
  ExpectEveryTextFits();
}

}  // namespace
}  // namespace cindermoor::win32
