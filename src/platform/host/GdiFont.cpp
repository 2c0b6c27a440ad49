#include "GdiFont.h"

#include "platform/automation/Arithmetic.h"
#include "platform/gdi/Gdi.h"

#include <algorithm>
#include <cstring>

namespace host {

gdi::HFONT CreateGdiFont(const rt::StdFont& font) {
    gdi::LOGFONTA lf{};
    lf.lfHeight = -static_cast<int32_t>(rt::round_even(font.Size() * gdi::LogicalDpi() / 72.0));
    lf.lfWeight = font.Weight();
    lf.lfItalic = font.Italic();
    lf.lfUnderline = font.Underline();
    lf.lfStrikeOut = font.Strikethrough();
    lf.lfCharSet = static_cast<uint8_t>(font.Charset());
    size_t n = std::min(font.Name().size(), sizeof lf.lfFaceName - 1);
    std::memcpy(lf.lfFaceName, font.Name().data(), n);
    return gdi::CreateFontIndirectA(&lf);
}

} // namespace host
