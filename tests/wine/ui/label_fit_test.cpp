// The main window's fixed-size texts fit their labels in the window font, at 96 and 144 DPI.
// Under a Wine that lacks its own fonts every face falls back to a wider one, and texts are cut.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>

#include "ui/main_window_layout.h"
#include "ui/twips.h"
#include "ui/win32/default_font.h"
#include "win32/text.h"
#include "win32/unique_handle.h"

namespace cindermoor::win32 {
namespace {

namespace layout = main_layout;

constexpr int kDpis[] = {96, 144};

// A window font selected into a memory DC: measuring needs no window and no system DPI change.
class MeasuringDc {
 public:
  explicit MeasuringDc(int dpi)
      : font_(CreateDefaultFont(dpi)), selected_(dc_.get(), font_.get()) {}
  HDC get() const { return dc_.get(); }

 private:
  UniqueHdc dc_{::CreateCompatibleDC(nullptr)};
  UniqueHfont font_;
  SelectedObject selected_;
};

TEST(WindowFontTest, ResolvesToTheFaceAskedFor) {
  for (int dpi : kDpis) {
    SCOPED_TRACE(std::to_string(dpi) + " DPI");
    MeasuringDc dc(dpi);
    wchar_t face[LF_FACESIZE] = {};
    ASSERT_GT(::GetTextFaceW(dc.get(), LF_FACESIZE, face), 0);
    EXPECT_STREQ(face, L"MS Sans Serif");
  }
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

TEST(MainWindowLabelsTest, EveryTextFitsItsLabel) {
  const Label labels[] = {
      {"server", layout::kServerLabel, layout::kServerLabelText, Layout::WrapsWords},
      {"channel", layout::kChannelLabel, layout::kChannelLabelText, Layout::WrapsWords},
      {"password", layout::kPasswordLabel, layout::kPasswordLabelText, Layout::WrapsWords},
      {"launch question", layout::kLaunchQuestionLabel, layout::kLaunchQuestionText,
       Layout::WrapsWords},
      {"notice", layout::kNoticeLabel, layout::VoiceClientNotice(), Layout::WrapsWords},
      {"community option", layout::kCommunityOption, layout::CommunityOptionText(),
       Layout::OptionCaption},
      {"own server option", layout::kOwnServerOption, layout::kOwnServerOptionText,
       Layout::OptionCaption},
  };
  for (int dpi : kDpis) {
    MeasuringDc dc(dpi);
    for (const Label& label : labels) {
      SCOPED_TRACE(std::string(label.name) + " at " + std::to_string(dpi) + " DPI");
      int width = TwipsToPixels(label.place.width, dpi);
      UINT format = DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS | DT_WORDBREAK;
      if (label.layout == Layout::OptionCaption) {
        INT digit = 0;
        ASSERT_TRUE(::GetCharWidth32W(dc.get(), L'0', L'0', &digit));
        width -= ScaleForDpi(13, dpi) + digit / 2;
        format = DT_CALCRECT | DT_NOPREFIX | DT_SINGLELINE;
      }
      RECT needed{0, 0, width, 0};
      const std::wstring text = Widen(label.text);
      ASSERT_GT(::DrawTextW(dc.get(), text.c_str(), -1, &needed, format), 0);
      EXPECT_LE(needed.right, width);
      EXPECT_LE(needed.bottom, TwipsToPixels(label.place.height, dpi));
    }
  }
}

}  // namespace
}  // namespace cindermoor::win32
