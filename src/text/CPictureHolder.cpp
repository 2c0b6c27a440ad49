#include "text/CPictureHolder.h"

#include "platform/automation/StdPicture.h"
#include "platform/automation/Variant.h"
#include "platform/gdi/Gdi.h"
#include "platform/user/Dialogs.h"
#include "platform/user/Draw.h"

#include <cstdlib>

namespace text {

namespace {

// The runtime's error for a property read on an object reference that is nothing.
constexpr int32_t kErrObjectNotSet = 91;

} // namespace

rt::Variant CPictureHolder::Property(std::string_view name) const {
    if (!m_picture) rt::raise_error(kErrObjectNotSet, {}, "Object variable or With block variable not set");
    return m_picture->Get(name);
}

int16_t CPictureHolder::PicType() const {
    return rt::CInt(Property("Type"));
}

int32_t CPictureHolder::Width() const {
    return rt::CLng(Property("Width"));
}

int32_t CPictureHolder::Height() const {
    return rt::CLng(Property("Height"));
}

uint32_t CPictureHolder::Handle() const {
    return static_cast<uint32_t>(rt::CLng(Property("Handle")));
}

void CPictureHolder::H2P(gfx::CDC& dc, gfx::CSize& size) {
    const int previous = dc.SetMapMode(gdi::MM_HIMETRIC);
    gdi::POINT point{size.CX, size.CY};
    dc.LPtoDP(&point, 1);
    dc.SetMapMode(previous);
    // HIMETRIC's y axis points up, so the converted height comes out negative.
    size.CX = std::abs(point.x);
    size.CY = std::abs(point.y);
}

std::optional<rt::AutomationError> CPictureHolder::Render(gfx::CDC& dc, const gfx::CRect& rect,
                                                          const gfx::CRect*) {
    if (!m_picture) {
        user::MessageBoxA(user::HWND{}, "Picture not set", user::ApplicationTitle().c_str(), user::MB_OK);
        return std::nullopt;
    }
    try {
        switch (PicType()) {
        case rt::kPicTypeBitmap:
            RenderBitmap(dc, rect);
            break;
        case rt::kPicTypeIcon:
            RenderIcon(dc, rect);
            break;
        default:
            // Metafiles and unknown types are not drawn.
            break;
        }
    } catch (const rt::AutomationError& e) {
        return e;
    }
    return std::nullopt;
}

void CPictureHolder::RenderBitmap(gfx::CDC& dc, const gfx::CRect& rect) const {
    const gdi::HBITMAP bitmap{Handle()};
    // Everything that can raise comes before the temporary DC exists.
    const int32_t width = rect.Width();
    const int32_t height = rect.Height();
    gfx::CDC source;
    source.CreateCompatibleDC(dc.m_hdc);
    const gdi::HGDIOBJ previous = source.SelectObject(bitmap);
    dc.BitBlt(rect.Left, rect.Top, width, height, source.m_hdc, 0, 0, gdi::SRCCOPY);
    source.SelectObject(previous);
    source.DeleteDC();
}

void CPictureHolder::RenderIcon(gfx::CDC& dc, const gfx::CRect& rect) const {
    user::DrawStateA(dc.m_hdc, gdi::HBRUSH{}, nullptr, user::LPARAM(Handle()), 0, rect.Left, rect.Top, 0, 0,
                     user::DST_ICON | user::DSS_NORMAL);
}

} // namespace text
