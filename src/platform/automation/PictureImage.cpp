#include "platform/automation/PictureImage.h"

#include "platform/automation/AutomationError.h"

namespace rt::picture {

void broken(const std::string& reason) {
    throw BrokenPicture(reason);
}

void check_image_size(int64_t width, int64_t height) {
    const auto size = [&] { return std::to_string(width) + " x " + std::to_string(height); };
    if (width < 1 || height < 1)
        raise_error(kErrInvalidPicture, {}, "picture size " + size() + " has no pixels");
    if (width > kMaxSide || height > kMaxSide || width * height > kMaxPixels)
        raise_error(kErrInvalidPicture, {},
                    "picture too large: " + size() + ", at most " + std::to_string(kMaxSide) +
                        " pixels a side and " + std::to_string(kMaxPixels) + " pixels in all");
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
