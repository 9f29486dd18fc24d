// The pictures' design table.
#include "window_kit/pictures.h"

#include <iterator>

namespace cindermoor {
namespace {

constexpr PictureDesign kDesigns[] = {
    {66, 27, true, {1, 4, 62, 22}, "picture.change", kPictureYellow},
    {58, 33, true, {4, 6, 54, 24}, "picture.install", kPictureYellow},
    // The wide margin keeps this frame where Install's frame is, so the two can swap places.
    {145, 51, true, {36, 15, 110, 33}, "picture.uninstall", kPictureYellow},
    {38, 33, true, {3, 6, 33, 24}, "picture.ok", kPictureYellow},
    {145, 51, false, {}, "picture.logo_name", kLogoYellow},
    {240, 128, false, {}, "picture.logo_name", kLogoYellow},
};
static_assert(std::size(kDesigns) == static_cast<int>(Picture::QuitLogo) + 1,
              "one design per picture");

}  // namespace

const PictureDesign& DesignOf(Picture picture) { return kDesigns[static_cast<int>(picture)]; }

}  // namespace cindermoor
