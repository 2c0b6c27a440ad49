#include "platform/automation/PictureImage.h"

#include "platform/automation/AutomationError.h"

namespace rt::picture {

void invalid_picture() {
    raise_error(kErrInvalidPicture);
}

void check_image_size(int64_t width, int64_t height) {
    if (width < 1 || height < 1 || width > kMaxSide || height > kMaxSide) invalid_picture();
    if (width * height > kMaxPixels) invalid_picture();
}

Image32 Image32::black(int64_t width, int64_t height) {
    check_image_size(width, height);
    Image32 image;
    image.width = static_cast<int32_t>(width);
    image.height = static_cast<int32_t>(height);
    image.pixels.assign(size_t(width) * size_t(height), 0);
    return image;
}

} // namespace rt::picture
