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
    // The buttons of the servers window and its password box, the main window's Servers
    // button among them, framed as OK is.
    {72, 33, true, {2, 6, 69, 24}, "picture.servers", kPictureYellow},
    {50, 33, true, {3, 6, 46, 24}, "picture.join", kPictureYellow},
    {66, 33, true, {3, 6, 62, 24}, "picture.refresh", kPictureYellow},
    {146, 33, true, {3, 6, 142, 24}, "picture.add_favourite", kPictureYellow},
    {198, 33, true, {3, 6, 194, 24}, "picture.remove_favourite", kPictureYellow},
    {62, 33, true, {3, 6, 58, 24}, "picture.cancel", kPictureYellow},
};
static_assert(std::size(kDesigns) == static_cast<int>(Picture::CancelButton) + 1,
              "one design per picture");

}  // namespace

const PictureDesign& DesignOf(Picture picture) { return kDesigns[static_cast<int>(picture)]; }

}  // namespace cindermoor
