// Feeds arbitrary bytes to the picture loader. Whatever the data, the loader either makes a picture
// whose GDI objects match its reported size or raises 481 "Invalid picture" with a description;
// it never reads out of bounds, never allocates for an oversized header, and leaves no GDI object
// behind. A picture it makes is drawn too, so that masks and alpha reach the drawing code.
#include "platform/automation/AutomationError.h"
#include "platform/automation/StdPicture.h"
#include "platform/gdi/Gdi.h"

#include <cstdint>
#include <cstdlib>

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

void require_bitmap(gdi::HBITMAP bitmap, gdi::SIZE size) {
    gdi::BITMAP info;
    require(gdi::GetBitmap(bitmap, &info) && info.bmWidth == size.cx && info.bmHeight == size.cy);
}

// Draws the picture on a small surface: the drawing is clipped, so a large picture costs little.
void draw(const rt::StdPicture& picture) {
    const gdi::HBITMAP surface = gdi::CreateBitmap32(48, 48, nullptr);
    const gdi::HDC dc = gdi::CreateCompatibleDC({});
    const gdi::HGDIOBJ previous = gdi::SelectObject(dc, surface);
    require(picture.Render(dc, -3, 5));
    gdi::SelectObject(dc, previous);
    gdi::DeleteDC(dc);
    gdi::DeleteObject(surface);
}

void check_picture(const rt::StdPicture& picture) {
    const gdi::SIZE size = picture.PixelSize();
    if (picture.Type() == rt::kPicTypeMetafile || picture.Type() == rt::kPicTypeEnhMetafile) {
        require(size.cx == 0 && size.cy == 0 && picture.Handle() == 0);
        require(picture.WidthHimetric() > 0 && picture.HeightHimetric() > 0);
        return;
    }
    require(size.cx >= 1 && size.cy >= 1 && size.cx <= 16384 && size.cy <= 16384);
    require(picture.WidthHimetric() == rt::PixelsToHimetric(size.cx, gdi::LogicalDpi()));
    if (picture.Type() == rt::kPicTypeBitmap) {
        require_bitmap(picture.bitmap(), size);
        if (picture.mask()) require_bitmap(picture.mask(), size);
    } else {
        require(picture.Type() == rt::kPicTypeIcon);
        gdi::ICONINFO info;
        require(gdi::GetIconInfo(picture.icon(), &info));
        require_bitmap(info.hbmColor, size);
        require_bitmap(info.hbmMask, size);
        gdi::DeleteObject(info.hbmColor);
        gdi::DeleteObject(info.hbmMask);
    }
    draw(picture);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    try {
        check_picture(*rt::LoadPictureFromBytes({data, size}));
    } catch (const rt::AutomationError& e) {
        require(e.number == rt::kErrInvalidPicture && e.description.rfind("Invalid picture: ", 0) == 0);
    }
    require(gdi::live_objects().total() == 0);
    return 0;
}
