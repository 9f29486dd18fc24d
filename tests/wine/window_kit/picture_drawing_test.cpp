// The drawn pictures, checked pixel by pixel at the design resolution and at 150 %.
#include "window_kit/win32/picture_drawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "picture_render.h"

namespace cindermoor::win32 {
namespace {

using testing::RenderedPicture;

constexpr int kDpis[] = {96, 144};
constexpr Picture kButtons[] = {Picture::ChangeButton,          Picture::InstallButton,
                                Picture::UninstallButton,       Picture::OkButton,
                                Picture::ServersButton,         Picture::JoinButton,
                                Picture::RefreshButton,         Picture::AddFavouriteButton,
                                Picture::RemoveFavouriteButton, Picture::CancelButton};
// Anti-aliased stems still have fully covered pixels, which are at least this red.
constexpr int kInkRed = 200;

bool IsBlack(Rgb colour) { return colour == kBlack; }

TEST(PictureScaling, RoundsLikeMulDiv) {
  struct Case {
    int value, dpi, scaled, asTwips;
  };
  for (const Case& c :
       {Case{66, 96, 66, 4}, Case{27, 144, 41, 3}, Case{1, 144, 2, 0}, Case{15, 120, 19, 1},
        Case{4920, 96, 4920, 328}, Case{6330, 144, 9495, 633}, Case{-3, 144, -5, 0}}) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(ScaleForDpi(c.value, c.dpi), c.scaled);
    EXPECT_EQ(ScaleForDpi(c.value, c.dpi), ::MulDiv(c.value, c.dpi, 96));
    EXPECT_EQ(TwipsToPixels(c.value, c.dpi), ::MulDiv(c.value, c.dpi, 1440));
    EXPECT_EQ(TwipsToPixels(c.value, c.dpi), c.asTwips);
  }
}

TEST(PictureDrawing, ButtonsHaveTheirSizeFrameAndCaption) {
  for (Picture picture : kButtons) {
    for (int dpi : kDpis) {
      const PictureDesign& design = DesignOf(picture);
      SCOPED_TRACE(Text(design.name) + " at " + std::to_string(dpi));
      const RenderedPicture image(picture, dpi);
      ASSERT_EQ(image.width(), ScaleForDpi(design.width, dpi));
      ASSERT_EQ(image.height(), ScaleForDpi(design.height, dpi));

      const int left = ScaleForDpi(design.frame.left, dpi),
                top = ScaleForDpi(design.frame.top, dpi);
      const int right = ScaleForDpi(design.frame.right, dpi),
                bottom = ScaleForDpi(design.frame.bottom, dpi);
      const int middleX = (left + right) / 2, middleY = (top + bottom) / 2;
      for (POINT p : {POINT{left, top}, POINT{right, top}, POINT{left, bottom},
                      POINT{right, bottom}, POINT{middleX, top}, POINT{middleX, bottom},
                      POINT{left, middleY}, POINT{right, middleY}}) {
        EXPECT_EQ(image.at(p.x, p.y), kPictureYellow) << "frame pixel " << p.x << "," << p.y;
      }
      for (POINT p : {POINT{left - 1, top - 1}, POINT{right + 1, bottom + 1},
                      POINT{left - 1, middleY}, POINT{right + 1, middleY}, POINT{middleX, top - 1},
                      POINT{middleX, bottom + 1}, POINT{0, 0}}) {
        EXPECT_TRUE(IsBlack(image.at(p.x, p.y))) << "outside pixel " << p.x << "," << p.y;
      }

      // The caption stays inside the frame, clear of it, and is centred in it.
      int inkLeft = image.width(), inkRight = -1;
      const int thickness = std::max(1, dpi / 96);
      for (int y = top + thickness; y <= bottom - thickness; ++y) {
        for (int x = left + thickness; x <= right - thickness; ++x) {
          if (image.at(x, y).red < kInkRed) continue;
          inkLeft = std::min(inkLeft, x);
          inkRight = std::max(inkRight, x);
        }
      }
      ASSERT_GE(inkRight, 0) << "no caption inside the frame";
      EXPECT_NEAR(inkLeft - left, right - inkRight, 3 * thickness);
      const auto rows = image.BrightRowRuns(left + 2 * thickness, right - 2 * thickness + 1,
                                            top + thickness, bottom - thickness + 1, kInkRed);
      ASSERT_EQ(rows.size(), 1u);
      EXPECT_NEAR(rows[0].first - top, bottom - (rows[0].first + rows[0].second - 1),
                  3 * thickness + 2)
          << "caption not centred vertically";
    }
  }
}

// Capitals only: the row count of the ink is the capital height.
TEST(PictureDrawing, CapitalsOfCaptionsHaveTheDesignHeight) {
  for (Picture picture : {Picture::InstallButton, Picture::UninstallButton, Picture::OkButton}) {
    for (int dpi : kDpis) {
      const PictureDesign& design = DesignOf(picture);
      SCOPED_TRACE(Text(design.name) + " at " + std::to_string(dpi));
      const RenderedPicture image(picture, dpi);
      const int left = ScaleForDpi(design.frame.left, dpi) + 2,
                right = ScaleForDpi(design.frame.right, dpi) - 1;
      const int top = ScaleForDpi(design.frame.top, dpi) + 2,
                bottom = ScaleForDpi(design.frame.bottom, dpi) - 1;
      const auto rows = image.BrightRowRuns(left, right, top, bottom, kInkRed);
      ASSERT_EQ(rows.size(), 1u);
      EXPECT_NEAR(rows[0].second, ScaleForDpi(kButtonCapitalHeight, dpi), 1);
    }
  }
}

TEST(PictureDrawing, LogosShowTwoLinesOfCapitalsOnBlack) {
  struct Case {
    Picture picture;
    int capitalHeight;
    int textLeft, textRight, textTop;  // clear of the swoosh, at 96 DPI
  };
  for (const Case& c : {Case{Picture::Logo, kLogoCapitalHeight, 0, 145, 0},
                        Case{Picture::QuitLogo, kQuitLogoCapitalHeight, 60, 220, 34}}) {
    for (int dpi : kDpis) {
      SCOPED_TRACE(std::to_string(static_cast<int>(c.picture)) + " at " + std::to_string(dpi));
      const PictureDesign& design = DesignOf(c.picture);
      const RenderedPicture image(c.picture, dpi);
      ASSERT_EQ(image.width(), ScaleForDpi(design.width, dpi));
      ASSERT_EQ(image.height(), ScaleForDpi(design.height, dpi));
      int logoYellow = 0;
      for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) logoYellow += image.at(x, y) == kLogoYellow;
      }
      EXPECT_GT(logoYellow, 100);
      for (int y = 0; y < image.height(); ++y) {
        EXPECT_TRUE(IsBlack(image.at(image.width() - 1, y))) << "right edge, row " << y;
      }
      for (int x = 0; x < image.width(); ++x) {
        EXPECT_TRUE(IsBlack(image.at(x, image.height() - 1))) << "bottom edge, column " << x;
      }
      const int top = ScaleForDpi(c.textTop, dpi);
      const auto lines =
          image.BrightRowRuns(ScaleForDpi(c.textLeft, dpi), ScaleForDpi(c.textRight, dpi), top,
                              image.height() - top, kInkRed);
      ASSERT_EQ(lines.size(), 2u);
      EXPECT_NEAR(lines[0].second, ScaleForDpi(c.capitalHeight, dpi), 1);
      EXPECT_NEAR(lines[1].second, ScaleForDpi(c.capitalHeight, dpi), 1);
    }
  }
}

// The swoosh is thickest at the left and open to the right.
TEST(PictureDrawing, QuitLogoSwooshCurvesRoundTheLeft) {
  for (int dpi : kDpis) {
    SCOPED_TRACE(dpi);
    const RenderedPicture image(Picture::QuitLogo, dpi);
    const int middle = image.height() / 2;
    int leftInk = 0;
    for (int x = 0; x < ScaleForDpi(30, dpi); ++x) leftInk += image.at(x, middle) == kLogoYellow;
    EXPECT_GE(leftInk, ScaleForDpi(12, dpi));
    EXPECT_EQ(image.at(ScaleForDpi(100, dpi), ScaleForDpi(5, dpi)), kLogoYellow)
        << "near the top middle";
    for (int x = image.width() * 9 / 10; x < image.width(); ++x)
      EXPECT_TRUE(IsBlack(image.at(x, middle)));
  }
}

}  // namespace
}  // namespace cindermoor::win32
