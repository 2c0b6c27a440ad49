// Feeds arbitrary bytes to the picture loader. Whatever the data, the loader either makes a picture
// whose GDI object matches its reported size or raises 481 "Invalid picture"; it never reads out of
// bounds, never allocates for an oversized header, and leaves no GDI object behind.
#include "platform/automation/AutomationError.h"
#include "platform/automation/StdPicture.h"
#include "platform/gdi/Gdi.h"

#include <cstdint>
#include <cstdlib>

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

void check_picture(const rt::StdPicture& picture) {
    const gdi::SIZE size = picture.PixelSize();
    require(size.cx >= 1 && size.cy >= 1 && size.cx <= 16384 && size.cy <= 16384);
    require(picture.WidthHimetric() == rt::PixelsToHimetric(size.cx, gdi::LogicalDpi()));
    if (picture.Type() == rt::kPicTypeBitmap) {
        const gdi::SurfaceView view = gdi::LockBitmap(picture.bitmap());
        require(view.pixels && view.width == size.cx && view.height == size.cy);
        return;
    }
    require(picture.Type() == rt::kPicTypeIcon);
    gdi::ICONINFO info;
    require(gdi::GetIconInfo(picture.icon(), &info));
    gdi::BITMAP colour;
    require(gdi::GetBitmap(info.hbmColor, &colour) && colour.bmWidth == size.cx &&
            colour.bmHeight == size.cy);
    gdi::DeleteObject(info.hbmColor);
    gdi::DeleteObject(info.hbmMask);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        check_picture(*rt::LoadPictureFromBytes({data, size}));
    } catch (const rt::AutomationError& e) {
        require(e.number == rt::kErrInvalidPicture);
    }
    require(gdi::live_objects().total() == 0);
    return 0;
}
